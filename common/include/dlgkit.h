// The host's dialog base class TDialog, from which every dialog of the
// command plug-ins derives.
//
// TDialog adds no behaviour of its own to CDialog: the constructor takes the
// template and the parent, and OnInitDialog, DoDataExchange, OnActivate and
// PreTranslateMessage pass straight to the class library. It exists so that
// all dialogs share one base whose message map (WM_ACTIVATE to OnActivate)
// their own maps chain to; derived handlers call the TDialog member first.
#pragma once
#include <afxwin.h>

class TDialog : public CDialog {
  DECLARE_DYNAMIC(TDialog)
 public:
  explicit TDialog(UINT nIDTemplate, CWnd* pParent = NULL);
  virtual ~TDialog();

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);

  DECLARE_MESSAGE_MAP()
};
