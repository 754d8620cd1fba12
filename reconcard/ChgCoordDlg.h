// The changed-coordinate dialog "変更座標を指示" (template 134): corrects the
// name and the coordinates of the current point, the one whose card is on
// the card screen, typically by a tap on the map. The number is shown but
// cannot be changed.
//
// A child of the card screen, outside the screen switch: the card screen
// creates it hidden in its OnInitDialog (CreateChild(this)), opens it from
// its point button (Open(IDC_CARD_POINTLABEL)) and destroys it first among
// its children. Open hides the card screen; OK and Cancel (close box,
// Escape) hide the dialog and show the card screen again.
//
// While active the dialog is the map's event window for coordinate taps
// only (never point picks), which act only while it is visible. OK checks
// name and coordinates, rewrites the point under its id (number, codes and
// spares kept, the card untouched), selects it on the map, writes
// "%5ld:%s" (number and name) into the card screen's label and asks the
// list screen to refresh the point's row. When the point cannot be read at
// OK (or its write fails), no change is claimed: the dialog says so
// ("座標Noエラー", stop icon), stays open and leaves the label and the list
// alone; the user leaves with Cancel.
#pragma once
#include <dlgkit.h>

#include "CoordFields.h"

class ChgCoordDlg : public TDialog {
 public:
  ChgCoordDlg();
  ~ChgCoordDlg() override;

  // Creates the hidden window, owned by the card screen.
  BOOL CreateChild(CWnd* cardScreen);

  // Fills the fields from the current point, hides the card screen, shows
  // the dialog with the focus on the name. labelId is the card screen's
  // control that receives the result text of OK.
  void Open(UINT labelId);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnHeightClicked();
  afx_msg void OnMapPickCoord();

  DECLARE_MESSAGE_MAP()

 private:
  // The checks of OK; rewrites the point and reports it when all pass.
  // False after refusing the first that fails.
  bool ValidateAndStore();
  // Takes the fields into the point read under id and writes it back under
  // the same id; false when it cannot be written.
  bool RewritePoint(int id, PntRecord point);
  void ShowResultLabel();
  void BackToCardScreen();

  CoordFields m_fields;
  UINT m_labelId = 0;
};
