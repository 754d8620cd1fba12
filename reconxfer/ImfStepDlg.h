// The base of the import's and the export's progress dialogs: the progress
// bar (0 to 100), the cancel button "中止", and timer 10, which runs one step
// of the work per tick. A busy flag guards the steps: a tick that arrives
// while a step runs (the end message box of the last step runs a message
// loop of its own, in which ticks keep arriving) goes to the base handling
// only. "中止" and every other cancel are handled between two ticks.
#pragma once
#include <afxcmn.h>
#include <dlgkit.h>

class ImfStepDlg : public TDialog {
 public:
  ImfStepDlg(UINT nIDTemplate, UINT stepPeriodMs, CWnd* pParent);
  ~ImfStepDlg() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Shows the dialog and starts the timer.
  BOOL OnInitDialog() override;
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

  // The step of the current state.
  virtual void RunStep() = 0;
  // Closes the files still open, as the window goes.
  virtual void CloseOpenFiles() {}

  CProgressCtrl m_progress;

 private:
  UINT m_stepPeriodMs;
  int m_busy = 0;
};
