// The list screen: the card list of the chosen kind, its detail pane and the
// toolbar commands on the selected card; closing it ends the command.
#include "NavListDlg.h"

#include <codetables.h>
#include <devcond.h>
#include <geopane.h>

#include <span>

#include "nav_texts.h"
#include "resource.h"
#include "screen_kit.h"
#include "screen_switch.h"

namespace {

UINT ListTemplate() { return IsR7() ? IDD_NAVLIST_R7 : IDD_NAVLIST; }

constexpr WCHAR kDeleteQuestion[] =
    u"選択中の踏査点データを\n削除します。\n\n削除後は、データを戻すことは\nできません。\nよろしいですか？";

struct KindItem {
  const WCHAR* label;
  int kind;
};
constexpr KindItem kKindItems[] = {{u"既知点", 1}, {u"街区基準点", 2}, {u"街区点", 3}};

// A list column: its heading, alignment and width in units of its list.
struct Column {
  const WCHAR* heading;
  int format;
  int units;
};
// List1: units of the width of one full-width digit "９".
constexpr Column kCardColumns[] = {{u"項番", LVCFMT_LEFT, 5},  {u"No", LVCFMT_RIGHT, 6}, {u"名称", LVCFMT_LEFT, 16},
                                   {u"X", LVCFMT_RIGHT, 12},   {u"Y", LVCFMT_RIGHT, 12}, {u"Z", LVCFMT_RIGHT, 12}};
// List2: units of a tenth of its client width less a vertical scroll bar.
constexpr Column kDetailColumns[] = {{u"項目", LVCFMT_LEFT, 4}, {u"内容", LVCFMT_LEFT, 6}};

void InsertColumns(CListCtrl& list, std::span<const Column> columns, int unit) {
  list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  int index = 0;
  for (const Column& column : columns) {
    list.InsertColumn(index++, column.heading, column.format, column.units * unit);
  }
}

int DetailUnit(const CListCtrl& detail) {
  CRect client;
  detail.GetClientRect(&client);
  return (client.Width() - ::GetSystemMetrics(SM_CXVSCROLL)) / 10;
}

// The point stays on the map without its card: drawn as a point without one.
void MarkWithoutCard(int pointId) {
  PntRecord point{};
  if (MapdbPnt_Get(pointId, &point) != 0) return;
  point.classCode = codes::kNoCardClass;
  point.stateCode = codes::kNoCardState;
  MapdbPnt_Put(&pointId, point);
}

// The point of a card becomes the map's selection and the current point.
void TakeAsCurrent(int pointId) {
  MapWin_ClrSelId();
  MapWin_SetSelId(1, &pointId);
  SetCurPointId(pointId);
}

}  // namespace

BEGIN_MESSAGE_MAP(NavListDlg, TDialog)
  ON_CBN_SELCHANGE(IDC_LIST_KIND, &NavListDlg::OnKindChange)
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_LIST_CARDS, &NavListDlg::OnCardChanged)
  ON_NOTIFY(NM_DBLCLK, IDC_LIST_CARDS, &NavListDlg::OnCardDoubleTap)
  ON_COMMAND(ID_LIST_PICK, &NavListDlg::OnPick)
  ON_COMMAND(ID_LIST_NEW, &NavListDlg::OnNew)
  ON_COMMAND(ID_LIST_DELETE, &NavListDlg::OnDelete)
  ON_COMMAND(ID_LIST_EDIT, &NavListDlg::OnEdit)
  ON_COMMAND(ID_LIST_POSITION, &NavListDlg::OnPosition)
END_MESSAGE_MAP()

NavListDlg::NavListDlg() : TDialog(ListTemplate()) {}
NavListDlg::~NavListDlg() = default;

BOOL NavListDlg::CreateScreen(CWnd* host) { return Create(ListTemplate(), host); }

void NavListDlg::DoDataExchange(CDataExchange* pDX) {
  TDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_LIST_DETAIL, m_detail);
  DDX_Control(pDX, IDC_LIST_CARDS, m_cards);
}

BOOL NavListDlg::OnInitDialog() {
  TDialog::OnInitDialog();
  if (!CreateScreenToolbar(m_toolBar, *this, IDR_LIST_TOOLBAR)) return TRUE;
  SetUpKindFilter();
  SetUpColumns();
  RebuildList();
  return TRUE;
}

void NavListDlg::SetUpKindFilter() {
  m_kindFilter.SetWindowStatus(this, IDC_LIST_KIND, CString(), 0);
  for (const KindItem& item : kKindItems) {
    const LRESULT index = m_kindFilter.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.label));
    m_kindFilter.SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), item.kind);
  }
  m_kindFilter.SendMessage(CB_SETCURSEL, 0);
}

void NavListDlg::SetUpColumns() {
  InsertColumns(m_cards, kCardColumns, m_cards.GetStringWidth(u"９"));
  InsertColumns(m_detail, kDetailColumns, DetailUnit(m_detail));
}

// ---- the card list ----

void NavListDlg::RebuildList() {
  CWaitCursor wait;
  const int kind = GetComboSelData(m_kindFilter);
  const int current = GetCurPointId();
  m_cards.SetRedraw(FALSE);
  m_cards.DeleteAllItems();
  int rowToSelect = 0;
  if (MapdbNav_Top() == 0) {
    int pointId = 0;
    NavRecord card{};
    while (MapdbNav_Red(&pointId, &card) == 0) {
      if (card.kind != kind) continue;
      const int row = AppendRow(pointId);
      if (pointId == current) rowToSelect = row;
    }
  }
  m_cards.SetRedraw(TRUE);
  if (m_cards.GetItemCount() > 0) SelectRow(rowToSelect);
  UpdateCount();
  RebuildDetail();
}

