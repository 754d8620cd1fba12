// TDialog, the host's dialog base class: CDialog's behaviour under one
// common base and message map.
#include <dlgkit.h>

IMPLEMENT_DYNAMIC(TDialog, CDialog)

BEGIN_MESSAGE_MAP(TDialog, CDialog)
  ON_WM_ACTIVATE()
END_MESSAGE_MAP()

TDialog::TDialog(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

TDialog::~TDialog() = default;

BOOL TDialog::OnInitDialog() { return CDialog::OnInitDialog(); }

BOOL TDialog::PreTranslateMessage(MSG* pMsg) { return CDialog::PreTranslateMessage(pMsg); }

void TDialog::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

void TDialog::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  CDialog::OnActivate(nState, pWndOther, bMinimized);
}
