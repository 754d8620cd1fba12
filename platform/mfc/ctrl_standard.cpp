// The wrappers of the standard controls: CStatic, CButton, CEdit, CComboBox
// and CScrollBar send their controls' messages and pass the answers back.
#include <afxwin.h>
#include <commctrl.h>

#include "ctrl_send.h"

using afx::detail::AsLParam;
using afx::detail::SendTo;

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

// ---- CStatic ----

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_STATICW, lpszText, dwStyle, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON hIcon) { return SendTo<HICON>(*this, STM_SETICON, reinterpret_cast<WPARAM>(hIcon)); }
HICON CStatic::GetIcon() const { return SendTo<HICON>(*this, STM_GETICON); }
HBITMAP CStatic::SetBitmap(HBITMAP hBitmap) {
  return SendTo<HBITMAP>(*this, STM_SETIMAGE, IMAGE_BITMAP, AsLParam(hBitmap));
}
HBITMAP CStatic::GetBitmap() const { return SendTo<HBITMAP>(*this, STM_GETIMAGE, IMAGE_BITMAP); }

// ---- CButton ----

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_BUTTONW, lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const { return SendTo<UINT>(*this, BM_GETSTATE); }
void CButton::SetState(BOOL bHighlight) { SendTo(*this, BM_SETSTATE, static_cast<WPARAM>(bHighlight)); }
int CButton::GetCheck() const { return SendTo<int>(*this, BM_GETCHECK); }
void CButton::SetCheck(int nCheck) { SendTo(*this, BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
UINT CButton::GetButtonStyle() const { return static_cast<UINT>(::GetWindowLongW(m_hWnd, GWL_STYLE)) & 0xFF; }
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
  SendTo(*this, BM_SETSTYLE, nStyle, static_cast<LPARAM>(bRedraw));
}
HICON CButton::SetIcon(HICON hIcon) { return SendTo<HICON>(*this, BM_SETIMAGE, IMAGE_ICON, AsLParam(hIcon)); }
HICON CButton::GetIcon() const { return SendTo<HICON>(*this, BM_GETIMAGE, IMAGE_ICON); }
HBITMAP CButton::SetBitmap(HBITMAP hBitmap) {
  return SendTo<HBITMAP>(*this, BM_SETIMAGE, IMAGE_BITMAP, AsLParam(hBitmap));
}
HBITMAP CButton::GetBitmap() const { return SendTo<HBITMAP>(*this, BM_GETIMAGE, IMAGE_BITMAP); }

// ---- CEdit ----

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_EDITW, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::LimitText(int nChars) { SendTo(*this, EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
void CEdit::SetLimitText(UINT nMax) { SendTo(*this, EM_SETLIMITTEXT, nMax); }
UINT CEdit::GetLimitText() const { return SendTo<UINT>(*this, EM_GETLIMITTEXT); }
DWORD CEdit::GetSel() const { return SendTo<DWORD>(*this, EM_GETSEL); }

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
  DWORD start = 0, end = 0;
  SendTo(*this, EM_GETSEL, afx::detail::AsWParam(&start), AsLParam(&end));
  nStartChar = static_cast<int>(start);
  nEndChar = static_cast<int>(end);
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
  SetSel(static_cast<int>(LOWORD(dwSelection)), static_cast<int>(HIWORD(dwSelection)), bNoScroll);
}

// The platform's edit scrolls to the caret by itself: bNoScroll has nothing to stop.
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) {
  SendTo(*this, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
  SendTo(*this, EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), AsLParam(lpszNewText));
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return SendTo<BOOL>(*this, EM_SETREADONLY, static_cast<WPARAM>(bReadOnly)); }
BOOL CEdit::GetModify() const { return SendTo<BOOL>(*this, EM_GETMODIFY); }
void CEdit::SetModify(BOOL bModified) { SendTo(*this, EM_SETMODIFY, static_cast<WPARAM>(bModified)); }
int CEdit::GetLineCount() const { return SendTo<int>(*this, EM_GETLINECOUNT); }
void CEdit::Clear() { SendTo(*this, WM_CLEAR); }
void CEdit::Copy() { SendTo(*this, WM_COPY); }
void CEdit::Cut() { SendTo(*this, WM_CUT); }
void CEdit::Paste() { SendTo(*this, WM_PASTE); }
BOOL CEdit::Undo() { return SendTo<BOOL>(*this, WM_UNDO); }

// ---- CComboBox ----

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_COMBOBOXW, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::AddString(LPCTSTR lpszString) { return SendTo<int>(*this, CB_ADDSTRING, 0, AsLParam(lpszString)); }
int CComboBox::InsertString(int nIndex, LPCTSTR lpszString) {
  return SendTo<int>(*this, CB_INSERTSTRING, static_cast<WPARAM>(nIndex), AsLParam(lpszString));
}
int CComboBox::DeleteString(UINT nIndex) { return SendTo<int>(*this, CB_DELETESTRING, nIndex); }
void CComboBox::ResetContent() { SendTo(*this, CB_RESETCONTENT); }
int CComboBox::GetCount() const { return SendTo<int>(*this, CB_GETCOUNT); }
int CComboBox::GetCurSel() const { return SendTo<int>(*this, CB_GETCURSEL); }
int CComboBox::SetCurSel(int nSelect) { return SendTo<int>(*this, CB_SETCURSEL, static_cast<WPARAM>(nSelect)); }

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const {
  return SendTo<int>(*this, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), AsLParam(lpszText));
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
  const int length = GetLBTextLen(nIndex);
  if (length < 0) {
    rString.Empty();
    return;
  }
  const int copied = GetLBText(nIndex, rString.GetBufferSetLength(length));
  rString.ReleaseBuffer(copied < 0 ? 0 : copied);
}

