// CListCtrl: the list view's columns, items, subitem texts, states,
// selection iteration and view, each through the list view's messages.
#include <afxcmn.h>

#include "ctrl_send.h"

using afx::detail::AsLParam;
using afx::detail::SendTo;

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {

WPARAM Index(int index) { return static_cast<WPARAM>(index); }

LVITEM MakeItem(UINT mask, int index, int subItem, LPCTSTR text, int image, UINT state, UINT stateMask, LPARAM lParam) {
  LVITEM item{};
  item.mask = mask;
  item.iItem = index;
  item.iSubItem = subItem;
  item.state = state;
  item.stateMask = stateMask;
  item.pszText = const_cast<LPTSTR>(text);
  item.iImage = image;
  item.lParam = lParam;
  return item;
}

// The first buffer GetItemText(int, int) tries; it doubles until the text fits.
constexpr int kFirstTextBuffer = 256;

}  // namespace

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_LISTVIEWW, nullptr, dwStyle, rect, pParentWnd, nID);
}

// ---- columns ----

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn) {
  return SendTo<int>(*this, LVM_INSERTCOLUMNW, Index(nCol), AsLParam(pColumn));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem) {
  LVCOLUMN column{};
  column.mask = LVCF_TEXT | LVCF_FMT;
  column.fmt = nFormat;
  column.pszText = const_cast<LPTSTR>(lpszColumnHeading);
  if (nWidth != -1) {
    column.mask |= LVCF_WIDTH;
    column.cx = nWidth;
  }
  if (nSubItem != -1) {
    column.mask |= LVCF_SUBITEM;
    column.iSubItem = nSubItem;
  }
  return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol) { return SendTo<BOOL>(*this, LVM_DELETECOLUMN, Index(nCol)); }

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const {
  return SendTo<BOOL>(*this, LVM_GETCOLUMNW, Index(nCol), AsLParam(pColumn));
}

BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* pColumn) {
  return SendTo<BOOL>(*this, LVM_SETCOLUMNW, Index(nCol), AsLParam(pColumn));
}

int CListCtrl::GetColumnWidth(int nCol) const { return SendTo<int>(*this, LVM_GETCOLUMNWIDTH, Index(nCol)); }

BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
  return SendTo<BOOL>(*this, LVM_SETCOLUMNWIDTH, Index(nCol), MAKELPARAM(cx, 0));
}

// ---- items ----

int CListCtrl::GetItemCount() const { return SendTo<int>(*this, LVM_GETITEMCOUNT); }

void CListCtrl::SetItemCount(int nItems) { SendTo(*this, LVM_SETITEMCOUNT, Index(nItems)); }

int CListCtrl::InsertItem(const LVITEM* pItem) { return SendTo<int>(*this, LVM_INSERTITEMW, 0, AsLParam(pItem)); }

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem) { return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0); }

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
  return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam) {
  const LVITEM item = MakeItem(nMask, nItem, 0, lpszItem, nImage, nState, nStateMask, lParam);
  return InsertItem(&item);
}

BOOL CListCtrl::SetItem(const LVITEM* pItem) { return SendTo<BOOL>(*this, LVM_SETITEMW, 0, AsLParam(pItem)); }

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                        LPARAM lParam) {
  const LVITEM item = MakeItem(nMask, nItem, nSubItem, lpszItem, nImage, nState, nStateMask, lParam);
  return SetItem(&item);
}

