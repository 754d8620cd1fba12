// The entries of message maps. Each entry holds a thunk instantiated from
// the handler's member pointer: AfxHandler<Signature>::Of picks the member
// with exactly the signature the message demands (a handler of another
// signature does not compile), the thunk cracks wParam / lParam into the
// handler's arguments and turns its answer into the message result.
// Handlers may be members of the class or of a base class.
#pragma once

// ---- picking and calling handlers ----
template <class Signature>
struct AfxHandler;
template <class R, class... A>
struct AfxHandler<R(A...)> {
  template <class C>
  static constexpr auto Of(R (C::*handler)(A...)) {
    return handler;
  }
};

template <class MemberPointer>
struct AfxHandlerClass;
template <class C, class R, class... A>
struct AfxHandlerClass<R (C::*)(A...)> {
  using type = C;
};

// The target as the class that declares the handler F.
template <class ThisClass, auto F>
auto* AfxHandlerTarget(CCmdTarget* pTarget) {
  using C = typename AfxHandlerClass<decltype(F)>::type;
  static_assert(std::is_base_of_v<C, ThisClass>, "the handler must be a member of the class or of a base");
  return static_cast<C*>(pTarget);
}

// A name of a class that the graphics and control wrappers define, looked up
// when a thunk is instantiated (by then their headers are in).
template <class Late, class>
struct AfxLateType {
  using type = Late;
};

// ---- message crackers: one per handler signature ----
struct AfxCrack_v {  // void ()
  using Signature = void();
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    (AfxHandlerTarget<T, F>(p)->*F)();
    call.lResult = 0;
    return TRUE;
  }
};

struct AfxCrack_Create {  // int (LPCREATESTRUCT)
  using Signature = int(LPCREATESTRUCT);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    call.lResult = (AfxHandlerTarget<T, F>(p)->*F)(reinterpret_cast<LPCREATESTRUCT>(call.lParam));
    return TRUE;
  }
};

struct AfxCrack_Activate {  // void (UINT nState, CWnd* pWndOther, BOOL bMinimized)
  using Signature = void(UINT, CWnd*, BOOL);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    (AfxHandlerTarget<T, F>(p)->*F)(LOWORD(call.wParam), CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)),
                                    HIWORD(call.wParam));
    call.lResult = 0;
    return TRUE;
  }
};

struct AfxCrack_CtlColor {  // HBRUSH (CDC*, CWnd*, UINT nCtlColor)
  using Signature = HBRUSH(CDC*, CWnd*, UINT);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    using DC = typename AfxLateType<CDC, T>::type;
    HBRUSH brush = (AfxHandlerTarget<T, F>(p)->*F)(DC::FromHandle(reinterpret_cast<HDC>(call.wParam)),
                                                   CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)),
                                                   call.message - WM_CTLCOLORMSGBOX);
    call.lResult = reinterpret_cast<LRESULT>(brush);
    return TRUE;
  }
};

struct AfxCrack_CtlColorReflect {  // HBRUSH (CDC*, UINT nCtlColor); a null brush declines
  using Signature = HBRUSH(CDC*, UINT);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    using DC = typename AfxLateType<CDC, T>::type;
    auto* ctl = reinterpret_cast<AFX_CTLCOLOR*>(call.lParam);
    HBRUSH brush = (AfxHandlerTarget<T, F>(p)->*F)(DC::FromHandle(ctl->hDC), ctl->nCtlType);
    call.lResult = reinterpret_cast<LRESULT>(brush);
    return brush != nullptr;
  }
};

struct AfxCrack_Timer {  // void (UINT_PTR nIDEvent)
  using Signature = void(UINT_PTR);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    (AfxHandlerTarget<T, F>(p)->*F)(static_cast<UINT_PTR>(call.wParam));
    call.lResult = 0;
    return TRUE;
  }
};

struct AfxCrack_Scroll {  // void (UINT nSBCode, UINT nPos, CScrollBar*)
  using Signature = void(UINT, UINT, CScrollBar*);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    using ScrollBar = typename AfxLateType<CScrollBar, T>::type;
    (AfxHandlerTarget<T, F>(p)->*F)(LOWORD(call.wParam), HIWORD(call.wParam),
                                    AfxWndFromHandleAs<ScrollBar>(reinterpret_cast<HWND>(call.lParam)));
    call.lResult = 0;
    return TRUE;
  }
};

