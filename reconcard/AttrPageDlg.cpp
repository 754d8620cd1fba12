// The attribute page of a card: code lists tied to the card's attr slots.
#include "AttrPageDlg.h"

#include "page_kit.h"
#include "resource.h"
#include "screen_switch.h"

// The attribute lists of all pages lie within the known-point page's ids.
BEGIN_MESSAGE_MAP(AttrPageDlg, NavPageDlg)
  ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_KNOWN_GRADE, IDC_KNOWN_CLEARING, &AttrPageDlg::OnListSelChange)
  ON_CONTROL_RANGE(CBN_SETFOCUS, IDC_KNOWN_GRADE, IDC_KNOWN_CLEARING, &AttrPageDlg::OnListSetFocus)
END_MESSAGE_MAP()

AttrPageDlg::AttrPageDlg(UINT templateId, std::span<const AttrList> lists)
    : NavPageDlg(templateId), m_specs(lists) {}

AttrPageDlg::~AttrPageDlg() = default;

BOOL AttrPageDlg::OnInitDialog() {
  NavPageDlg::OnInitDialog();
  for (size_t i = 0; i < m_specs.size(); ++i) {
    m_lists[i].SetWindowStatus(this, m_specs[i].controlId, u"", 0);
    pagekit::FillCodeList(m_lists[i], *m_specs[i].table);
  }
  return TRUE;
}

void AttrPageDlg::LoadCodes(const NavRecord& card) {
  for (size_t i = 0; i < m_specs.size(); ++i) SelectComboByData(m_lists[i], card.attr[m_specs[i].slot]);
}

void AttrPageDlg::StoreCodes(NavRecord& card) {
  for (size_t i = 0; i < m_specs.size(); ++i) card.attr[m_specs[i].slot] = GetComboSelData(m_lists[i]);
}

void AttrPageDlg::OnListSelChange(UINT id) {
  if (ListOf(id)) PostChangeNotice();
}

void AttrPageDlg::OnListSetFocus(UINT id) {
  if (CFldStrCombo* list = ListOf(id)) KeepInView(*list);
}

CFldStrCombo* AttrPageDlg::ListOf(UINT id) {
  for (size_t i = 0; i < m_specs.size(); ++i)
    if (m_specs[i].controlId == id) return &m_lists[i];
  return nullptr;
}