BOOL CListCtrl::GetItem(LVITEM* pItem) const { return SendTo<BOOL>(*this, LVM_GETITEMW, 0, AsLParam(pItem)); }

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
  LVITEM item{};
  item.iSubItem = nSubItem;
  item.pszText = const_cast<LPTSTR>(lpszText);
  return SendTo<BOOL>(*this, LVM_SETITEMTEXTW, Index(nItem), AsLParam(&item));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
  CString text;
  for (int room = kFirstTextBuffer;; room *= 2) {
    const int copied = GetItemText(nItem, nSubItem, text.GetBufferSetLength(room), room);
    if (copied < room - 1) {
      text.ReleaseBuffer(copied < 0 ? 0 : copied);
      return text;
    }
  }
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const {
  if (!lpszText || nLen <= 0) return 0;
  LVITEM item{};
  item.iSubItem = nSubItem;
  item.pszText = lpszText;
  item.cchTextMax = nLen;
  return SendTo<int>(*this, LVM_GETITEMTEXTW, Index(nItem), AsLParam(&item));
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
  return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(dwData));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
  LVITEM item{};
  item.mask = LVIF_PARAM;
  item.iItem = nItem;
  return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItemState(int nItem, LVITEM* pItem) {
  return SendTo<BOOL>(*this, LVM_SETITEMSTATE, Index(nItem), AsLParam(pItem));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
  LVITEM item{};
  item.stateMask = nMask;
  item.state = nState;
  return SetItemState(nItem, &item);
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
  return SendTo<UINT>(*this, LVM_GETITEMSTATE, Index(nItem), static_cast<LPARAM>(nMask));
}

BOOL CListCtrl::DeleteItem(int nItem) { return SendTo<BOOL>(*this, LVM_DELETEITEM, Index(nItem)); }

BOOL CListCtrl::DeleteAllItems() { return SendTo<BOOL>(*this, LVM_DELETEALLITEMS); }

// ---- selection and search ----

int CListCtrl::GetNextItem(int nItem, int nFlags) const {
  return SendTo<int>(*this, LVM_GETNEXTITEM, Index(nItem), MAKELPARAM(nFlags, 0));
}

// A position is the item's index + 1, so that null ends the iteration.
POSITION CListCtrl::GetFirstSelectedItemPosition() const {
  return reinterpret_cast<POSITION>(static_cast<INT_PTR>(GetNextItem(-1, LVNI_SELECTED) + 1));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
  const int item = static_cast<int>(reinterpret_cast<INT_PTR>(pos)) - 1;
  pos = reinterpret_cast<POSITION>(static_cast<INT_PTR>(GetNextItem(item, LVNI_SELECTED) + 1));
  return item;
}

UINT CListCtrl::GetSelectedCount() const { return SendTo<UINT>(*this, LVM_GETSELECTEDCOUNT); }

int CListCtrl::GetSelectionMark() const { return SendTo<int>(*this, LVM_GETSELECTIONMARK); }

int CListCtrl::SetSelectionMark(int iIndex) { return SendTo<int>(*this, LVM_SETSELECTIONMARK, 0, iIndex); }

int CListCtrl::FindItem(LVFINDINFO* pFindInfo, int nStart) const {
  return SendTo<int>(*this, LVM_FINDITEMW, Index(nStart), AsLParam(pFindInfo));
}

// ---- view ----

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
  return SendTo<BOOL>(*this, LVM_ENSUREVISIBLE, Index(nItem), MAKELPARAM(bPartialOK, 0));
}

BOOL CListCtrl::Scroll(CSize size) { return SendTo<BOOL>(*this, LVM_SCROLL, static_cast<WPARAM>(size.cx), size.cy); }

int CListCtrl::GetTopIndex() const { return SendTo<int>(*this, LVM_GETTOPINDEX); }

int CListCtrl::GetCountPerPage() const { return SendTo<int>(*this, LVM_GETCOUNTPERPAGE); }

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
  if (!lpRect) return FALSE;
  lpRect->left = static_cast<LONG>(nCode);
  return SendTo<BOOL>(*this, LVM_GETITEMRECT, Index(nItem), AsLParam(lpRect));
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
  return SendTo<DWORD>(*this, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle));
}

DWORD CListCtrl::GetExtendedStyle() const { return SendTo<DWORD>(*this, LVM_GETEXTENDEDLISTVIEWSTYLE); }

int CListCtrl::GetStringWidth(LPCTSTR lpsz) const { return SendTo<int>(*this, LVM_GETSTRINGWIDTHW, 0, AsLParam(lpsz)); }

BOOL CListCtrl::RedrawItems(int nFirst, int nLast) {
  return SendTo<BOOL>(*this, LVM_REDRAWITEMS, Index(nFirst), nLast);
}
