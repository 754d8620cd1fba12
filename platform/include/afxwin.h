// The windowing core of the class library: geometry (CPoint, CSize, CRect),
// command targets with message maps, CWnd and its handle maps, CDialog and
// dialog data exchange, the application and its message pump, wait cursors,
// message boxes, the resource handle and extension modules.
//
// Message maps (afxmsg_.h) dispatch through a thunk per entry, instantiated
// from the handler's member pointer with the signature the message demands:
// a handler of the wrong signature does not compile. A handler name must not
// be overloaded with another of the same signature.
//
// Handle maps are per thread, as the windows are: FromHandle gives the
// permanent object of a window, else a temporary CWnd that lives until the
// thread's next idle time (CWinThread::OnIdle with a count of 1 or more),
// when the graphics wrappers' temporary objects go too.
//
// A CWnd* that may be null must not be called: GetSafeHwnd needs an object.
#pragma once
#include "afx.h"

#include <type_traits>

// ---- geometry ----
class CSize;
class CRect;

class CPoint : public tagPOINT {
 public:
  CPoint() noexcept { x = y = 0; }
  CPoint(int initX, int initY) noexcept { x = initX, y = initY; }
  CPoint(POINT initPt) noexcept { x = initPt.x, y = initPt.y; }
  CPoint(SIZE initSize) noexcept { x = initSize.cx, y = initSize.cy; }
  explicit CPoint(LPARAM dwPoint) noexcept { x = GET_X_LPARAM(dwPoint), y = GET_Y_LPARAM(dwPoint); }

  void Offset(int xOffset, int yOffset) noexcept { x += xOffset, y += yOffset; }
  void Offset(POINT point) noexcept { Offset(point.x, point.y); }
  void Offset(SIZE size) noexcept { Offset(size.cx, size.cy); }
  void SetPoint(int X, int Y) noexcept { x = X, y = Y; }

  BOOL operator==(POINT point) const noexcept { return x == point.x && y == point.y; }
  BOOL operator!=(POINT point) const noexcept { return !(*this == point); }
  void operator+=(SIZE size) noexcept { Offset(size); }
  void operator-=(SIZE size) noexcept { Offset(-size.cx, -size.cy); }
  void operator+=(POINT point) noexcept { Offset(point); }
  void operator-=(POINT point) noexcept { Offset(-point.x, -point.y); }

  CPoint operator+(SIZE size) const noexcept { return CPoint(x + size.cx, y + size.cy); }
  CPoint operator-(SIZE size) const noexcept { return CPoint(x - size.cx, y - size.cy); }
  CPoint operator-() const noexcept { return CPoint(-x, -y); }
  CPoint operator+(POINT point) const noexcept { return CPoint(x + point.x, y + point.y); }
  inline CSize operator-(POINT point) const noexcept;
  inline CRect operator+(const RECT* lpRect) const noexcept;
  inline CRect operator-(const RECT* lpRect) const noexcept;
};

class CSize : public tagSIZE {
 public:
  CSize() noexcept { cx = cy = 0; }
  CSize(int initCX, int initCY) noexcept { cx = initCX, cy = initCY; }
  CSize(SIZE initSize) noexcept { cx = initSize.cx, cy = initSize.cy; }
  CSize(POINT initPt) noexcept { cx = initPt.x, cy = initPt.y; }
  explicit CSize(DWORD dwSize) noexcept { cx = static_cast<short>(LOWORD(dwSize)), cy = static_cast<short>(HIWORD(dwSize)); }

  BOOL operator==(SIZE size) const noexcept { return cx == size.cx && cy == size.cy; }
  BOOL operator!=(SIZE size) const noexcept { return !(*this == size); }
  void operator+=(SIZE size) noexcept { cx += size.cx, cy += size.cy; }
  void operator-=(SIZE size) noexcept { cx -= size.cx, cy -= size.cy; }
  void SetSize(int CX, int CY) noexcept { cx = CX, cy = CY; }

