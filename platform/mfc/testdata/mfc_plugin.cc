// A test extension module: its DllMain joins the class library's resource
// chain (or, built with PLUGIN_INIT_FAILS, tries to with a null module and
// refuses to load) and leaves it when the module unloads.
#include <afxwin.h>

static AFX_EXTENSION_MODULE pluginModule = {FALSE, nullptr, nullptr, nullptr, nullptr};

extern "C" __attribute__((visibility("default"))) BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
#ifdef PLUGIN_INIT_FAILS
    hInstance = nullptr;
#endif
    if (!AfxInitExtensionModule(pluginModule, hInstance)) return FALSE;
    new CDynLinkLibrary(pluginModule);
  } else if (reason == DLL_PROCESS_DETACH) {
    AfxTermExtensionModule(pluginModule);
  }
  return TRUE;
}
