// The position-check prompt: closing it goes back to the previous main screen.
#include "PosCheckDlg.h"

#include "resource.h"
#include "screen_switch.h"

BEGIN_MESSAGE_MAP(PosCheckDlg, TDialog)
END_MESSAGE_MAP()

PosCheckDlg::PosCheckDlg() : TDialog(IDD_POSCHECK) {}
PosCheckDlg::~PosCheckDlg() = default;

BOOL PosCheckDlg::CreateScreen(CWnd* host) { return Create(IDD_POSCHECK, host); }

void PosCheckDlg::OnOK() {}
void PosCheckDlg::OnCancel() { HideAndShow(*this, SCR_BACK); }
