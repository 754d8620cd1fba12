// A tiny command plug-in for the host's tests: it speaks the plug-in protocol
// as a real plug-in does and writes every call it receives, one line each,
// to the device file "\TestCommand.log" (UTF-8):
//   attach / detach                  DllMain
//   main <second> <third> <sub> <id> JCadMain (the host window must be a window)
//   enable <value>                   JCadEnable
//   event <value>                    JCadEvent
//   close                            JCadClose
//   open <result> <folder>\<name>    the Open button's JFileListOpen ("*.txt")
//   save <result> <folder>\<name>    the Save button's JFileListSave ("*.txt")
// JCadMain shows the modeless dialog IDD_TEST_COMMAND owned by the host
// window (a combo of "赤" and "青", a check box, two radio buttons, an edit,
// a disabled button, a two-column list of two rows, and the buttons Open and
// Save that run the host's file dialogs, and tabs "一" and "二", for
// scenarios to act on); closing
// it (close box or Escape) posts the end-of-command notice and leaves it on
// display; JCadClose destroys it. The plug-in registers as
// an extension module at load, so the dialog is found through the class
// library's resource chain.
#include <afxwin.h>
#include <commctrl.h>
#include <filepick.h>
#include <plat/device.h>

#include <fstream>
#include <string>

#include "test_command_res.h"

#define TEST_COMMAND_API extern "C" __attribute__((visibility("default")))

namespace {

AFX_EXTENSION_MODULE extensionModule{};

void Log(const std::string& line) {
  std::string hostPath;
  if (plat::DeviceToHostPath(u"\\TestCommand.log", &hostPath)) std::ofstream(hostPath, std::ios::app) << line << "\n";
}

// ASCII only, enough for the tests' file names.
std::string Utf8(const WCHAR* text) {
  std::string narrow;
  for (; *text; ++text) narrow += *text < 0x80 ? static_cast<char>(*text) : '?';
  return narrow;
}

class TestCommandDlg : public CDialog {
 public:
  TestCommandDlg() : CDialog(IDD_TEST_COMMAND) {}
  HWND host = nullptr;
  int commandId = 0;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    for (const WCHAR* item : {u"赤", u"青"}) {
      SendDlgItemMessageW(IDC_TEST_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    FillList();
    for (const WCHAR* label : {u"一", u"二"}) {
      TCITEMW tab{};
      tab.mask = TCIF_TEXT;
      tab.pszText = const_cast<WCHAR*>(label);
      SendDlgItemMessageW(IDC_TEST_TABS, TCM_INSERTITEMW, label[0] == u'一' ? 0 : 1, reinterpret_cast<LPARAM>(&tab));
    }
    return TRUE;
  }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    const int id = LOWORD(wParam);
    if (id != IDC_TEST_OPEN && id != IDC_TEST_SAVE) return CDialog::OnCommand(wParam, lParam);
    WCHAR name[FILEPICK_PATH] = u"*.txt";
    WCHAR folder[FILEPICK_PATH] = u"\\Storage Card";
    const int result =
        id == IDC_TEST_OPEN ? JFileListOpen(name, folder, u"Text") : JFileListSave(1, name, folder, u"Text");
    Log(std::string(id == IDC_TEST_OPEN ? "open " : "save ") + std::to_string(result) + " " + Utf8(folder) + "\\" +
        Utf8(name));
    return TRUE;
  }
  void OnOK() override {}
  void OnCancel() override { ::PostMessageW(host, WM_COMMAND, 6000, static_cast<LPARAM>(commandId) << 16); }

 private:
  void FillList();
};

TestCommandDlg dialog;

void TestCommandDlg::FillList() {
  const WCHAR* const cells[2][2] = {{u"A1", u"B1"}, {u"A2", u"B2"}};
  for (int column = 0; column < 2; ++column) {
    LVCOLUMNW header{};
    header.mask = LVCF_TEXT | LVCF_WIDTH;
    header.cx = 60;
    header.pszText = const_cast<WCHAR*>(column == 0 ? u"A" : u"B");
    SendDlgItemMessageW(IDC_TEST_LIST, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&header));
  }
  for (int row = 0; row < 2; ++row) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<WCHAR*>(cells[row][0]);
    SendDlgItemMessageW(IDC_TEST_LIST, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<WCHAR*>(cells[row][1]);
    SendDlgItemMessageW(IDC_TEST_LIST, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  }
}

}  // namespace

TEST_COMMAND_API BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    if (!AfxInitExtensionModule(extensionModule, instance)) return FALSE;
    new CDynLinkLibrary(extensionModule);
    Log("attach");
  } else if (reason == DLL_PROCESS_DETACH) {
    Log("detach");
    AfxTermExtensionModule(extensionModule);
  }
  return TRUE;
}

TEST_COMMAND_API int WINAPI JCadMain(HWND hostWnd, int second, int third, int subCommand, int commandId) {
  Log("main " + std::to_string(second) + " " + std::to_string(third) + " " + std::to_string(subCommand) + " " +
      std::to_string(commandId) + (::IsWindow(hostWnd) ? "" : " no-window"));
  dialog.host = hostWnd;
  dialog.commandId = commandId & 0xFFFF;
  if (dialog.Create(IDD_TEST_COMMAND, CWnd::FromHandle(hostWnd))) dialog.ShowWindow(SW_SHOW);
  return 0;
}

TEST_COMMAND_API int WINAPI JCadEnable(int enable) {
  Log("enable " + std::to_string(enable));
  return dialog.GetSafeHwnd() ? dialog.EnableWindow(enable) : 0;
}

TEST_COMMAND_API int WINAPI JCadEvent(int first) {
  Log("event " + std::to_string(first));
  return first;
}

TEST_COMMAND_API int WINAPI JCadClose() {
  Log("close");
  if (dialog.GetSafeHwnd()) dialog.DestroyWindow();
  return 0;
}
