// The pick prompt "踏査点を指示してください。", the first screen of every
// command: it waits for a point picked on the map, and its toolbar leads to
// the list screen (一覧) and to a new point by coordinates (新規).
//
// Whenever it is activated it makes itself the map's event window for point
// picks only; it stays the event window after it hides, so it acts on a pick
// only while it is visible.
#pragma once
#include <afxext.h>
#include <dlgkit.h>


class PickPromptDlg : public TDialog {
 public:
  PickPromptDlg();
  ~PickPromptDlg() override;
  BOOL CreateScreen(CWnd* host);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnMapPickPoint();
  afx_msg void OnList();
  afx_msg void OnNew();

  DECLARE_MESSAGE_MAP()

 private:
  CToolBar m_toolBar;
};
