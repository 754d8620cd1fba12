// A tiny command plug-in for the host's tests: it speaks the plug-in protocol
// as a real plug-in does and writes every call it receives, one line each,
// to the device file "\TestCommand.log" (UTF-8):
//   attach / detach                  DllMain
//   main <second> <third> <sub> <id> JCadMain (the host window must be a window)
//   enable <value>                   JCadEnable
//   event <value>                    JCadEvent
//   close                            JCadClose
// JCadMain shows the modeless dialog IDD_TEST_COMMAND owned by the host
// window; closing it (close box or Escape) posts the end-of-command notice
// and leaves it on display; JCadClose destroys it. The plug-in registers as
// an extension module at load, so the dialog is found through the class
// library's resource chain.
#include <afxwin.h>
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

class TestCommandDlg : public CDialog {
 public:
  TestCommandDlg() : CDialog(IDD_TEST_COMMAND) {}
  HWND host = nullptr;
  int commandId = 0;

 protected:
  void OnOK() override {}
  void OnCancel() override { ::PostMessageW(host, WM_COMMAND, 6000, static_cast<LPARAM>(commandId) << 16); }
};

TestCommandDlg dialog;

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
