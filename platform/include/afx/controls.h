// The class library's wrappers of the standard controls: CStatic, CButton,
// CEdit, CComboBox and CScrollBar. Each is a CWnd that either creates its
// control (Create) or takes over one of a dialog (DDX_Control); the member
// functions send the control's documented messages and return its answers.
// Included by afxwin.h after CWnd.
//
// Buffers: GetLBText(int, LPTSTR) trusts the caller's buffer to hold
// GetLBTextLen + 1 characters, as the message does; the CString forms size
// their buffer themselves.
#pragma once
#include <windows.h>

class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)
 public:
  BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xffff);

  HICON SetIcon(HICON hIcon);
  HICON GetIcon() const;
  HBITMAP SetBitmap(HBITMAP hBitmap);
  HBITMAP GetBitmap() const;
};

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)
 public:
  BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  UINT GetState() const;
  void SetState(BOOL bHighlight);
  int GetCheck() const;
  void SetCheck(int nCheck);
  // The button's BS_* type and alignment bits (the low byte of its style).
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
  HICON SetIcon(HICON hIcon);
  HICON GetIcon() const;
  HBITMAP SetBitmap(HBITMAP hBitmap);
  HBITMAP GetBitmap() const;
};

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  void LimitText(int nChars = 0);
  void SetLimitText(UINT nMax);
  UINT GetLimitText() const;
  // The selection as MAKELONG(start, end).
  DWORD GetSel() const;
  void GetSel(int& nStartChar, int& nEndChar) const;
  void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
  BOOL GetModify() const;
  void SetModify(BOOL bModified = TRUE);
  int GetLineCount() const;
  void Clear();
  void Copy();
  void Cut();
  void Paste();
  BOOL Undo();
};

class CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int AddString(LPCTSTR lpszString);
  int InsertString(int nIndex, LPCTSTR lpszString);
  int DeleteString(UINT nIndex);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  int GetLBText(int nIndex, LPTSTR lpszText) const;
  // Empty for an index that names no item.
  void GetLBText(int nIndex, CString& rString) const;
  int GetLBTextLen(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemDataPtr(int nIndex, void* pData);
  void* GetItemDataPtr(int nIndex) const;
  int FindString(int nStartAfter, LPCTSTR lpszString) const;
  int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
  int SelectString(int nStartAfter, LPCTSTR lpszString);
  BOOL LimitText(int nMaxChars);
  void ShowDropDown(BOOL bShowIt = TRUE);
  BOOL GetDroppedState() const;
  void GetDroppedControlRect(LPRECT lprect) const;
  // The edit field's selection as MAKELONG(start, end).
  DWORD GetEditSel() const;
  BOOL SetEditSel(int nStartChar, int nEndChar);
};

class CScrollBar : public CWnd {
  DECLARE_DYNAMIC(CScrollBar)
 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetScrollPos() const;
  int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
  void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const;
  void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
  BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
  BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
  // The largest position the thumb can take.
  int GetScrollLimit();
};
