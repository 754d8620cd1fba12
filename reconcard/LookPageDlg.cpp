// The line-of-sight page: its fields, their checks and the direction memory.
#include "LookPageDlg.h"

#include <codetables.h>

#include <iterator>

#include "page_kit.h"
#include "resource.h"
#include "screen_switch.h"

BEGIN_MESSAGE_MAP(LookPageDlg, EntryPageDlg<LookEntry>)
  ON_WM_DESTROY()
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_LOOK_ENTRIES, &LookPageDlg::OnEntryChanged)
  ON_BN_CLICKED(IDC_LOOK_ADD, &LookPageDlg::OnAddOrUpdate)
  ON_BN_CLICKED(IDC_LOOK_DELETE, &LookPageDlg::OnDelete)
END_MESSAGE_MAP()

namespace {

const WCHAR* const kFixedDirections[] = {u"北", u"東", u"南", u"西"};
constexpr int kFixedCount = static_cast<int>(std::size(kFixedDirections));
constexpr int kMaxDirectionItems = 20;  // the fixed four and sixteen remembered
constexpr const WCHAR* kDirectionKey = u"LMemo%d";
constexpr int kDirectionBuffer = 12;  // a remembered direction, terminator included
constexpr int kDirectionLength = 10;  // what the user can type

const WCHAR* const kHeadings[] = {u"項番", u"方向", u"見通", u"伐採の必要性"};

}  // namespace

LookPageDlg::LookPageDlg()
    : EntryPageDlg(IDD_LOOKPAGE, {IDC_LOOK_ENTRIES, IDC_LOOK_ADD, IDC_LOOK_DELETE, u"▼リストへ追加", 5,
                                  u"見通状況は、最大５件まで登録できます。"}) {}

LookPageDlg::~LookPageDlg() = default;

BOOL LookPageDlg::OnInitDialog() {
  EntryPageDlg::OnInitDialog();
  m_direction.SetWindowStatus(this, IDC_LOOK_DIRECTION, u"", kDirectionLength);
  m_sight.SetWindowStatus(this, IDC_LOOK_SIGHT, u"", 0);
  m_clearing.SetWindowStatus(this, IDC_LOOK_CLEARING, u"", 0);
  for (const WCHAR* direction : kFixedDirections)
    m_direction.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(direction));
  pagekit::AddRememberedTexts(m_direction, kDirectionKey, kFixedCount, kMaxDirectionItems, kDirectionBuffer);
  m_direction.SendMessage(CB_SETCURSEL, 0);
  pagekit::FillCodeList(m_sight, codes::kSight);
  m_sight.SendMessage(CB_SETCURSEL, 0);
  pagekit::FillCodeList(m_clearing, codes::kPresence);
  m_clearing.SendMessage(CB_SETCURSEL, 0);
  InsertColumns(kHeadings);
  return TRUE;
}

void LookPageDlg::OnDestroy() {
  EntryPageDlg::OnDestroy();
  pagekit::SaveRememberedTexts(m_direction, kDirectionKey, kMaxDirectionItems);
}

void LookPageDlg::RenderColumns(CListCtrl& list, int row, const LookEntry& entry) {
  list.SetItemText(row, 1, TextOfField(entry.direction));
  list.SetItemText(row, 2, codes::LabelOf(codes::kSight, entry.sight));
  list.SetItemText(row, 3, codes::LabelOf(codes::kPresence, entry.clearing));
}

void LookPageDlg::ShowInFields(const LookEntry& entry) {
  m_direction.SetVal(TextOfField(entry.direction));
  SelectComboByData(m_sight, entry.sight);
  SelectComboByData(m_clearing, entry.clearing);
}

void LookPageDlg::FocusInput() { m_direction.SetFocus(); }

void LookPageDlg::RefuseInput(const WCHAR* message, CWnd& field) {
  MessageBox(message, u"入力エラー", MB_OK | MB_ICONSTOP);
  field.SetFocus();
}

bool LookPageDlg::EntryFromFields(LookEntry& entry) {
  const CString direction = m_direction.GetVal();
  if (direction.IsEmpty()) {
    RefuseInput(u"見通方向を入力してください。", m_direction);
    return false;
  }
  if (m_sight.SendMessage(CB_GETCURSEL) == CB_ERR) {
    RefuseInput(u"見通状況を選択してください。", m_sight);
    return false;
  }
  if (m_clearing.SendMessage(CB_GETCURSEL) == CB_ERR) {
    RefuseInput(u"伐採等の必要性を選択してください。", m_clearing);
    return false;
  }
  entry = LookEntry{};
  StoreInField(entry.direction, direction);
  entry.sight = GetComboSelData(m_sight);
  entry.clearing = GetComboSelData(m_clearing);
  return true;
}

void LookPageDlg::OnAddOrUpdate() {
  LookEntry entry;
  if (!EntryFromFields(entry) || !PutEntry(entry)) return;
  pagekit::Remember(m_direction, TextOfField(entry.direction), kFixedCount, kMaxDirectionItems);
  FocusInput();
}
