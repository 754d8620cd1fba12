// Dialogs: CDialog made from templates (modeless with Create, modal with
// DoModal), the dialog procedure that brings WM_INITDIALOG to OnInitDialog,
// the modal loop of CWnd, UpdateData, and the dialog's keyboard interface
// through IsDialogMessage.
//
// A dialog's window procedure chain: AfxWndProc (which the creation hook
// installs) -> CWnd::DefWindowProc -> the class procedure DefDlgProc ->
// AfxDlgProc. DoModal runs the library's own loop (RunModalLoop) with the
// owner disabled, not the window system's DialogBox loop.
#include <afxpriv.h>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
  return pDlg ? pDlg->OnInitDialog() : TRUE;
}

// ---- the modal loop ----
int CWnd::RunModalLoop(DWORD dwFlags) {
  bool idle = true;
  LONG idleCount = 0;
  bool showOnIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
  HWND hWndParent = ::GetParent(m_hWnd);
  m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
  MSG* pMsg = AfxGetCurrentMessage();
  const auto show = [&] {
    ShowWindow(SW_SHOWNORMAL);
    UpdateWindow();
    showOnIdle = false;
  };
  for (;;) {
    // Idle time: show the dialog, tell the parent, give the dialog its idle messages.
    while (idle && !::PeekMessage(pMsg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (showOnIdle) show();
      if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent && idleCount == 0) {
        ::SendMessage(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
      }
      if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, idleCount++)) idle = false;
    }
    // Messages while there are any.
    do {
      if (!AfxPumpMessage()) {
        AfxPostQuitMessage(0);
        m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
        return -1;
      }
      if (showOnIdle && pMsg->message == WM_SYSKEYDOWN) show();
      if (!ContinueModal()) {
        m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
        return m_nModalResult;
      }
      CWinThread* pThread = AfxGetThread();
      if (pThread ? pThread->IsIdleMessage(pMsg) : pMsg->message != WM_TIMER) {
        idle = true;
        idleCount = 0;
      }
    } while (::PeekMessage(pMsg, nullptr, 0, 0, PM_NOREMOVE));
  }
}

BOOL CWnd::ContinueModal() { return (m_nFlags & WF_CONTINUEMODAL) != 0; }

void CWnd::EndModalLoop(int nResult) {
  m_nModalResult = nResult;
  if (m_nFlags & WF_CONTINUEMODAL) {
    m_nFlags &= ~WF_CONTINUEMODAL;
    PostMessage(WM_NULL);
  }
}

// ---- dialog data ----
BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  AFX_THREAD_STATE* state = AfxGetThreadState();
  CDataExchange dx(this, bSaveAndValidate);
  const HWND previousLockout = state->hLockoutNotifyWindow;
  state->hLockoutNotifyWindow = m_hWnd;  // no notifications while the controls are filled
  BOOL ok = FALSE;
  try {
    DoDataExchange(&dx);
    ok = TRUE;
  } catch (CUserException* e) {
    e->Delete();  // Fail() has told the user and put the focus on the control
  } catch (CException* e) {
    e->ReportError(MB_ICONEXCLAMATION);  // a control that is not there, or no memory
    e->Delete();
  }
  state->hLockoutNotifyWindow = previousLockout;
  return ok;
}

void CWnd::DoDataExchange(CDataExchange*) {}

// ---- creation from templates ----
BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst) {
  if (!lpDialogTemplate || m_hWnd) return FALSE;
  if (!hInst) hInst = AfxGetResourceHandle();
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateDialogIndirectParam(hInst, lpDialogTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                                          &AfxDlgProc, 0);
  AfxUnhookWindowCreate();
  if (!hWnd && m_hWnd && !::IsWindow(m_hWnd)) Detach();
  return hWnd != nullptr;
}

CDialog::CDialog() = default;

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {
  if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = LOWORD(reinterpret_cast<UINT_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

namespace {

// The template's bytes from the module of the resource chain that has it; null when none has.
LPCDLGTEMPLATE LoadDialogTemplate(LPCTSTR lpszTemplateName, HINSTANCE* phInst) {
  if (!lpszTemplateName) return nullptr;
  HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
  HRSRC hResource = ::FindResource(hInst, lpszTemplateName, RT_DIALOG);
  HGLOBAL hTemplate = hResource ? ::LoadResource(hInst, hResource) : nullptr;
  *phInst = hInst;
  return hTemplate ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

}  // namespace

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
  m_lpszTemplateName = lpszTemplateName;
  if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0) {
    m_nIDHelp = LOWORD(reinterpret_cast<UINT_PTR>(lpszTemplateName));
  }
  HINSTANCE hInst = nullptr;
  LPCDLGTEMPLATE lpTemplate = LoadDialogTemplate(lpszTemplateName, &hInst);
  if (!lpTemplate) return FALSE;
  m_pParentWnd = pParentWnd ? pParentWnd : AfxGetMainWnd();
  return CreateDlgIndirect(lpTemplate, m_pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd); }

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit) {
  m_lpDialogInit = lpDialogInit;
  m_pParentWnd = pParentWnd ? pParentWnd : AfxGetMainWnd();
  return CreateDlgIndirect(lpDialogTemplate, m_pParentWnd, nullptr);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd) {
  auto lpTemplate = static_cast<LPCDLGTEMPLATE>(::LockResource(hDialogTemplate));
  return lpTemplate && CreateIndirect(lpTemplate, pParentWnd);
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit) {
  m_lpDialogTemplate = lpDialogTemplate;
  m_pParentWnd = pParentWnd;
  m_lpDialogInit = lpDialogInit;
  return lpDialogTemplate != nullptr;
}

// ---- modal dialogs ----
HWND CDialog::PreModal() {
  AfxUnhookWindowCreate();
  HWND hWnd = AfxGetSafeOwner(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
  m_hWndTop = hWnd;
  return hWnd;
}

void CDialog::PostModal() {
  AfxUnhookWindowCreate();
  m_hWndTop = nullptr;
}

INT_PTR CDialog::DoModal() {
  HINSTANCE hInst = AfxGetResourceHandle();
  LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
  if (m_lpszTemplateName) lpTemplate = LoadDialogTemplate(m_lpszTemplateName, &hInst);
  if (!lpTemplate) return -1;

  HWND hWndParent = PreModal();
  const bool enableParent = hWndParent && ::IsWindowEnabled(hWndParent);
  if (enableParent) ::EnableWindow(hWndParent, FALSE);

  m_nModalResult = -1;
  m_nFlags |= WF_CONTINUEMODAL;
  if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst)) {
    if (m_nFlags & WF_CONTINUEMODAL) {
      const DWORD flags = MLF_SHOWONIDLE | ((GetStyle() & DS_NOIDLEMSG) ? MLF_NOIDLEMSG : 0);
      RunModalLoop(flags);
    }
    if (m_hWnd) {
      SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
  }
  m_nFlags &= ~WF_CONTINUEMODAL;

  if (enableParent) ::EnableWindow(hWndParent, TRUE);
  if (hWndParent && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndParent);
  DestroyWindow();
  PostModal();
  return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
  if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) EndModalLoop(nResult);
  ::EndDialog(m_hWnd, nResult);
}

// ---- overridables ----
BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnSetFont(CFont*) {}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;  // the data were refused: the dialog stays
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  return PreTranslateInput(pMsg);
}

// ---- helpers ----
void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

void CDialog::NextDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0); }

void CDialog::PrevDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  if (pWndCtrl) SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

void CDialog::SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }

DWORD CDialog::GetDefID() const { return static_cast<DWORD>(::SendMessage(m_hWnd, DM_GETDEFID, 0, 0)); }
