// Resources and extension modules: the resource handle, the chain of
// CDynLinkLibrary objects that extension modules (plug-in shared libraries)
// join from their DllMain, AfxFindResourceHandle over that chain, and string
// resources.
//
// Search order of AfxFindResourceHandle: the resource handle first, then the
// extension modules, the one that joined last first; when none has the
// resource, the resource handle.
#include <afxpriv.h>
#include <plat/module.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

namespace {

std::atomic<HINSTANCE> resourceHandle{nullptr};

struct LibraryChain {
  std::mutex lock;
  std::vector<CDynLinkLibrary*> libraries;  // the last joined first
};

LibraryChain& Chain() {
  static auto* chain = new LibraryChain;
  return *chain;
}

std::vector<HMODULE> ExtensionResourceModules() {
  LibraryChain& chain = Chain();
  std::lock_guard guard(chain.lock);
  std::vector<HMODULE> modules;
  for (CDynLinkLibrary* library : chain.libraries) {
    if (!library->m_bSystem && library->m_hResource) modules.push_back(library->m_hResource);
  }
  return modules;
}

}  // namespace

HINSTANCE AFXAPI AfxGetResourceHandle() {
  HINSTANCE hInst = resourceHandle.load();
  return hInst ? hInst : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) { resourceHandle.store(hInstResource); }

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType) {
  HINSTANCE hInst = AfxGetResourceHandle();
  if (::FindResource(hInst, lpszName, lpszType)) return hInst;
  for (HMODULE module : ExtensionResourceModules()) {
    if (::FindResource(module, lpszName, lpszType)) return module;
  }
  return hInst;
}

CString AFXAPI AfxLoadString(UINT nID) {
  HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nID / 16 + 1), RT_STRING);
  TCHAR buffer[1024];
  const int length = ::LoadString(hInst, nID, buffer, _countof(buffer));
  return CString(buffer, length > 0 ? length : 0);
}

// ---- extension modules ----
BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
  if (!hModule || plat::module::ModuleFromAddress(hModule) != hModule) return FALSE;
  state.hModule = hModule;
  state.hResource = hModule;
  state.pFirstSharedClass = nullptr;
  state.pFirstSharedFactory = nullptr;
  state.bInitialized = TRUE;
  return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
  std::vector<CDynLinkLibrary*> leaving;
  {
    LibraryChain& chain = Chain();
    std::lock_guard guard(chain.lock);
    for (CDynLinkLibrary* library : chain.libraries) {
      if (library->m_hModule == state.hModule) leaving.push_back(library);
    }
  }
  for (CDynLinkLibrary* library : leaving) delete library;  // each leaves the chain
  state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : CDynLinkLibrary(state.hModule, state.hResource) {
  m_bSystem = bSystem;
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource) : m_hModule(hModule), m_hResource(hResource) {
  LibraryChain& chain = Chain();
  std::lock_guard guard(chain.lock);
  chain.libraries.insert(chain.libraries.begin(), this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
  LibraryChain& chain = Chain();
  std::lock_guard guard(chain.lock);
  std::erase(chain.libraries, this);
}