  CSize operator+(SIZE size) const noexcept { return CSize(cx + size.cx, cy + size.cy); }
  CSize operator-(SIZE size) const noexcept { return CSize(cx - size.cx, cy - size.cy); }
  CSize operator-() const noexcept { return CSize(-cx, -cy); }
  CPoint operator+(POINT point) const noexcept { return CPoint(cx + point.x, cy + point.y); }
  CPoint operator-(POINT point) const noexcept { return CPoint(cx - point.x, cy - point.y); }
  inline CRect operator+(const RECT* lpRect) const noexcept;
  inline CRect operator-(const RECT* lpRect) const noexcept;
};

class CRect : public tagRECT {
 public:
  CRect() noexcept { left = top = right = bottom = 0; }
  CRect(int l, int t, int r, int b) noexcept { SetRect(l, t, r, b); }
  CRect(const RECT& srcRect) noexcept { CopyRect(&srcRect); }
  CRect(LPCRECT lpSrcRect) noexcept { CopyRect(lpSrcRect); }
  CRect(POINT point, SIZE size) noexcept { SetRect(point.x, point.y, point.x + size.cx, point.y + size.cy); }
  CRect(POINT topLeft, POINT bottomRight) noexcept { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }

  int Width() const noexcept { return right - left; }
  int Height() const noexcept { return bottom - top; }
  CSize Size() const noexcept { return CSize(Width(), Height()); }
  CPoint& TopLeft() noexcept { return *reinterpret_cast<CPoint*>(&left); }
  CPoint& BottomRight() noexcept { return *reinterpret_cast<CPoint*>(&right); }
  const CPoint& TopLeft() const noexcept { return *reinterpret_cast<const CPoint*>(&left); }
  const CPoint& BottomRight() const noexcept { return *reinterpret_cast<const CPoint*>(&right); }
  CPoint CenterPoint() const noexcept { return CPoint((left + right) / 2, (top + bottom) / 2); }
  void SwapLeftRight() noexcept { SwapLeftRight(this); }
  static void SwapLeftRight(LPRECT lpRect) noexcept {
    LONG temp = lpRect->left;
    lpRect->left = lpRect->right;
    lpRect->right = temp;
  }

  operator LPRECT() noexcept { return this; }
  operator LPCRECT() const noexcept { return this; }

  BOOL IsRectEmpty() const noexcept { return left >= right || top >= bottom; }
  BOOL IsRectNull() const noexcept { return left == 0 && right == 0 && top == 0 && bottom == 0; }
  BOOL PtInRect(POINT point) const noexcept {
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
  }

  void SetRect(int x1, int y1, int x2, int y2) noexcept { left = x1, top = y1, right = x2, bottom = y2; }
  void SetRect(POINT topLeft, POINT bottomRight) noexcept { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }
  void SetRectEmpty() noexcept { SetRect(0, 0, 0, 0); }
  void CopyRect(LPCRECT lpSrcRect) noexcept { SetRect(lpSrcRect->left, lpSrcRect->top, lpSrcRect->right, lpSrcRect->bottom); }
  BOOL EqualRect(LPCRECT lpRect) const noexcept {
    return left == lpRect->left && top == lpRect->top && right == lpRect->right && bottom == lpRect->bottom;
  }

