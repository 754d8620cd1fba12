// The application object: the one CWinApp of the process, AfxWinInit and
// AfxWinMain (the thread that calls them becomes the application's thread),
// idle processing, message boxes owned by the main window, and the wait
// cursor with its nesting count.
#include <afxpriv.h>

#include <algorithm>
#include <atomic>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

std::atomic<CWinApp*> theApp{nullptr};

// The executable's name without folder and extension.
CString ModuleTitle(HINSTANCE hInstance) {
  TCHAR path[MAX_PATH] = {};
  ::GetModuleFileName(hInstance, path, MAX_PATH);
  CString name(path);
  name = name.Mid(std::max(name.ReverseFind(_T('\\')), name.ReverseFind(_T('/'))) + 1);
  const int dot = name.ReverseFind(_T('.'));
  return dot > 0 ? name.Left(dot) : name;
}

constexpr UINT kAppTitleStringId = 0xE000;  // AFX_IDS_APP_TITLE

}  // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName) {
  if (lpszAppName) {
    m_strAppName = lpszAppName;
    m_pszAppName = m_strAppName;
  }
  CWinApp* expected = nullptr;
  const bool first = theApp.compare_exchange_strong(expected, this);
  ASSERT(first && "only one CWinApp object may exist");
  (void)first;
}

CWinApp::~CWinApp() {
  CWinApp* self = this;
  theApp.compare_exchange_strong(self, nullptr);
}

CWinApp* AFXAPI AfxGetApp() { return theApp.load(); }

CWinThread* AFXAPI AfxGetThread() {
  CWinApp* pApp = AfxGetApp();
  return pApp && pApp->m_nThreadID == ::GetCurrentThreadId() ? pApp : nullptr;
}

CWnd* AFXAPI AfxGetMainWnd() {
  CWinThread* pThread = AfxGetThread();
  return pThread ? pThread->GetMainWnd() : nullptr;
}

LPCTSTR AFXAPI AfxGetAppName() {
  CWinApp* pApp = AfxGetApp();
  return pApp && pApp->m_pszAppName ? pApp->m_pszAppName : _T("");
}

HINSTANCE AFXAPI AfxGetInstanceHandle() {
  CWinApp* pApp = AfxGetApp();
  return pApp && pApp->m_hInstance ? pApp->m_hInstance : ::GetModuleHandle(nullptr);
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow) {
  CWinApp* pApp = AfxGetApp();
  if (!pApp) return FALSE;
  pApp->m_hInstance = hInstance ? hInstance : ::GetModuleHandle(nullptr);
  pApp->m_hPrevInstance = hPrevInstance;
  pApp->m_lpCmdLine = lpCmdLine;
  pApp->m_nCmdShow = nCmdShow;
  pApp->m_nThreadID = ::GetCurrentThreadId();
  if (!pApp->m_pszAppName) {
    pApp->m_strAppName = AfxLoadString(kAppTitleStringId);
    if (pApp->m_strAppName.IsEmpty()) pApp->m_strAppName = ModuleTitle(pApp->m_hInstance);
    pApp->m_pszAppName = pApp->m_strAppName;
  }
  return TRUE;
}

void AFXAPI AfxWinTerm() { AfxDeleteTempMaps(); }

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow) {
  int result = -1;
  CWinApp* pApp = AfxGetApp();
  if (AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && pApp->InitApplication()) {
    if (pApp->InitInstance()) {
      result = pApp->Run();
    } else {
      if (pApp->m_pMainWnd) pApp->m_pMainWnd->DestroyWindow();
      result = pApp->ExitInstance();
    }
  }
  AfxWinTerm();
  return result;
}

BOOL CWinApp::InitApplication() { return TRUE; }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return CWinThread::ExitInstance(); }

int CWinApp::Run() {
  if (!m_pMainWnd) AfxPostQuitMessage(0);
  return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount) {
  // Pass 0 asks for more idle time; pass 1 frees the temporary handle objects.
  if (lCount <= 1) CWinThread::OnIdle(lCount);
  return lCount < 1;
}

// ---- message boxes ----
HWND AFXAPI AfxGetSafeOwner(HWND hWndParent) {
  HWND hWnd = hWndParent;
  if (!hWnd) {
    CWnd* pMainWnd = AfxGetMainWnd();
    hWnd = pMainWnd ? pMainWnd->m_hWnd : nullptr;
  }
  // A popup cannot be owned by a child window.
  while (hWnd && (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD)) hWnd = ::GetParent(hWnd);
  if (hWndParent || !hWnd) return hWnd;
  // The popup of the family that is active now (a modal dialog over the main window).
  HWND hWndActive = ::GetActiveWindow();
  for (HWND h = hWndActive; h; h = ::GetParent(h)) {
    if (h == hWnd) return hWndActive;
  }
  return hWnd;
}

int AFXAPI AfxShowMessageBox(HWND hWndOwner, LPCTSTR lpszText, UINT nType) {
  if ((nType & MB_ICONMASK) == 0) {
    switch (nType & MB_TYPEMASK) {
      case MB_OK:
      case MB_OKCANCEL:
        nType |= MB_ICONEXCLAMATION;
        break;
      case MB_YESNO:
      case MB_YESNOCANCEL:
        nType |= MB_ICONQUESTION;
        break;
      default:
        break;
    }
  }
  return ::MessageBox(hWndOwner, lpszText, AfxGetAppName(), nType);
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) {
  return AfxShowMessageBox(AfxGetSafeOwner(nullptr), lpszPrompt, nType);
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp) {
  CWinApp* pApp = AfxGetApp();
  return pApp ? pApp->DoMessageBox(lpszText, nType, nIDHelp)
              : AfxShowMessageBox(AfxGetSafeOwner(nullptr), lpszText, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  return AfxMessageBox(AfxLoadString(nIDPrompt), nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

// ---- resources of the application ----
HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const {
  return ::LoadCursorW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), AfxWideName(lpszResourceName));
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCE(nIDResource)); }
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const {
  return ::LoadCursorW(nullptr, AfxWideName(lpszCursorName));
}
HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const {
  return ::LoadIconW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), AfxWideName(lpszResourceName));
}
HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCE(nIDResource)); }
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIconW(nullptr, AfxWideName(lpszIconName)); }

// ---- the wait cursor ----
void CWinApp::DoWaitCursor(int nCode) {
  const int before = m_nWaitCursorCount;
  m_nWaitCursorCount = std::max(0, m_nWaitCursorCount + nCode);
  if (m_nWaitCursorCount > 0 && (before == 0 || nCode == 0)) {
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
  } else if (m_nWaitCursorCount == 0 && before > 0) {
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  }
}

namespace {

void WaitCursor(int nCode) {
  if (CWinApp* pApp = AfxGetApp()) pApp->DoWaitCursor(nCode);
}

}  // namespace

void CCmdTarget::BeginWaitCursor() { WaitCursor(1); }
void CCmdTarget::EndWaitCursor() { WaitCursor(-1); }
void CCmdTarget::RestoreWaitCursor() { WaitCursor(0); }

CWaitCursor::CWaitCursor() { WaitCursor(1); }
CWaitCursor::~CWaitCursor() { WaitCursor(-1); }
void CWaitCursor::Restore() { WaitCursor(0); }
