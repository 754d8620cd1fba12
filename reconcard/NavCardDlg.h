// The card screen: the reconnaissance card of the current point — point
// number and name, survey date, remarks and three tabs (the attribute page
// of the card's kind, lines of sight, photographs) — with its registration
// ("カード登録") and the question before unsaved changes are thrown away.
#pragma once
#include <afxcmn.h>
#include <afxdtctl.h>
#include <afxtempl.h>
#include <dlgkit.h>
#include <fld.h>
#include <records.h>

#include "BlockPointPageDlg.h"
#include "BlockRefPageDlg.h"
#include "ChgCoordDlg.h"
#include "EnterAsTab.h"
#include "KnownPointPageDlg.h"
#include "LookPageDlg.h"
#include "PhotoPageDlg.h"

class NavCardDlg : public TDialog {
 public:
  NavCardDlg();
  ~NavCardDlg() override;
  BOOL CreateScreen(CWnd* host);

  // Reads the card of the current point (a new card of the current kind
  // when it has none) with its lists and shows the screen maximised.
  void Load();

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  afx_msg void OnDestroy();
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg void OnTabSelChange(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnPointButton();
  afx_msg void OnRegister();

  DECLARE_MESSAGE_MAP()

 private:
  void CreatePages();
  void StartNewCard();
  void ReadEntries(int pointId);
  AttrPageDlg* AttrPageOf(LONG kind);
  void ShowSelectedPage();
  void ShowCaption();
  void ShowPointLabel(int pointId);
  void ShowSurveyDate();
  // The date control's date as YYYYMMDD, -1 when its box is cleared.
  LONG DateOnScreen() const;
  // The stored date as the screen can show it: -1 for none or one out of range.
  LONG ShowableSurveyDate() const;
  bool DiffersFromCard() const;
  void TakeScreenIntoCard();
  // Writes the card and its lists whole; on a failure puts back what was
  // stored before and returns false.
  bool WriteCard(int pointId);
  void MarkPointRegistered(int pointId);
  void Register();
  void CloseCheck();

  NavRecord m_card{};
  CArray<LookEntry> m_looks;
  CArray<PhotoEntry> m_photos;
  CBrush m_registerBrush;
  CFldStrEdit m_remarks;
  ChgCoordDlg m_chgCoord;
  LookPageDlg m_lookPage;
  PhotoPageDlg m_photoPage;
  KnownPointPageDlg m_knownPage;
  BlockRefPageDlg m_blockRefPage;
  BlockPointPageDlg m_blockPointPage;
  CTabCtrl m_tabs;
  EnterAsTab<CDateTimeCtrl> m_date;
  int m_changed = 0;
  int m_highlightedTab = -1;
};