int NavListDlg::AppendRow(int pointId) {
  const int row = m_cards.InsertItem(m_cards.GetItemCount(), RowNumberText(m_cards.GetItemCount()));
  FillPointColumns(row, pointId);
  m_cards.SetItemData(row, static_cast<DWORD_PTR>(pointId));
  return row;
}

// A point that cannot be read leaves the columns as they are.
void NavListDlg::FillPointColumns(int row, int pointId) {
  PntRecord point{};
  if (MapdbPnt_Get(pointId, &point) != 0) return;
  int column = 1;
  for (const CStringW& text : PointColumnTexts(point)) m_cards.SetItemText(row, column++, text);
}

void NavListDlg::SelectRow(int row) {
  m_cards.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  m_cards.EnsureVisible(row, FALSE);
}

void NavListDlg::RenumberFrom(int row) {
  for (; row < m_cards.GetItemCount(); ++row) m_cards.SetItemText(row, 0, RowNumberText(row));
}

void NavListDlg::UpdateCount() { SetDlgItemText(IDC_LIST_COUNT, CountText(m_cards.GetItemCount())); }

int NavListDlg::SelectedRow() const { return m_cards.GetNextItem(-1, LVNI_SELECTED); }

int NavListDlg::PointIdOf(int row) const { return static_cast<int>(m_cards.GetItemData(row)); }

int NavListDlg::RowOf(int pointId) const {
  for (int row = 0; row < m_cards.GetItemCount(); ++row) {
    if (PointIdOf(row) == pointId) return row;
  }
  return -1;
}

// ---- the detail pane ----

void NavListDlg::RebuildDetail() {
  m_detail.SetRedraw(FALSE);
  m_detail.DeleteAllItems();
  const int row = SelectedRow();
  if (row >= 0) {
    for (const DetailRow& line : ReadCardDetail(PointIdOf(row))) {
      const int index = m_detail.InsertItem(m_detail.GetItemCount(), line.label);
      m_detail.SetItemText(index, 1, line.text);
    }
  }
  EnableCardCommands(row >= 0);
  m_detail.SetRedraw(TRUE);
}

void NavListDlg::EnableCardCommands(bool enable) {
  if (!IsSetUp()) return;
  CToolBarCtrl& buttons = m_toolBar.GetToolBarCtrl();
  for (int command : {ID_LIST_DELETE, ID_LIST_EDIT, ID_LIST_POSITION}) buttons.EnableButton(command, enable);
}

// ---- what the user does ----

void NavListDlg::OnKindChange() { RebuildList(); }

void NavListDlg::OnCardChanged(NMHDR*, LRESULT* pResult) {
  RebuildDetail();
  *pResult = 0;
}

void NavListDlg::OnCardDoubleTap(NMHDR*, LRESULT* pResult) {
  OnEdit();
  *pResult = 0;
}

void NavListDlg::OnPick() { HideAndShow(*this, SCR_PICK); }
void NavListDlg::OnNew() { HideAndStartNewPoint(*this); }

void NavListDlg::OnEdit() {
  const int row = SelectedRow();
  if (row < 0) return;
  TakeAsCurrent(PointIdOf(row));
  HideAndShow(*this, SCR_CARD);
}

void NavListDlg::OnPosition() {
  const int row = SelectedRow();
  if (row < 0) return;
  const int pointId = PointIdOf(row);
  PntRecord point{};
  if (MapdbPnt_Get(pointId, &point) != 0) return;
  TakeAsCurrent(pointId);
  MapWin_Pan(point.x, point.y);
  HideAndShow(*this, SCR_POSCHECK);
}

// The card goes, its point stays on the map, selected; the rows after it
// move up and are numbered again. The pane is cleared with the selection.
void NavListDlg::OnDelete() {
  const int row = SelectedRow();
  if (row < 0) return;
  if (MessageBox(kDeleteQuestion, u"確認", MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) return;
  CWaitCursor wait;
  int pointId = PointIdOf(row);
  MapdbNav_Del(pointId);
  MapWin_ClrSelId();
  MarkWithoutCard(pointId);
  MapWin_SetSelId(1, &pointId);
  m_cards.SetRedraw(FALSE);
  m_cards.DeleteItem(row);
  RenumberFrom(row);
  m_cards.SetRedraw(TRUE);
  UpdateCount();
  RebuildDetail();
}

// ---- requests of the other screens ----

void NavListDlg::FollowCurrent() {
  if (!IsSetUp()) return;
  if (GetCurKind() != GetComboSelData(m_kindFilter)) {
    SelectComboByData(m_kindFilter, GetCurKind());
    RebuildList();
    return;
  }
  int row = RowOf(GetCurPointId());
  if (row < 0) row = AppendRow(GetCurPointId());
  SelectRow(row);
  UpdateCount();
  RebuildDetail();
}

void NavListDlg::RefreshCurrentRow() {
  if (!IsSetUp()) return;
  const int row = RowOf(GetCurPointId());
  if (row >= 0) FillPointColumns(row, GetCurPointId());
}

void NavListDlg::OnOK() {}
void NavListDlg::OnCancel() { EndCommandOnClose(); }