  void InflateRect(int x, int y) noexcept { InflateRect(x, y, x, y); }
  void InflateRect(SIZE size) noexcept { InflateRect(size.cx, size.cy); }
  void InflateRect(LPCRECT lpRect) noexcept { InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
  void InflateRect(int l, int t, int r, int b) noexcept { left -= l, top -= t, right += r, bottom += b; }
  void DeflateRect(int x, int y) noexcept { InflateRect(-x, -y); }
  void DeflateRect(SIZE size) noexcept { InflateRect(-size.cx, -size.cy); }
  void DeflateRect(LPCRECT lpRect) noexcept { InflateRect(-lpRect->left, -lpRect->top, -lpRect->right, -lpRect->bottom); }
  void DeflateRect(int l, int t, int r, int b) noexcept { InflateRect(-l, -t, -r, -b); }

  void OffsetRect(int x, int y) noexcept { left += x, right += x, top += y, bottom += y; }
  void OffsetRect(SIZE size) noexcept { OffsetRect(size.cx, size.cy); }
  void OffsetRect(POINT point) noexcept { OffsetRect(point.x, point.y); }
  void MoveToY(int y) noexcept { bottom = Height() + y, top = y; }
  void MoveToX(int x) noexcept { right = Width() + x, left = x; }
  void MoveToXY(int x, int y) noexcept { MoveToX(x), MoveToY(y); }
  void MoveToXY(POINT point) noexcept { MoveToXY(point.x, point.y); }
  void NormalizeRect() noexcept;

  // The overlap (empty when none), the bounding rectangle, of two rectangles.
  BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept;
  BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept;

  void operator=(const RECT& srcRect) noexcept { CopyRect(&srcRect); }
  BOOL operator==(const RECT& rect) const noexcept { return EqualRect(&rect); }
  BOOL operator!=(const RECT& rect) const noexcept { return !EqualRect(&rect); }
  void operator+=(POINT point) noexcept { OffsetRect(point); }
  void operator+=(SIZE size) noexcept { OffsetRect(size); }
  void operator+=(LPCRECT lpRect) noexcept { InflateRect(lpRect); }
  void operator-=(POINT point) noexcept { OffsetRect(-point.x, -point.y); }
  void operator-=(SIZE size) noexcept { OffsetRect(-size.cx, -size.cy); }
  void operator-=(LPCRECT lpRect) noexcept { DeflateRect(lpRect); }
  void operator&=(const RECT& rect) noexcept { IntersectRect(this, &rect); }
  void operator|=(const RECT& rect) noexcept { UnionRect(this, &rect); }

  CRect operator+(POINT pt) const noexcept { return Offset(pt.x, pt.y); }
  CRect operator-(POINT pt) const noexcept { return Offset(-pt.x, -pt.y); }
  CRect operator+(SIZE size) const noexcept { return Offset(size.cx, size.cy); }
  CRect operator-(SIZE size) const noexcept { return Offset(-size.cx, -size.cy); }
  CRect operator+(LPCRECT lpRect) const noexcept {
    CRect rect(*this);
    rect.InflateRect(lpRect);
    return rect;
  }
  CRect operator-(LPCRECT lpRect) const noexcept {
    CRect rect(*this);
    rect.DeflateRect(lpRect);
    return rect;
  }
  CRect operator&(const RECT& rect2) const noexcept {
    CRect rect;
    rect.IntersectRect(this, &rect2);
    return rect;
  }
  CRect operator|(const RECT& rect2) const noexcept {
    CRect rect;
    rect.UnionRect(this, &rect2);
    return rect;
  }

 private:
  CRect Offset(int x, int y) const noexcept {
    CRect rect(*this);
    rect.OffsetRect(x, y);
    return rect;
  }
};

inline CSize CPoint::operator-(POINT point) const noexcept { return CSize(x - point.x, y - point.y); }
inline CRect CPoint::operator+(const RECT* lpRect) const noexcept { return CRect(lpRect) + *this; }
inline CRect CPoint::operator-(const RECT* lpRect) const noexcept { return CRect(lpRect) - *this; }
inline CRect CSize::operator+(const RECT* lpRect) const noexcept { return CRect(lpRect) + *this; }
inline CRect CSize::operator-(const RECT* lpRect) const noexcept { return CRect(lpRect) - *this; }

// ---- classes defined by the graphics and control wrappers ----
class CDC;
class CClientDC;
class CPaintDC;
class CGdiObject;
class CBrush;
class CPen;
class CFont;
class CBitmap;
class CRgn;
class CMenu;
class CScrollBar;

class CCmdTarget;
class CWnd;
class CDialog;
class CWinThread;
class CWinApp;
class CDataExchange;
struct CCreateContext;

// ---- messages of the class library ----
#define WM_CTLCOLOR 0x0019
#define WM_REFLECT_BASE 0xBC00
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_KICKIDLE 0x036A
#define MSGF_DIALOGBOX 0
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// RunModalLoop flags.
#define MLF_NOIDLEMSG 0x0001
#define MLF_NOKICKIDLE 0x0002
#define MLF_SHOWONIDLE 0x0004

// CWnd::m_nFlags.
#define WF_TOOLTIPS 0x0001
#define WF_TEMPHIDE 0x0002
#define WF_STAYDISABLED 0x0004
#define WF_MODALLOOP 0x0008
#define WF_CONTINUEMODAL 0x0010
#define WF_OLECTLCONTAINER 0x0100

// ---- message maps ----
// One dispatch of a message or command to a handler.
struct AFX_MSGCALL {
  UINT message;      // the message as sent (WM_CTLCOLORBTN ...; WM_COMMAND / WM_NOTIFY for commands)
  WPARAM wParam;
  LPARAM lParam;
  UINT nID;          // commands and notifications: the control id
  void* pExtra;      // notifications: the AFX_NOTIFY
  LRESULT lResult;   // what the handler answered
};
// Calls the entry's handler on the target; FALSE when the handler declined (the _EX entries).
typedef BOOL (*AFX_PMSGTHUNK)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // window message, WM_COMMAND, WM_NOTIFY, or one of them + WM_REFLECT_BASE
  UINT nCode;     // control notification code (16 bits)
  UINT nID;       // first control id
  UINT nLastID;   // last control id of a range
  AFX_PMSGTHUNK pfn;  // null ends the map
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget;
  AFX_PMSGTHUNK pfn;
};

