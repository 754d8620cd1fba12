// The wrappers of the tab control (CTabCtrl), the progress bar
// (CProgressCtrl) and the toolbar (CToolBarCtrl): their messages and answers.
#include <afxcmn.h>

#include "ctrl_send.h"

using afx::detail::AsLParam;
using afx::detail::SendTo;

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)

namespace {

WPARAM Index(int index) { return static_cast<WPARAM>(index); }
LPARAM Flag(BOOL on) { return MAKELPARAM(on ? TRUE : FALSE, 0); }
LPARAM SizeParam(SIZE size) { return MAKELPARAM(size.cx, size.cy); }

}  // namespace

// ---- CTabCtrl ----

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_TABCONTROLW, nullptr, dwStyle, rect, pParentWnd, nID);
}

LONG CTabCtrl::InsertItem(int nItem, TCITEM* pTabCtrlItem) {
  return SendTo<LONG>(*this, TCM_INSERTITEMW, Index(nItem), AsLParam(pTabCtrlItem));
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem) { return InsertItem(TCIF_TEXT, nItem, lpszItem, 0, 0); }

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
  return InsertItem(TCIF_TEXT | TCIF_IMAGE, nItem, lpszItem, nImage, 0);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam) {
  return InsertItem(nMask, nItem, lpszItem, nImage, lParam, 0, 0);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam, DWORD dwState,
                          DWORD dwStateMask) {
  TCITEM item{};
  item.mask = nMask;
  item.pszText = const_cast<LPTSTR>(lpszItem);
  item.iImage = nImage;
  item.lParam = lParam;
  item.dwState = dwState;
  item.dwStateMask = dwStateMask;
  return InsertItem(nItem, &item);
}

BOOL CTabCtrl::DeleteItem(int nItem) { return SendTo<BOOL>(*this, TCM_DELETEITEM, Index(nItem)); }
BOOL CTabCtrl::DeleteAllItems() { return SendTo<BOOL>(*this, TCM_DELETEALLITEMS); }

BOOL CTabCtrl::GetItem(int nItem, TCITEM* pTabCtrlItem) const {
  return SendTo<BOOL>(*this, TCM_GETITEMW, Index(nItem), AsLParam(pTabCtrlItem));
}

BOOL CTabCtrl::SetItem(int nItem, TCITEM* pTabCtrlItem) {
  return SendTo<BOOL>(*this, TCM_SETITEMW, Index(nItem), AsLParam(pTabCtrlItem));
}

int CTabCtrl::GetItemCount() const { return SendTo<int>(*this, TCM_GETITEMCOUNT); }
int CTabCtrl::GetCurSel() const { return SendTo<int>(*this, TCM_GETCURSEL); }
int CTabCtrl::SetCurSel(int nItem) { return SendTo<int>(*this, TCM_SETCURSEL, Index(nItem)); }
int CTabCtrl::GetCurFocus() const { return SendTo<int>(*this, TCM_GETCURFOCUS); }
void CTabCtrl::SetCurFocus(int nItem) { SendTo(*this, TCM_SETCURFOCUS, Index(nItem)); }

BOOL CTabCtrl::HighlightItem(int idItem, BOOL fHighlight) {
  return SendTo<BOOL>(*this, TCM_HIGHLIGHTITEM, Index(idItem), Flag(fHighlight));
}

CSize CTabCtrl::SetItemSize(CSize size) { return CSize(SendTo<DWORD>(*this, TCM_SETITEMSIZE, 0, SizeParam(size))); }

BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const {
  return SendTo<BOOL>(*this, TCM_GETITEMRECT, Index(nItem), AsLParam(lpRect));
}

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect) {
  SendTo(*this, TCM_ADJUSTRECT, static_cast<WPARAM>(bLarger), AsLParam(lpRect));
}

int CTabCtrl::GetRowCount() const { return SendTo<int>(*this, TCM_GETROWCOUNT); }

// ---- CProgressCtrl ----

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(PROGRESS_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::SetRange(short nLower, short nUpper) { SendTo(*this, PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper)); }

void CProgressCtrl::SetRange32(int nLower, int nUpper) {
  SendTo(*this, PBM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
  PBRANGE range{};
  SendTo(*this, PBM_GETRANGE, FALSE, AsLParam(&range));
  nLower = range.iLow;
  nUpper = range.iHigh;
}

int CProgressCtrl::SetPos(int nPos) { return SendTo<int>(*this, PBM_SETPOS, Index(nPos)); }
int CProgressCtrl::OffsetPos(int nPos) { return SendTo<int>(*this, PBM_DELTAPOS, Index(nPos)); }
int CProgressCtrl::StepIt() { return SendTo<int>(*this, PBM_STEPIT); }
int CProgressCtrl::GetPos() const { return SendTo<int>(*this, PBM_GETPOS); }
int CProgressCtrl::SetStep(int nStep) { return SendTo<int>(*this, PBM_SETSTEP, Index(nStep)); }

// ---- CToolBarCtrl ----

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  if (!CWnd::Create(TOOLBARCLASSNAMEW, nullptr, dwStyle, rect, pParentWnd, nID)) return FALSE;
  SetButtonStructSize(sizeof(TBBUTTON));
  return TRUE;
}

