// The attribute page of a card: one drop-down code list per attribute, each
// filled from its code table and tied to one attr slot of the card. Shared
// by the attribute pages of the three point kinds, which differ only in
// their template and their lists.
//
// LoadCodes selects in each list the item whose code the card holds in the
// list's slot (no selection for a code no item carries); StoreCodes writes
// each list's code into its slot, -1 for a list without a selection. Every
// new selection of the user posts the page's change notice, and a list that
// takes the focus is scrolled into view.
#pragma once
#include <codetables.h>
#include <fld.h>
#include <records.h>

#include <span>

#include "NavPageDlg.h"

// One list of an attribute page: its control, its code table, its attr slot.
struct AttrList {
  UINT controlId;
  const CodeTable* table;
  int slot;
};

// True when the lists fit a card: each names a slot of the card, no two the
// same. Each page checks its lists with it at compile time.
constexpr bool SlotsFitCard(std::span<const AttrList> lists) {
  for (size_t i = 0; i < lists.size(); ++i) {
    if (lists[i].slot < 0 || lists[i].slot >= codes::kAttrSlots) return false;
    for (size_t j = 0; j < i; ++j)
      if (lists[j].slot == lists[i].slot) return false;
  }
  return true;
}

class AttrPageDlg : public NavPageDlg {
 public:
  ~AttrPageDlg() override;

  void LoadCodes(const NavRecord& card);
  void StoreCodes(NavRecord& card);

 protected:
  // lists: fixed for the program's life, SlotsFitCard.
  AttrPageDlg(UINT templateId, std::span<const AttrList> lists);

  BOOL OnInitDialog() override;
  afx_msg void OnListSelChange(UINT id);
  afx_msg void OnListSetFocus(UINT id);

  DECLARE_MESSAGE_MAP()

 private:
  // The page's list of this control, or null.
  CFldStrCombo* ListOf(UINT id);

  std::span<const AttrList> m_specs;
  CFldStrCombo m_lists[codes::kAttrSlots];
};
