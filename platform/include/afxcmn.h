// The class library's wrappers of the common controls: CListCtrl (list
// view), CTabCtrl (tab control), CProgressCtrl (progress bar) and
// CToolBarCtrl (toolbar). Like the standard controls' wrappers they create
// their control or take one over (DDX_Control), send its documented messages
// and return its answers.
//
// Text: GetItemText(int, int) sizes its own buffer; the buffer forms copy at
// most nLen characters with the NUL.
#pragma once
#include <afxwin.h>
#include <commctrl.h>

// The position of an iteration (GetFirstSelectedItemPosition); null at the end.
struct __POSITION;
typedef __POSITION* POSITION;

class CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // ---- columns ----
  int InsertColumn(int nCol, const LVCOLUMN* pColumn);
  // nWidth -1: the control's default width; nSubItem -1: the column's own index.
  int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
  BOOL DeleteColumn(int nCol);
  BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
  BOOL SetColumn(int nCol, const LVCOLUMN* pColumn);
  int GetColumnWidth(int nCol) const;
  BOOL SetColumnWidth(int nCol, int cx);

  // ---- items ----
  int GetItemCount() const;
  void SetItemCount(int nItems);
  int InsertItem(const LVITEM* pItem);
  int InsertItem(int nItem, LPCTSTR lpszItem);
  int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
  int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
  BOOL SetItem(const LVITEM* pItem);
  BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
               LPARAM lParam);
  BOOL GetItem(LVITEM* pItem) const;
  BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
  CString GetItemText(int nItem, int nSubItem) const;
  int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
  BOOL SetItemData(int nItem, DWORD_PTR dwData);
  DWORD_PTR GetItemData(int nItem) const;
  BOOL SetItemState(int nItem, LVITEM* pItem);
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);
  UINT GetItemState(int nItem, UINT nMask) const;
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();

  // ---- selection and search ----
  int GetNextItem(int nItem, int nFlags) const;
  POSITION GetFirstSelectedItemPosition() const;
  int GetNextSelectedItem(POSITION& pos) const;
  UINT GetSelectedCount() const;
  int GetSelectionMark() const;
  int SetSelectionMark(int iIndex);
  int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const;

  // ---- view ----
  BOOL EnsureVisible(int nItem, BOOL bPartialOK);
  BOOL Scroll(CSize size);
  int GetTopIndex() const;
  int GetCountPerPage() const;
  BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
  DWORD SetExtendedStyle(DWORD dwNewStyle);
  DWORD GetExtendedStyle() const;
  int GetStringWidth(LPCTSTR lpsz) const;
  BOOL RedrawItems(int nFirst, int nLast);
};

class CTabCtrl : public CWnd {
  DECLARE_DYNAMIC(CTabCtrl)
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  LONG InsertItem(int nItem, TCITEM* pTabCtrlItem);
  LONG InsertItem(int nItem, LPCTSTR lpszItem);
  LONG InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
  LONG InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam);
  LONG InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam, DWORD dwState, DWORD dwStateMask);
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();
  BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const;
  BOOL SetItem(int nItem, TCITEM* pTabCtrlItem);
  int GetItemCount() const;
  int GetCurSel() const;
  int SetCurSel(int nItem);
  int GetCurFocus() const;
  void SetCurFocus(int nItem);
  BOOL HighlightItem(int idItem, BOOL fHighlight = TRUE);
  // Returns the size the tabs had.
  CSize SetItemSize(CSize size);
  BOOL GetItemRect(int nItem, LPRECT lpRect) const;
  void AdjustRect(BOOL bLarger, LPRECT lpRect);
  int GetRowCount() const;
};

class CProgressCtrl : public CWnd {
  DECLARE_DYNAMIC(CProgressCtrl)
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  void SetRange(short nLower, short nUpper);
  void SetRange32(int nLower, int nUpper);
  void GetRange(int& nLower, int& nUpper) const;
  // Each returns the position before the call.
  int SetPos(int nPos);
  int OffsetPos(int nPos);
  int StepIt();
  int GetPos() const;
  // Returns the step before the call.
  int SetStep(int nStep);
};

class CToolBarCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolBarCtrl)
 public:
  // Creates the toolbar and tells it the size of TBBUTTON.
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  BOOL EnableButton(int nID, BOOL bEnable = TRUE);
  BOOL CheckButton(int nID, BOOL bCheck = TRUE);
  BOOL PressButton(int nID, BOOL bPress = TRUE);
  BOOL HideButton(int nID, BOOL bHide = TRUE);
  BOOL IsButtonEnabled(int nID) const;
  BOOL IsButtonChecked(int nID) const;
  BOOL SetState(int nID, UINT nState);
  // The TBSTATE_* bits, or -1 for an id that names no button.
  int GetState(int nID) const;

  int GetButtonCount() const;
  BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const;
  // The button's index, or -1.
  UINT CommandToIndex(UINT nID) const;
  BOOL GetItemRect(int nIndex, LPRECT lpRect) const;

  BOOL SetButtonSize(CSize size);
  BOOL SetBitmapSize(CSize size);
  // MAKELONG(width, height) of the buttons.
  DWORD GetButtonSize() const;
  void SetButtonStructSize(int nSize);
  // Images from the RT_BITMAP resource nBitmapID (found with
  // AfxFindResourceHandle) or from a bitmap; the index of the first, or -1.
  int AddBitmap(int nNumButtons, UINT nBitmapID);
  int AddBitmap(int nNumButtons, CBitmap* pBitmap);
  BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons);
  BOOL InsertButton(int nIndex, LPTBBUTTON lpButton);
  BOOL DeleteButton(int nIndex);
  void AutoSize();
};
