// The data exchange plug-in's entry: registration with the class library at
// load, and the one command of the host in its two directions, run whole
// inside JCadMain: file choice, confirmation, the modal progress dialog of
// the import or the export, and the end-of-command notice on every path.
//
// The confirmation names the chosen file only, never its folder. Its text is
// built in a buffer of 100 characters; a name too long for it is shown cut,
// ending in "…", so that the question always stands whole.
#include <afxwin.h>
#include <filepick.h>
#include <geopane.h>
#include <tchar.h>

#include "ImfExportDlg.h"
#include "ImfImportDlg.h"

#define RECONXFER_API extern "C" __attribute__((visibility("default")))

namespace {

AFX_EXTENSION_MODULE extensionModule{};

constexpr UINT ID_JCAD_END = 6000;

constexpr WCHAR kPattern[] = u"*.IMF";
constexpr WCHAR kTypeLabel[] = u"踏査ﾃﾞｰﾀﾌｧｲﾙ(*.IMF)";
constexpr WCHAR kImportQuestion[] = u"[%s]\nのファイルを取り込みます。\nよろしいですか？";
constexpr WCHAR kExportQuestion[] = u"[%s]\nのファイルに登録を開始します。\nよろしいですか？";
constexpr int kQuestionChars = 100;

// Asks "確認" with the question of format ("%s" once) about the file name.
bool Confirm(HWND hostWnd, const WCHAR* format, const WCHAR* name) {
  const int room = kQuestionChars - 1 - (lstrlenW(format) - 2);
  CStringW shown(name);
  if (shown.GetLength() > room) shown = shown.Left(room - 1) + u"…";
  WCHAR question[kQuestionChars];
  _sntprintf(question, kQuestionChars, format, shown.GetString());
  return ::MessageBoxW(hostWnd, question, u"確認", MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

// The open dialog starts in the folder of the last completed import, else on
// the storage card.
void RunImport(HWND hostWnd) {
  WCHAR folder[FILEPICK_PATH] = {};
  WCHAR name[FILEPICK_PATH] = {};
  int kept = 0;
  if (MapdbNav_GetInfo(folder, name, &kept) != 0) GetCardDriveName(folder);
  lstrcpynW(name, kPattern, FILEPICK_PATH);
  if (JFileListOpen(name, folder, kTypeLabel) != 0) return;
  if (!Confirm(hostWnd, kImportQuestion, name)) return;
  ImfImportDlg dialog(folder, name);
  dialog.DoModal();
}

// The save dialog always starts on the storage card.
void RunExport(HWND hostWnd) {
  WCHAR folder[FILEPICK_PATH] = {};
  WCHAR name[FILEPICK_PATH] = {};
  GetCardDriveName(folder);
  lstrcpynW(name, kPattern, FILEPICK_PATH);
  if (JFileListSave(1, name, folder, kTypeLabel) != 0) return;
  if (!Confirm(hostWnd, kExportQuestion, name)) return;
  ImfExportDlg dialog(folder, name);
  dialog.DoModal();
}

}  // namespace

RECONXFER_API BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    if (!AfxInitExtensionModule(extensionModule, instance)) return FALSE;
    new CDynLinkLibrary(extensionModule);
  } else if (reason == DLL_PROCESS_DETACH) {
    AfxTermExtensionModule(extensionModule);
  }
  return TRUE;
}

// direction 0 imports, any other value exports.
RECONXFER_API int WINAPI JCadMain(HWND hostWnd, int, int, int direction, int commandId) {
  if (direction == 0) {
    RunImport(hostWnd);
  } else {
    RunExport(hostWnd);
  }
  ::PostMessageW(hostWnd, WM_COMMAND, ID_JCAD_END, static_cast<LPARAM>(commandId & 0xFFFF) << 16);
  return 0;
}

// No window of the plug-in outlives JCadMain: nothing to enable, forward or
// close. Each gives back its argument.
RECONXFER_API int WINAPI JCadEnable(int value) { return value; }
RECONXFER_API int WINAPI JCadEvent(int value) { return value; }
RECONXFER_API int WINAPI JCadClose() { return 0; }