struct AfxCrack_EraseBkgnd {  // BOOL (CDC*)
  using Signature = BOOL(CDC*);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    using DC = typename AfxLateType<CDC, T>::type;
    call.lResult = (AfxHandlerTarget<T, F>(p)->*F)(DC::FromHandle(reinterpret_cast<HDC>(call.wParam)));
    return TRUE;
  }
};

template <class R>
struct AfxCrack_Result {  // R () for HCURSOR, UINT
  using Signature = R();
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    call.lResult = (LRESULT)((AfxHandlerTarget<T, F>(p)->*F)());
    return TRUE;
  }
};

struct AfxCrack_Size {  // void (UINT nType, int cx, int cy)
  using Signature = void(UINT, int, int);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    (AfxHandlerTarget<T, F>(p)->*F)(static_cast<UINT>(call.wParam), static_cast<short>(LOWORD(call.lParam)),
                                    static_cast<short>(HIWORD(call.lParam)));
    call.lResult = 0;
    return TRUE;
  }
};

struct AfxCrack_Move {  // void (int x, int y)
  using Signature = void(int, int);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    (AfxHandlerTarget<T, F>(p)->*F)(static_cast<short>(LOWORD(call.lParam)), static_cast<short>(HIWORD(call.lParam)));
    call.lResult = 0;
    return TRUE;
  }
};

struct AfxCrack_ShowWindow {  // void (BOOL bShow, UINT nStatus)
  using Signature = void(BOOL, UINT);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    (AfxHandlerTarget<T, F>(p)->*F)(static_cast<BOOL>(call.wParam), static_cast<UINT>(call.lParam));
    call.lResult = 0;
    return TRUE;
  }
};

struct AfxCrack_Wnd {  // void (CWnd*) from wParam (focus changes)
  using Signature = void(CWnd*);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    (AfxHandlerTarget<T, F>(p)->*F)(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)));
    call.lResult = 0;
    return TRUE;
  }
};

struct AfxCrack_Bool {  // void (BOOL)
  using Signature = void(BOOL);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    (AfxHandlerTarget<T, F>(p)->*F)(static_cast<BOOL>(call.wParam));
    call.lResult = 0;
    return TRUE;
  }
};

struct AfxCrack_Mouse {  // void (UINT nFlags, CPoint point)
  using Signature = void(UINT, CPoint);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    (AfxHandlerTarget<T, F>(p)->*F)(static_cast<UINT>(call.wParam), CPoint(call.lParam));
    call.lResult = 0;
    return TRUE;
  }
};

struct AfxCrack_Key {  // void (UINT nChar, UINT nRepCnt, UINT nFlags)
  using Signature = void(UINT, UINT, UINT);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    (AfxHandlerTarget<T, F>(p)->*F)(static_cast<UINT>(call.wParam), LOWORD(call.lParam), HIWORD(call.lParam));
    call.lResult = 0;
    return TRUE;
  }
};

struct AfxCrack_SysCommand {  // void (UINT nID, LPARAM lParam)
  using Signature = void(UINT, LPARAM);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    (AfxHandlerTarget<T, F>(p)->*F)(static_cast<UINT>(call.wParam), call.lParam);
    call.lResult = 0;
    return TRUE;
  }
};

struct AfxCrack_WindowPos {  // void (WINDOWPOS*)
  using Signature = void(WINDOWPOS*);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    (AfxHandlerTarget<T, F>(p)->*F)(reinterpret_cast<WINDOWPOS*>(call.lParam));
    call.lResult = 0;
    return TRUE;
  }
};

struct AfxCrack_Message {  // LRESULT (WPARAM, LPARAM)
  using Signature = LRESULT(WPARAM, LPARAM);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    call.lResult = (AfxHandlerTarget<T, F>(p)->*F)(call.wParam, call.lParam);
    return TRUE;
  }
};

struct AfxCrack_CmdRange {  // void (UINT nID)
  using Signature = void(UINT);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    (AfxHandlerTarget<T, F>(p)->*F)(call.nID);
    return TRUE;
  }
};

