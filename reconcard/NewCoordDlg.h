// The new-coordinate dialog "新規座標を指示" (template 132, screen code 3):
// a new point entered by kind, number, name and coordinates — typed, taken
// from a point picked on the map or from a tap on it — stored without a
// card, after which the card screen opens a new card of the chosen kind.
//
// Open fills the fields from the current point (empty when there is none or
// it cannot be read); the kind list keeps its last choice ("未設定" the first
// time). While active, the dialog is the map's event window for point picks
// and coordinate taps; both act only while it is visible. Leaving the number
// field after the user changed it to the number of an existing point makes
// that point current, selects it and fills the fields from it. OK (caption
// button or Enter) checks the input and stores the point, then the card
// screen follows; close or Escape goes back to the previous main screen.
//
// The number lookup runs only while the dialog is visible, and OK takes the
// fields as they stand (it does not count as leaving the number): otherwise
// hiding the dialog, or a message box of OK, with the focus still in a
// just-typed number would make another point current behind the user.
#pragma once
#include <dlgkit.h>
#include <fld.h>

#include "CoordFields.h"

class NewCoordDlg : public TDialog {
 public:
  NewCoordDlg();
  ~NewCoordDlg() override;
  BOOL CreateScreen(CWnd* host);

  // Fills the dialog from the current point, shows it and puts the focus on
  // the kind list.
  void Open();

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnHeightClicked();
  afx_msg void OnNumberLeft();
  afx_msg void OnMapPickPoint();
  afx_msg void OnMapPickCoord();

  DECLARE_MESSAGE_MAP()

 private:
  void FillKinds();
  // The seven checks in order; stores the point when all pass. False after
  // refusing the first that fails.
  bool ValidateAndStore();
  static bool NumberHasCard(int number);
  bool StoreNewPoint(int kind, int number);

  CFldStrCombo m_kind;
  CoordFields m_fields;
};
