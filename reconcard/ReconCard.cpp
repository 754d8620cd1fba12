// The card plug-in's entry: registration with the class library and the
// screen objects at load, and the four exports through which the host runs
// the reconnaissance command.
#include <afxwin.h>

#include "command.h"
#include "screens.h"

#define RECONCARD_API extern "C" __attribute__((visibility("default")))

namespace {
AFX_EXTENSION_MODULE extensionModule{};
}  // namespace

RECONCARD_API BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    if (!AfxInitExtensionModule(extensionModule, instance)) return FALSE;
    new CDynLinkLibrary(extensionModule);
    ConstructScreens();
  } else if (reason == DLL_PROCESS_DETACH) {
    DestroyScreens();
    AfxTermExtensionModule(extensionModule);
  }
  return TRUE;
}

RECONCARD_API int WINAPI JCadMain(HWND hostWnd, int, int, int subCommand, int commandId) {
  return StartCommand(hostWnd, subCommand, commandId);
}

RECONCARD_API int WINAPI JCadEnable(int enable) { return EnableCommand(enable); }

RECONCARD_API int WINAPI JCadEvent(int first) { return first; }

RECONCARD_API int WINAPI JCadClose() { return CloseCommand(); }
