// The 見通状況 page of the card (template 135): up to five lines of sight,
// each a direction, a visibility and a need of clearing, in a numbered list.
//
// The direction list offers 北 東 南 西 and then up to sixteen directions the
// user typed before, newest first, kept in the command's settings under
// "LMemo4" to "LMemo19" ("LMemo0" to "LMemo3" receive the fixed four); they
// are read when the page's window is created and all twenty keys are
// written when it is destroyed.
//
// LoadEntries takes the card's lines of sight and shows them; StoreEntries
// gives them back. Every add, update and delete posts the change notice 135.
#pragma once
#include <fld.h>
#include <records.h>

#include "EntryPageDlg.h"

class LookPageDlg : public EntryPageDlg<LookEntry> {
 public:
  LookPageDlg();
  ~LookPageDlg() override;

 protected:
  BOOL OnInitDialog() override;
  afx_msg void OnDestroy();
  afx_msg void OnAddOrUpdate();

  void RenderColumns(CListCtrl& list, int row, const LookEntry& entry) override;
  void ShowInFields(const LookEntry& entry) override;
  void FocusInput() override;

  DECLARE_MESSAGE_MAP()

 private:
  // The entry the fields describe; false, after telling the user what is
  // missing and focusing that field, when they describe none.
  bool EntryFromFields(LookEntry& entry);
  void RefuseInput(const WCHAR* message, CWnd& field);

  CFldStrCombo m_direction;
  CFldStrCombo m_sight;
  CFldStrCombo m_clearing;
};