// What a reflected WM_CTLCOLOR* carries to the control.
struct AFX_CTLCOLOR {
  HWND hWnd;
  HDC hDC;
  UINT nCtlType;
};

#define DECLARE_MESSAGE_MAP()                           \
 protected:                                             \
  static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                         \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                           \
    using ThisClass [[maybe_unused]] = theClass;                                       \
    using TheBaseClass = baseClass;                                                    \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                \
  {0, 0, 0, 0, nullptr}                                                                  \
  }                                                                                      \
  ;                                                                                      \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                                    \
  }

// ---- command targets ----
class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)
 public:
  CCmdTarget() = default;

  // Looks the command up in the map chain (nCode: the notification code, or
  // MAKELONG(code, WM_NOTIFY) with pExtra the AFX_NOTIFY); with pHandlerInfo
  // only reports the handler found.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

  void BeginWaitCursor();
  void EndWaitCursor();
  void RestoreWaitCursor();

  // The first entry of the map chain for (message, code, id), or null.
  static const AFX_MSGMAP_ENTRY* PASCAL FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                                         UINT nID);

 protected:
  static const AFX_MSGMAP* PASCAL GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};

// ---- windows ----
class CWnd : public CCmdTarget {
  DECLARE_DYNCREATE(CWnd)
 public:
  HWND m_hWnd = nullptr;

  static const CWnd wndTop;
  static const CWnd wndBottom;
  static const CWnd wndTopMost;
  static const CWnd wndNoTopMost;

  CWnd();
  ~CWnd() override;

  operator HWND() const { return m_hWnd; }
  HWND GetSafeHwnd() const { return m_hWnd; }
  BOOL operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
  BOOL operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

  // ---- handle maps ----
  static CWnd* PASCAL FromHandle(HWND hWnd);
  static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
  static void PASCAL DeleteTempMap();
  BOOL Attach(HWND hWndNew);
  HWND Detach();
  // Keeps a temporary object of a derived class for hWnd until idle time.
  static void PASCAL AddTemporary(CWnd* pWnd, HWND hWnd);

  virtual BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();
  virtual void PreSubclassWindow();
  virtual WNDPROC* GetSuperWndProcAddr();

