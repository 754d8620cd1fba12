// The position-check prompt "位置を確認してください。": shown while the user
// looks at a card's point on the map.
#pragma once
#include <dlgkit.h>

class PosCheckDlg : public TDialog {
 public:
  PosCheckDlg();
  ~PosCheckDlg() override;
  BOOL CreateScreen(CWnd* host);

 protected:
  void OnOK() override;
  void OnCancel() override;

  DECLARE_MESSAGE_MAP()
};