struct AfxCrack_CmdEx {  // BOOL (UINT nID): FALSE passes the command on
  using Signature = BOOL(UINT);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    return (AfxHandlerTarget<T, F>(p)->*F)(call.nID);
  }
};

struct AfxCrack_ReflectEx {  // BOOL (): FALSE lets the parent handle the notification too
  using Signature = BOOL();
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL&) {
    return (AfxHandlerTarget<T, F>(p)->*F)();
  }
};

struct AfxCrack_Notify {  // void (NMHDR*, LRESULT*)
  using Signature = void(NMHDR*, LRESULT*);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    auto* notify = static_cast<AFX_NOTIFY*>(call.pExtra);
    (AfxHandlerTarget<T, F>(p)->*F)(notify->pNMHDR, notify->pResult);
    return TRUE;
  }
};

struct AfxCrack_NotifyReflectEx {  // BOOL (NMHDR*, LRESULT*)
  using Signature = BOOL(NMHDR*, LRESULT*);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    auto* notify = static_cast<AFX_NOTIFY*>(call.pExtra);
    return (AfxHandlerTarget<T, F>(p)->*F)(notify->pNMHDR, notify->pResult);
  }
};

struct AfxCrack_NotifyRange {  // void (UINT nID, NMHDR*, LRESULT*)
  using Signature = void(UINT, NMHDR*, LRESULT*);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    auto* notify = static_cast<AFX_NOTIFY*>(call.pExtra);
    (AfxHandlerTarget<T, F>(p)->*F)(call.nID, notify->pNMHDR, notify->pResult);
    return TRUE;
  }
};

struct AfxCrack_NotifyEx {  // BOOL (UINT nID, NMHDR*, LRESULT*)
  using Signature = BOOL(UINT, NMHDR*, LRESULT*);
  template <class T, auto F>
  static BOOL Call(CCmdTarget* p, AFX_MSGCALL& call) {
    auto* notify = static_cast<AFX_NOTIFY*>(call.pExtra);
    return (AfxHandlerTarget<T, F>(p)->*F)(call.nID, notify->pNMHDR, notify->pResult);
  }
};

// One entry: message, code, id range, and the thunk for memberFxn cracked by Cracker.
#define AFX_MSG_ENTRY(message, code, id, lastId, Cracker, memberFxn)                                     \
  {static_cast<UINT>(message), static_cast<UINT>(static_cast<WORD>(code)), static_cast<UINT>(id),        \
   static_cast<UINT>(lastId),                                                                            \
   &Cracker::template Call<ThisClass, AfxHandler<Cracker::Signature>::Of(memberFxn)>},

