// The list screen "現地踏査情報一覧": the registered cards of one kind
// (List1) with the detail pane of the selected card (List2), and the way to
// open (編集, double tap), locate (位置), delete (削除) and create (新規)
// cards or go back to picking on the map (ﾋﾟｯｸ).
//
// The list is built when the window is created and on every change of the
// kind filter, not when the screen is shown; the other screens keep it up to
// date through NotifyList. The detail pane is rebuilt on every item change of
// List1 and after a deletion (the list control tells nothing of a deleted
// row's selection), and 削除, 編集 and 位置 are enabled only while a card
// is selected.
#pragma once
#include <afxcmn.h>
#include <afxext.h>
#include <dlgkit.h>
#include <fld.h>


class NavListDlg : public TDialog {
 public:
  NavListDlg();
  ~NavListDlg() override;
  BOOL CreateScreen(CWnd* host);

  // Requests of the other screens (NotifyList).
  // Shows curKind in the filter and selects the row of curPointId, adding it
  // at the end when the list has none.
  void FollowCurrent();
  // Rewrites the point columns of curPointId's row, if it has one.
  void RefreshCurrentRow();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  afx_msg void OnKindChange();
  afx_msg void OnCardChanged(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnCardDoubleTap(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnPick();
  afx_msg void OnNew();
  afx_msg void OnDelete();
  afx_msg void OnEdit();
  afx_msg void OnPosition();

  DECLARE_MESSAGE_MAP()

 private:
  // Initialisation stops when the toolbar cannot be made; the screen then
  // stays empty and ignores requests.
  bool IsSetUp() const { return m_toolBar.GetSafeHwnd() != nullptr; }
  void SetUpKindFilter();
  void SetUpColumns();

  void RebuildList();
  void RebuildDetail();
  int AppendRow(int pointId);
  void FillPointColumns(int row, int pointId);
  void SelectRow(int row);
  void RenumberFrom(int row);
  void UpdateCount();
  void EnableCardCommands(bool enable);

  int SelectedRow() const;
  int PointIdOf(int row) const;
  int RowOf(int pointId) const;

  CToolBar m_toolBar;
  CFldStrCombo m_kindFilter;
  CListCtrl m_detail;  // List2
  CListCtrl m_cards;   // List1
};
