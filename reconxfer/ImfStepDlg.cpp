// The progress dialogs' common part: the progress bar, and the step timer
// with its busy flag.
#include "ImfStepDlg.h"

#include "resource.h"

namespace {
constexpr UINT_PTR kStepTimer = 10;
}

BEGIN_MESSAGE_MAP(ImfStepDlg, TDialog)
  ON_WM_TIMER()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

ImfStepDlg::ImfStepDlg(UINT nIDTemplate, UINT stepPeriodMs, CWnd* pParent)
    : TDialog(nIDTemplate, pParent), m_stepPeriodMs(stepPeriodMs) {}

ImfStepDlg::~ImfStepDlg() = default;

void ImfStepDlg::DoDataExchange(CDataExchange* pDX) {
  TDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_IMF_PROGRESS, m_progress);
}

BOOL ImfStepDlg::OnInitDialog() {
  TDialog::OnInitDialog();
  ShowWindow(SW_SHOW);
  m_busy = 0;
  SetTimer(kStepTimer, m_stepPeriodMs, NULL);
  return TRUE;
}

void ImfStepDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kStepTimer && !m_busy) {
    m_busy = 1;
    RunStep();
    m_busy = 0;
  }
  TDialog::OnTimer(nIDEvent);
}

void ImfStepDlg::OnDestroy() {
  KillTimer(kStepTimer);
  CloseOpenFiles();
  TDialog::OnDestroy();
}