  // ---- creation ----
  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                      CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
                        int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = NULL);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = NULL);
  virtual BOOL DestroyWindow();
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  virtual void PostNcDestroy();

  // ---- styles ----
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
  static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

  // ---- text and dialog items ----
  void SetWindowText(LPCTSTR lpszString);
  int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const;
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
  CFont* GetFont() const;
  HICON SetIcon(HICON hIcon, BOOL bBigIcon);
  HICON GetIcon(BOOL bBigIcon) const;

  CWnd* GetDlgItem(int nID) const;
  void GetDlgItem(int nID, HWND* phWnd) const;
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int nID);
  void SetDlgItemText(int nID, LPCTSTR lpszString);
  int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
  int GetDlgItemText(int nID, CString& rString) const;
  void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
  UINT GetDlgItemInt(int nID, BOOL* lpTrans = NULL, BOOL bSigned = TRUE) const;
  void CheckDlgButton(int nIDButton, UINT nCheck);
  UINT IsDlgButtonChecked(int nIDButton) const;
  void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
  // The id of the checked button from first to last, or 0.
  int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);
  LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
  CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
  // The descendant with the id (depth first), or null.
  CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;

  // ---- state, size and position ----
  BOOL ShowWindow(int nCmdShow);
  BOOL IsWindowVisible() const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL IsZoomed() const;
  BOOL IsIconic() const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  void GetWindowRect(LPRECT lpRect) const;
  void GetClientRect(LPRECT lpRect) const;
  void ClientToScreen(LPPOINT lpPoint) const;
  void ClientToScreen(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const;
  void ScreenToClient(LPRECT lpRect) const;
  void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
  void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
  // Centres over the owner (or pAlternateOwner), a child over its parent, else on the screen.
  void CenterWindow(CWnd* pAlternateOwner = NULL);
  void BringWindowToTop();

  // ---- painting ----
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  void ValidateRect(LPCRECT lpRect);
  void UpdateWindow();
  BOOL RedrawWindow(LPCRECT lpRectUpdate = NULL, CRgn* prgnUpdate = NULL,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  void SetRedraw(BOOL bRedraw = TRUE);
  CDC* GetDC();
  int ReleaseDC(CDC* pDC);
  CDC* BeginPaint(LPPAINTSTRUCT lpPaint);
  void EndPaint(LPPAINTSTRUCT lpPaint);

  // ---- focus, activation and the window tree ----
  CWnd* SetFocus();
  static CWnd* PASCAL GetFocus();
  CWnd* SetActiveWindow();
  static CWnd* PASCAL GetActiveWindow();
  BOOL SetForegroundWindow();
  static CWnd* PASCAL GetForegroundWindow();
  CWnd* SetCapture();
  static CWnd* PASCAL GetCapture();
  CWnd* GetParent() const;
  CWnd* SetParent(CWnd* pWndNewParent);
  CWnd* GetOwner() const;
  void SetOwner(CWnd* pOwnerWnd);
  CWnd* GetTopLevelParent() const;
  CWnd* GetWindow(UINT nCmd) const;
  CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
  CWnd* GetTopWindow() const;
  BOOL IsChild(const CWnd* pWnd) const;

  // ---- messages ----
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD));
  BOOL KillTimer(UINT_PTR nIDEvent);
  // The message being handled on this thread (with its time and position).
  static const MSG* PASCAL GetCurrentMessage();
  // Sends the message being handled to the previous window procedure.
  LRESULT Default();
  // A message box owned by this window; the caption defaults to the application's name.
  int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = MB_OK);

  // ---- scroll bars ----
  int GetScrollPos(int nBar) const;
  int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
  void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
  void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
  BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
  BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
  int GetScrollLimit(int nBar);

  // ---- dialog data and modal loops ----
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  virtual int RunModalLoop(DWORD dwFlags = 0);
  virtual BOOL ContinueModal();
  virtual void EndModalLoop(int nResult);
  BOOL IsDialogMessage(LPMSG lpMsg);

  // ---- message routing ----
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  BOOL SendChildNotifyLastMsg(LRESULT* pResult = NULL);
  static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = NULL);
  // Calls PreTranslateMessage of each permanent window from the message's
  // window up its parents (owners for popups) until hWndStop.
  static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
  BOOL PreTranslateInput(LPMSG lpMsg);

  UINT m_nFlags = 0;
  int m_nModalResult = 0;
  HWND m_hWndOwner = nullptr;

 protected:
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Creates a dialog from a template with this object as its window.
  BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);

  // ---- default message handlers ----
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnNcDestroy();
  afx_msg void OnClose();
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg HCURSOR OnQueryDragIcon();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnMove(int x, int y);
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);

  WNDPROC m_pfnSuper = nullptr;

  DECLARE_MESSAGE_MAP()

 private:
  friend LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
  void CleanUpAfterNcDestroy();
};