// ---- window messages ----
#define AFX_ON_WM(message, Cracker, handler) AFX_MSG_ENTRY(message, 0, 0, 0, Cracker, &ThisClass::handler)
#define ON_WM_CREATE() AFX_ON_WM(WM_CREATE, AfxCrack_Create, OnCreate)
#define ON_WM_DESTROY() AFX_ON_WM(WM_DESTROY, AfxCrack_v, OnDestroy)
#define ON_WM_NCDESTROY() AFX_ON_WM(WM_NCDESTROY, AfxCrack_v, OnNcDestroy)
#define ON_WM_CLOSE() AFX_ON_WM(WM_CLOSE, AfxCrack_v, OnClose)
#define ON_WM_ACTIVATE() AFX_ON_WM(WM_ACTIVATE, AfxCrack_Activate, OnActivate)
#define ON_WM_CTLCOLOR() AFX_ON_WM(WM_CTLCOLOR, AfxCrack_CtlColor, OnCtlColor)
#define ON_WM_TIMER() AFX_ON_WM(WM_TIMER, AfxCrack_Timer, OnTimer)
#define ON_WM_HSCROLL() AFX_ON_WM(WM_HSCROLL, AfxCrack_Scroll, OnHScroll)
#define ON_WM_VSCROLL() AFX_ON_WM(WM_VSCROLL, AfxCrack_Scroll, OnVScroll)
#define ON_WM_PAINT() AFX_ON_WM(WM_PAINT, AfxCrack_v, OnPaint)
#define ON_WM_ERASEBKGND() AFX_ON_WM(WM_ERASEBKGND, AfxCrack_EraseBkgnd, OnEraseBkgnd)
#define ON_WM_QUERYDRAGICON() AFX_ON_WM(WM_QUERYDRAGICON, AfxCrack_Result<HCURSOR>, OnQueryDragIcon)
#define ON_WM_SIZE() AFX_ON_WM(WM_SIZE, AfxCrack_Size, OnSize)
#define ON_WM_MOVE() AFX_ON_WM(WM_MOVE, AfxCrack_Move, OnMove)
#define ON_WM_SHOWWINDOW() AFX_ON_WM(WM_SHOWWINDOW, AfxCrack_ShowWindow, OnShowWindow)
#define ON_WM_SETFOCUS() AFX_ON_WM(WM_SETFOCUS, AfxCrack_Wnd, OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_ON_WM(WM_KILLFOCUS, AfxCrack_Wnd, OnKillFocus)
#define ON_WM_ENABLE() AFX_ON_WM(WM_ENABLE, AfxCrack_Bool, OnEnable)
#define ON_WM_LBUTTONDOWN() AFX_ON_WM(WM_LBUTTONDOWN, AfxCrack_Mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_WM(WM_LBUTTONUP, AfxCrack_Mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_ON_WM(WM_LBUTTONDBLCLK, AfxCrack_Mouse, OnLButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_ON_WM(WM_MOUSEMOVE, AfxCrack_Mouse, OnMouseMove)
#define ON_WM_KEYDOWN() AFX_ON_WM(WM_KEYDOWN, AfxCrack_Key, OnKeyDown)
#define ON_WM_KEYUP() AFX_ON_WM(WM_KEYUP, AfxCrack_Key, OnKeyUp)
#define ON_WM_CHAR() AFX_ON_WM(WM_CHAR, AfxCrack_Key, OnChar)
#define ON_WM_GETDLGCODE() AFX_ON_WM(WM_GETDLGCODE, AfxCrack_Result<UINT>, OnGetDlgCode)
#define ON_WM_SYSCOMMAND() AFX_ON_WM(WM_SYSCOMMAND, AfxCrack_SysCommand, OnSysCommand)
#define ON_WM_WINDOWPOSCHANGED() AFX_ON_WM(WM_WINDOWPOSCHANGED, AfxCrack_WindowPos, OnWindowPosChanged)
#define ON_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, 0, 0, 0, AfxCrack_Message, memberFxn)

// ---- commands and control notifications ----
#define ON_COMMAND(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxCrack_v, memberFxn)
#define ON_COMMAND_EX(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxCrack_CmdEx, memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
  AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, AfxCrack_CmdRange, memberFxn)
#define ON_CONTROL(wNotifyCode, id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, wNotifyCode, id, id, AfxCrack_v, memberFxn)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
  AFX_MSG_ENTRY(WM_COMMAND, wNotifyCode, id, idLast, AfxCrack_CmdRange, memberFxn)
#define ON_NOTIFY(wNotifyCode, id, memberFxn) AFX_MSG_ENTRY(WM_NOTIFY, wNotifyCode, id, id, AfxCrack_Notify, memberFxn)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
  AFX_MSG_ENTRY(WM_NOTIFY, wNotifyCode, id, idLast, AfxCrack_NotifyRange, memberFxn)
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
  AFX_MSG_ENTRY(WM_NOTIFY, wNotifyCode, id, id, AfxCrack_NotifyEx, memberFxn)

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// ---- notifications reflected to the control that sent them ----
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
  AFX_MSG_ENTRY(WM_COMMAND + WM_REFLECT_BASE, wNotifyCode, 0, 0, AfxCrack_v, memberFxn)
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
  AFX_MSG_ENTRY(WM_COMMAND + WM_REFLECT_BASE, wNotifyCode, 0, 0, AfxCrack_ReflectEx, memberFxn)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
  AFX_MSG_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, wNotifyCode, 0, 0, AfxCrack_Notify, memberFxn)
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
  AFX_MSG_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, wNotifyCode, 0, 0, AfxCrack_NotifyReflectEx, memberFxn)
#define ON_WM_CTLCOLOR_REFLECT() \
  AFX_MSG_ENTRY(WM_CTLCOLOR + WM_REFLECT_BASE, 0, 0, 0, AfxCrack_CtlColorReflect, &ThisClass::CtlColor)
