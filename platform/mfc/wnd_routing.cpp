// Message routing: message maps of command targets (search along the chain
// of base maps), CWnd::WindowProc -> OnWndMsg -> OnCommand / OnNotify ->
// OnCmdMsg, DefWindowProc and Default to the super procedure, reflection of
// notifications to the controls that sent them, the default handlers, and
// the pre-translation walk of the message pump.
#include <afxpriv.h>

// ---- command targets ----
IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

namespace {

bool Matches(const AFX_MSGMAP_ENTRY& entry, UINT nMessage, UINT nCode, UINT nID) {
  return entry.nMessage == nMessage && entry.nCode == nCode && nID >= entry.nID && nID <= entry.nLastID;
}

// Calls the handlers for (message, code, id) along the chain until one takes the call.
BOOL DispatchToMap(CCmdTarget* pTarget, const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID,
                   AFX_MSGCALL& call) {
  for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = pMap->lpEntries; entry->pfn; ++entry) {
      if (Matches(*entry, nMessage, nCode, nID) && entry->pfn(pTarget, call)) return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

const AFX_MSGMAP_ENTRY* PASCAL CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                                            UINT nID) {
  for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = pMap->lpEntries; entry->pfn; ++entry) {
      if (Matches(*entry, nMessage, nCode, nID)) return entry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (static_cast<UINT>(nCode) == CN_UPDATE_COMMAND_UI) return FALSE;  // no command user interface here
  const UINT nMessage = HIWORD(nCode) ? HIWORD(nCode) : WM_COMMAND;
  const UINT code = LOWORD(nCode);
  if (pHandlerInfo) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(GetMessageMap(), nMessage, code, nID);
    if (!entry) return FALSE;
    pHandlerInfo->pTarget = this;
    pHandlerInfo->pfn = entry->pfn;
    return TRUE;
  }
  AFX_MSGCALL call{nMessage, 0, 0, nID, pExtra, 0};
  return DispatchToMap(this, GetMessageMap(), nMessage, code, nID, call);
}

// ---- window messages ----
LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC super = *GetSuperWndProcAddr();
  if (super) return ::CallWindowProc(super, m_hWnd, message, wParam, lParam);
  return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG& msg = AfxGetThreadState()->lastSentMsg;
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage() {
  MSG& msg = AfxGetThreadState()->lastSentMsg;
  msg.time = static_cast<DWORD>(::GetMessageTime());
  const DWORD position = ::GetMessagePos();
  msg.pt = POINT{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  return &msg;
}

namespace {

bool IsCtlColorMessage(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

}  // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT result = 0;
  BOOL handled = FALSE;
  if (message == WM_COMMAND) {
    handled = OnCommand(wParam, lParam);
    result = handled;
  } else if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<NMHDR*>(lParam);
    handled = header && header->hwndFrom && OnNotify(wParam, lParam, &result);
  } else {
    // Every WM_CTLCOLOR* goes to the one ON_WM_CTLCOLOR entry.
    const UINT lookup = IsCtlColorMessage(message) ? WM_CTLCOLOR : message;
    AFX_MSGCALL call{message, wParam, lParam, 0, nullptr, 0};
    handled = DispatchToMap(this, GetMessageMap(), lookup, 0, 0, call);
    result = call.lResult;
  }
  // The handler may have destroyed (and deleted) this object: only the caller's result is touched.
  if (handled && pResult) *pResult = result;
  return handled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT nID = LOWORD(wParam);
  const auto hWndCtrl = reinterpret_cast<HWND>(lParam);
  int nCode = HIWORD(wParam);
  if (!hWndCtrl) {
    if (nID == 0) return FALSE;
    nCode = CN_COMMAND;
  } else {
    if (AfxGetThreadState()->hLockoutNotifyWindow == m_hWnd) return TRUE;  // UpdateData is under way
    if (ReflectLastMsg(hWndCtrl)) return TRUE;                              // the control took it
    if (nID == 0) return FALSE;
  }
  return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  const UINT nID = static_cast<WORD>(::GetDlgCtrlID(header->hwndFrom));
  const int nCode = static_cast<int>(header->code);
  if (AfxGetThreadState()->hLockoutNotifyWindow == m_hWnd) return TRUE;
  if (ReflectLastMsg(header->hwndFrom, pResult)) return TRUE;
  AFX_NOTIFY notify{pResult, header};
  return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, nullptr);
}

// ---- reflection ----
BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
  CWnd* pWnd = FromHandlePermanent(hWndChild);
  return pWnd && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
  const MSG& msg = AfxGetThreadState()->lastSentMsg;
  return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT ignored = 0;
  if (!pResult) pResult = &ignored;
  if (message == WM_COMMAND) {
    if (!CCmdTarget::OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr)) {
      return FALSE;
    }
    *pResult = 1;
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    AFX_NOTIFY notify{pResult, header};
    return CCmdTarget::OnCmdMsg(0, MAKELONG(static_cast<int>(header->code), WM_REFLECT_BASE + WM_NOTIFY), &notify,
                                nullptr);
  }
  if (IsCtlColorMessage(message)) {
    AFX_CTLCOLOR ctl{m_hWnd, reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX};
    return CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl), pResult);
  }
  if (message == WM_HSCROLL || message == WM_VSCROLL) {
    return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
  }
  return FALSE;
}

// ---- the map of CWnd and its default handlers ----
BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_WM_CTLCOLOR()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_NCDESTROY()
END_MESSAGE_MAP()

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT) {
  LRESULT result = 0;
  if (pWnd && pWnd != this && pWnd->SendChildNotifyLastMsg(&result)) return reinterpret_cast<HBRUSH>(result);
  return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar) {
  CWnd* pControl = pScrollBar;
  if (!pControl || !pControl->SendChildNotifyLastMsg()) Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar) {
  CWnd* pControl = pScrollBar;
  if (!pControl || !pControl->SendChildNotifyLastMsg()) Default();
}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }

// ---- pre-translation ----
BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
    if (CWnd* pWnd = FromHandlePermanent(hWnd); pWnd && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hWnd == hWndStop) break;
  }
  return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg) {
  const UINT message = lpMsg->message;
  const bool input = (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
                     (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
  return input && IsDialogMessage(lpMsg);
}

BOOL CWnd::IsDialogMessage(LPMSG lpMsg) { return ::IsDialogMessage(m_hWnd, lpMsg); }