BOOL CToolBarCtrl::EnableButton(int nID, BOOL bEnable) {
  return SendTo<BOOL>(*this, TB_ENABLEBUTTON, Index(nID), Flag(bEnable));
}
BOOL CToolBarCtrl::CheckButton(int nID, BOOL bCheck) {
  return SendTo<BOOL>(*this, TB_CHECKBUTTON, Index(nID), Flag(bCheck));
}
BOOL CToolBarCtrl::PressButton(int nID, BOOL bPress) {
  return SendTo<BOOL>(*this, TB_PRESSBUTTON, Index(nID), Flag(bPress));
}
BOOL CToolBarCtrl::HideButton(int nID, BOOL bHide) {
  return SendTo<BOOL>(*this, TB_HIDEBUTTON, Index(nID), Flag(bHide));
}
BOOL CToolBarCtrl::IsButtonEnabled(int nID) const { return SendTo<BOOL>(*this, TB_ISBUTTONENABLED, Index(nID)); }
BOOL CToolBarCtrl::IsButtonChecked(int nID) const { return SendTo<BOOL>(*this, TB_ISBUTTONCHECKED, Index(nID)); }
BOOL CToolBarCtrl::SetState(int nID, UINT nState) {
  return SendTo<BOOL>(*this, TB_SETSTATE, Index(nID), MAKELPARAM(nState, 0));
}
int CToolBarCtrl::GetState(int nID) const { return SendTo<int>(*this, TB_GETSTATE, Index(nID)); }

int CToolBarCtrl::GetButtonCount() const { return SendTo<int>(*this, TB_BUTTONCOUNT); }

BOOL CToolBarCtrl::GetButton(int nIndex, LPTBBUTTON lpButton) const {
  return SendTo<BOOL>(*this, TB_GETBUTTON, Index(nIndex), AsLParam(lpButton));
}

UINT CToolBarCtrl::CommandToIndex(UINT nID) const { return SendTo<UINT>(*this, TB_COMMANDTOINDEX, nID); }

BOOL CToolBarCtrl::GetItemRect(int nIndex, LPRECT lpRect) const {
  return SendTo<BOOL>(*this, TB_GETITEMRECT, Index(nIndex), AsLParam(lpRect));
}

BOOL CToolBarCtrl::SetButtonSize(CSize size) { return SendTo<BOOL>(*this, TB_SETBUTTONSIZE, 0, SizeParam(size)); }
BOOL CToolBarCtrl::SetBitmapSize(CSize size) { return SendTo<BOOL>(*this, TB_SETBITMAPSIZE, 0, SizeParam(size)); }
DWORD CToolBarCtrl::GetButtonSize() const { return SendTo<DWORD>(*this, TB_GETBUTTONSIZE); }
void CToolBarCtrl::SetButtonStructSize(int nSize) { SendTo(*this, TB_BUTTONSTRUCTSIZE, Index(nSize)); }

int CToolBarCtrl::AddBitmap(int nNumButtons, UINT nBitmapID) {
  TBADDBITMAP add{AfxFindResourceHandle(MAKEINTRESOURCE(nBitmapID), RT_BITMAP), nBitmapID};
  return SendTo<int>(*this, TB_ADDBITMAP, Index(nNumButtons), AsLParam(&add));
}

int CToolBarCtrl::AddBitmap(int nNumButtons, CBitmap* pBitmap) {
  if (!pBitmap) return -1;
  TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(pBitmap->m_hObject)};
  return SendTo<int>(*this, TB_ADDBITMAP, Index(nNumButtons), AsLParam(&add));
}

BOOL CToolBarCtrl::AddButtons(int nNumButtons, LPTBBUTTON lpButtons) {
  return SendTo<BOOL>(*this, TB_ADDBUTTONSW, Index(nNumButtons), AsLParam(lpButtons));
}

BOOL CToolBarCtrl::InsertButton(int nIndex, LPTBBUTTON lpButton) {
  return SendTo<BOOL>(*this, TB_INSERTBUTTONW, Index(nIndex), AsLParam(lpButton));
}

BOOL CToolBarCtrl::DeleteButton(int nIndex) { return SendTo<BOOL>(*this, TB_DELETEBUTTON, Index(nIndex)); }

void CToolBarCtrl::AutoSize() { SendTo(*this, TB_AUTOSIZE); }
