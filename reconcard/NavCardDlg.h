// The card screen: the reconnaissance card of the current point with its
// header, remarks and tab pages, and its registration.
#pragma once
#include <dlgkit.h>

class NavCardDlg : public TDialog {
 public:
  NavCardDlg();
  ~NavCardDlg() override;
  BOOL CreateScreen(CWnd* host);

  // Reads the card of the current point and shows the screen maximised.
  void Load();

 protected:
  void OnOK() override;

  DECLARE_MESSAGE_MAP()
};
