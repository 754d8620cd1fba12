// The card screen.
#include "NavCardDlg.h"

#include <devcond.h>

#include "resource.h"
#include "screen_switch.h"

namespace {
UINT CardTemplate() { return IsR7() ? IDD_NAVCARD_R7 : IDD_NAVCARD; }
}  // namespace

BEGIN_MESSAGE_MAP(NavCardDlg, TDialog)
END_MESSAGE_MAP()

NavCardDlg::NavCardDlg() : TDialog(CardTemplate()) {}
NavCardDlg::~NavCardDlg() = default;

BOOL NavCardDlg::CreateScreen(CWnd* host) { return Create(CardTemplate(), host); }

void NavCardDlg::Load() { ShowWindow(SW_SHOWMAXIMIZED); }

void NavCardDlg::OnOK() {}
