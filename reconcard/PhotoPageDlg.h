// The 写真撮影 page of the card (template 136): up to nine photographs, each
// a kind (近景, 遠景, その他), a comment and the date and time it was taken,
// in a numbered list.
//
// The comment list offers up to ten comments the user gave before, newest
// first, kept in the command's settings under "PMemo0" to "PMemo9": read
// when the page's window is created, all ten keys written when it is
// destroyed.
//
// LoadEntries takes the card's photographs and shows them; StoreEntries
// gives them back. A new photograph is stamped with one reading of the
// clock; updating one keeps its first stamp. Every add, update and delete
// posts the change notice 136.
#pragma once
#include <fld.h>
#include <records.h>

#include "EnterAsTab.h"
#include "EntryPageDlg.h"

class PhotoPageDlg : public EntryPageDlg<PhotoEntry> {
 public:
  PhotoPageDlg();
  ~PhotoPageDlg() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  afx_msg void OnDestroy();
  afx_msg void OnAddOrUpdate();

  void RenderColumns(CListCtrl& list, int row, const PhotoEntry& entry) override;
  void ShowInFields(const PhotoEntry& entry) override;
  void FocusInput() override;

  DECLARE_MESSAGE_MAP()

 private:
  // The chosen kind button's id, 0 with none chosen.
  int ChosenKindButton();

  CFldStrCombo m_comment;
  EnterAsTab<CButton> m_kinds[3];  // Enter moves on as Tab does  // 近景, 遠景, その他
};