// The window procedure of every window that has a permanent CWnd.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
WNDPROC AFXAPI AfxGetAfxWndProc();
LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
// The creation hook: the next window this thread creates is attached to pWnd.
void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
// FALSE when no window was attached since AfxHookWindowCreate.
BOOL AFXAPI AfxUnhookWindowCreate();
// A window class of the library's own windows, registered on first use.
LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0, HBRUSH hbrBackground = 0,
                                   HICON hIcon = 0);
// Deletes the thread's temporary handle objects (windows, device contexts, graphics objects).
void AFXAPI AfxDeleteTempMaps();

// The object of class W for a window: its permanent object when that is a W,
// else a temporary W kept until idle time.
template <class W>
W* AfxWndFromHandleAs(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  if (W* existing = dynamic_cast<W*>(CWnd::FromHandle(hWnd))) return existing;
  W* temporary = new W;
  CWnd::AddTemporary(temporary, hWnd);
  return temporary;
}

// ---- dialog data exchange ----
class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  // The control's window (asserting that it exists); remembered for Fail.
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);
  // Gives the focus back to the last prepared control and throws CUserException.
  [[noreturn]] void Fail();

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  HWND m_hWndLastControl = nullptr;
  BOOL m_bEditLastControl = FALSE;
};

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);  // also DWORD (the same type here)
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// value: the index of the checked button of the group that starts at nIDC (-1 none).
void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);

// ---- dialogs ----
class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)
 public:
  CDialog();
  explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);

  // Modeless: creates the dialog from the template (found with
  // AfxFindResourceHandle); a null parent means the main window.
  virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
  virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL, void* lpDialogInit = NULL);
  virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);
  BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL, void* lpDialogInit = NULL);

  // Modal: the result EndDialog gave, or -1 when the dialog could not be made.
  virtual INT_PTR DoModal();
  void EndDialog(int nResult);

  void MapDialogRect(LPRECT lpRect) const;
  void SetHelpID(UINT nIDR) { m_nIDHelp = nIDR; }
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void GotoDlgCtrl(CWnd* pWndCtrl);
  void SetDefID(UINT nID);
  DWORD GetDefID() const;

  virtual BOOL OnInitDialog();
  virtual void OnSetFont(CFont* pFont);
  virtual void OnOK();
  virtual void OnCancel();
  BOOL PreTranslateMessage(MSG* pMsg) override;

  LPCTSTR m_lpszTemplateName = nullptr;
  UINT m_nIDHelp = 0;
  LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
  HGLOBAL m_hDialogTemplate = nullptr;
  void* m_lpDialogInit = nullptr;
  CWnd* m_pParentWnd = nullptr;
  HWND m_hWndTop = nullptr;

 protected:
  // The owner of a modal dialog (the parent's top-level window, else the main window).
  HWND PreModal();
  void PostModal();

  DECLARE_MESSAGE_MAP()
};

// The dialog procedure of the library's dialogs: WM_INITDIALOG reaches OnInitDialog.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// ---- threads and the application ----
class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)
 public:
  CWinThread();
  ~CWinThread() override;

  virtual CWnd* GetMainWnd();
  virtual BOOL InitInstance();
  virtual int ExitInstance();
  // The message loop: idle work while the queue is empty, until WM_QUIT.
  virtual int Run();
  // From the message's window up to the main window, each permanent
  // window's PreTranslateMessage; then the main window's for a window outside it.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // One message: FALSE at WM_QUIT.
  virtual BOOL PumpMessage();
  // lCount 0: more idle work wanted; 1 or more: deletes the temporary handle objects.
  virtual BOOL OnIdle(LONG lCount);
  virtual BOOL IsIdleMessage(MSG* pMsg);

  operator HANDLE() const { return m_hThread; }

  CWnd* m_pMainWnd = nullptr;
  CWnd* m_pActiveWnd = nullptr;
  BOOL m_bAutoDelete = TRUE;
  HANDLE m_hThread = nullptr;
  DWORD m_nThreadID = 0;
  MSG m_msgCur{};
};