int CComboBox::GetLBTextLen(int nIndex) const {
  return SendTo<int>(*this, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex));
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
  return SendTo<int>(*this, CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData));
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
  return SendTo<DWORD_PTR>(*this, CB_GETITEMDATA, static_cast<WPARAM>(nIndex));
}
int CComboBox::SetItemDataPtr(int nIndex, void* pData) {
  return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}
void* CComboBox::GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const {
  return SendTo<int>(*this, CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), AsLParam(lpszString));
}
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
  return SendTo<int>(*this, CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), AsLParam(lpszFind));
}
int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) {
  return SendTo<int>(*this, CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), AsLParam(lpszString));
}

BOOL CComboBox::LimitText(int nMaxChars) { return SendTo<BOOL>(*this, CB_LIMITTEXT, static_cast<WPARAM>(nMaxChars)); }
void CComboBox::ShowDropDown(BOOL bShowIt) { SendTo(*this, CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt)); }
BOOL CComboBox::GetDroppedState() const { return SendTo<BOOL>(*this, CB_GETDROPPEDSTATE); }
void CComboBox::GetDroppedControlRect(LPRECT lprect) const {
  SendTo(*this, CB_GETDROPPEDCONTROLRECT, 0, AsLParam(lprect));
}
DWORD CComboBox::GetEditSel() const { return SendTo<DWORD>(*this, CB_GETEDITSEL); }
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) {
  return SendTo<BOOL>(*this, CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar));
}

// ---- CScrollBar ----

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(u"ScrollBar", nullptr, dwStyle, rect, pParentWnd, nID);
}

// The bar is the control itself (SB_CTL); CWnd holds the scroll bar functions.
int CScrollBar::GetScrollPos() const { return CWnd::GetScrollPos(SB_CTL); }
int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) { return CWnd::SetScrollPos(SB_CTL, nPos, bRedraw); }
void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const {
  CWnd::GetScrollRange(SB_CTL, lpMinPos, lpMaxPos);
}
void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw) {
  CWnd::SetScrollRange(SB_CTL, nMinPos, nMaxPos, bRedraw);
}
BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
  return CWnd::SetScrollInfo(SB_CTL, lpScrollInfo, bRedraw);
}
BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask) {
  return CWnd::GetScrollInfo(SB_CTL, lpScrollInfo, nMask);
}
int CScrollBar::GetScrollLimit() { return CWnd::GetScrollLimit(SB_CTL); }
