// The message pump: CWinThread's loop with idle processing, the
// pre-translation walk from a message's window up to the main window, and
// AfxPumpMessage for threads without a thread object.
#include <afxpriv.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread() : m_nThreadID(::GetCurrentThreadId()) {}

CWinThread::~CWinThread() = default;

CWnd* CWinThread::GetMainWnd() { return m_pMainWnd; }

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return static_cast<int>(AfxGetCurrentMessage()->wParam); }

int CWinThread::Run() {
  MSG* pMsg = AfxGetCurrentMessage();
  bool idle = true;
  LONG idleCount = 0;
  for (;;) {
    while (idle && !::PeekMessage(pMsg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(idleCount++)) idle = false;
    }
    do {
      if (!PumpMessage()) return ExitInstance();
      if (IsIdleMessage(pMsg)) {
        idle = true;
        idleCount = 0;
      }
    } while (::PeekMessage(pMsg, nullptr, 0, 0, PM_NOREMOVE));
  }
}

namespace {

// The walk from the message's window to the main window; for a window
// outside the main window's family, the main window's own filter last.
BOOL PreTranslateForMainWindow(CWnd* pMainWnd, MSG* pMsg) {
  HWND hWndMain = pMainWnd ? pMainWnd->m_hWnd : nullptr;
  if (CWnd::WalkPreTranslateTree(hWndMain, pMsg)) return TRUE;
  if (pMainWnd && pMsg->hwnd) {
    CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
    if (pWnd->GetTopLevelParent() != pMainWnd) return pMainWnd->PreTranslateMessage(pMsg);
  }
  return FALSE;
}

}  // namespace

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) { return PreTranslateForMainWindow(GetMainWnd(), pMsg); }

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg) {
  CWinThread* pThread = AfxGetThread();
  return pThread ? pThread->PreTranslateMessage(pMsg) : PreTranslateForMainWindow(nullptr, pMsg);
}

namespace {

BOOL PumpOneMessage() {
  MSG* pMsg = AfxGetCurrentMessage();
  if (!::GetMessage(pMsg, nullptr, 0, 0)) return FALSE;
  if (pMsg->message != WM_KICKIDLE && !AfxPreTranslateMessage(pMsg)) {
    ::TranslateMessage(pMsg);
    ::DispatchMessage(pMsg);
  }
  return TRUE;
}

}  // namespace

BOOL CWinThread::PumpMessage() { return PumpOneMessage(); }

BOOL AFXAPI AfxPumpMessage() {
  CWinThread* pThread = AfxGetThread();
  return pThread ? pThread->PumpMessage() : PumpOneMessage();
}

BOOL CWinThread::OnIdle(LONG lCount) {
  if (lCount > 0) AfxDeleteTempMaps();
  return lCount < 0;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
  // Timer ticks and the pump's own wake-ups do not make a new idle period.
  return pMsg->message != WM_TIMER && pMsg->message != WM_KICKIDLE && pMsg->message != WM_NULL;
}

MSG* AFXAPI AfxGetCurrentMessage() { return &AfxGetThreadState()->msgCur; }

void AFXAPI AfxPostQuitMessage(int nExitCode) { ::PostQuitMessage(nExitCode); }

void AFXAPI AfxDeleteTempMaps() {
  CWnd::DeleteTempMap();
  CDC::DeleteTempMap();
  CGdiObject::DeleteTempMap();
}