class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)
 public:
  // The one application object of the process.
  explicit CWinApp(LPCTSTR lpszAppName = NULL);
  ~CWinApp() override;

  virtual BOOL InitApplication();
  BOOL InitInstance() override;
  int ExitInstance() override;
  // Quits at once without a main window, else the thread's message loop.
  int Run() override;
  BOOL OnIdle(LONG lCount) override;
  // A message box owned by the main window with the application's name as caption.
  virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
  // 1 begins, -1 ends, 0 restores the wait cursor (nesting: the first begin
  // shows IDC_WAIT, the last end IDC_ARROW).
  virtual void DoWaitCursor(int nCode);

  HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
  HCURSOR LoadCursor(UINT nIDResource) const;
  HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
  HICON LoadIcon(LPCTSTR lpszResourceName) const;
  HICON LoadIcon(UINT nIDResource) const;
  HICON LoadStandardIcon(LPCTSTR lpszIconName) const;

  LPCTSTR m_pszAppName = nullptr;
  HINSTANCE m_hInstance = nullptr;
  HINSTANCE m_hPrevInstance = nullptr;
  LPTSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  LPCTSTR m_pszExeName = nullptr;
  LPCTSTR m_pszHelpFilePath = nullptr;
  LPCTSTR m_pszProfileName = nullptr;
  LPCTSTR m_pszRegistryKey = nullptr;
  int m_nWaitCursorCount = 0;

 private:
  friend BOOL AFXAPI AfxWinInit(HINSTANCE, HINSTANCE, LPTSTR, int);
  CString m_strAppName;
};

class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
  void Restore();
};

CWinApp* AFXAPI AfxGetApp();
CWinThread* AFXAPI AfxGetThread();
CWnd* AFXAPI AfxGetMainWnd();
LPCTSTR AFXAPI AfxGetAppName();
// The message the pump retrieved last on this thread.
MSG* AFXAPI AfxGetCurrentMessage();
// Makes the calling thread the application's thread and records the module,
// command line and show state.
BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
void AFXAPI AfxWinTerm();
// AfxWinInit, InitApplication, InitInstance and Run of the application object.
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// One message through the thread's pre-translation and dispatch; FALSE at WM_QUIT.
BOOL AFXAPI AfxPumpMessage();
BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);
void AFXAPI AfxPostQuitMessage(int nExitCode);
int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// ---- resources and extension modules ----
HINSTANCE AFXAPI AfxGetInstanceHandle();
// The module searched first for resources (the application's own by default).
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds the resource: the resource handle first, then the
// extension modules, the one joined last first; the resource handle when
// none has it.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

struct AFX_EXTENSION_MODULE {
  BOOL bInitialized;
  HMODULE hModule;
  HMODULE hResource;
  CRuntimeClass* pFirstSharedClass;
  void* pFirstSharedFactory;
};

// FALSE for a null handle or one that is no loaded module.
BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes (and deletes) the module's CDynLinkLibrary objects from the chain.
void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// An extension module in the resource chain from construction to destruction.
class CDynLinkLibrary : public CCmdTarget {
  DECLARE_DYNAMIC(CDynLinkLibrary)
 public:
  explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
  CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
  ~CDynLinkLibrary() override;

  HMODULE m_hModule;
  HMODULE m_hResource;
  BOOL m_bSystem = FALSE;
};

#include "afxmsg_.h"

#if __has_include(<afx/gdi.h>)
#include <afx/gdi.h>
#endif
#if __has_include(<afx/controls.h>)
#include <afx/controls.h>
#endif
