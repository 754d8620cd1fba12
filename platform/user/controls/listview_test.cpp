// Tests of the list view: the state notifications that a person's taps,
// keys and gestures and a program's messages send, vetoes, deleting rows,
// scrolling, column widths from text extents, and the item and column
// messages read back.
#include <commctrl.h>
#include <gtest/gtest.h>
#include <plat/display.h>
#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "user/controls/control_test_support.h"

namespace {

using plat::test::Gesture;
using plat::test::PrintTo;  // named cases print as their names
using plat::test::Pump;
using plat::test::RecordingParent;

constexpr int kId = 100;
constexpr int kWidth = 200;
constexpr int kHeader = 18;
constexpr int kRow = 16;
constexpr int kPage = 5;  // rows the list view shows
constexpr UINT kSelFocus = LVIS_SELECTED | LVIS_FOCUSED;

// One LVN_ITEMCHANGED as the parent saw it.
struct Change {
  int item = 0;
  UINT oldState = 0;
  UINT newState = 0;
  LPARAM param = 0;
  UINT changed = LVIF_STATE;
  bool operator==(const Change&) const = default;
};

void PrintTo(const Change& c, std::ostream* os) {
  *os << "{item " << c.item << ", old " << c.oldState << ", new " << c.newState << ", param " << c.param
      << ", changed " << c.changed << "}";
}

LPARAM ParamOf(int row) { return 1000 + row; }

// Public members: the cases of parameterised tests drive the fixture.
class ListViewTest : public ::testing::Test {
 public:
  void SetUp() override { Create(0); }

  void Create(DWORD style, int rows = 4) {
    if (list) DestroyWindow(list);
    list = parent.Child(WC_LISTVIEWW, LVS_REPORT | style, kId, u"", 0, 0, kWidth, kHeader + kPage * kRow);
    InsertColumn(0, u"Name", 80);
    InsertColumn(1, u"Size", 60);
    for (int i = 0; i < rows; ++i) AddRow(u"Row " + std::u16string(1, static_cast<char16_t>(u'0' + i)), i);
    Pump();
    parent.received.clear();
  }

  int InsertColumn(int index, const std::u16string& text, int width) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<LPWSTR>(text.c_str());
    column.cx = width;
    return static_cast<int>(SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column)));
  }

  int AddRow(const std::u16string& text, int at) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = at;
    item.pszText = const_cast<LPWSTR>(text.c_str());
    item.lParam = ParamOf(at);
    return static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  }

  BOOL SetState(int row, UINT state, UINT mask) {
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    return static_cast<BOOL>(SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
  }

  UINT State(int row) const { return static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, row, kSelFocus)); }

  std::u16string Text(int row, int subItem = 0) const {
    WCHAR buffer[64] = {};
    LVITEMW item{};
    item.iSubItem = subItem;
    item.pszText = buffer;
    item.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
  }

  int Count() const { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }
  int Next(int start, UINT flags) const {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(start), flags));
  }
  int Top() const { return static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0)); }

  // A client point over column 0 of a shown row.
  POINT RowPoint(int row, int x = 10) const { return POINT{x, kHeader + (row - Top()) * kRow + kRow / 2}; }
  void TapRow(int row, int x = 10) {
    const POINT p = RowPoint(row, x);
    plat::test::Tap(list, p.x, p.y);
  }

  std::vector<Change> Changes() const {
    std::vector<Change> changes;
    for (const auto& n : parent.received)
      if (n.code == LVN_ITEMCHANGED)
        changes.push_back({n.listView.iItem, n.listView.uOldState, n.listView.uNewState, n.listView.lParam,
                           n.listView.uChanged});
    return changes;
  }

  std::vector<const plat::test::Notification*> Of(UINT code) const {
    std::vector<const plat::test::Notification*> found;
    for (const auto& n : parent.received)
      if (n.code == code) found.push_back(&n);
    return found;
  }

  RecordingParent parent;
  HWND list = nullptr;
};

// ---- a person's selection ----

struct PersonCase {
  const char* name;
  std::function<void(ListViewTest&, int row)> choose;
};

class PersonChoosesRow : public ListViewTest, public ::testing::WithParamInterface<PersonCase> {};

TEST_P(PersonChoosesRow, OldRowLosesSelectionAndFocusThenNewRowGainsBoth) {
  GetParam().choose(*this, 0);
  EXPECT_EQ(GetFocus(), list);
  EXPECT_EQ(Changes(), (std::vector<Change>{{0, 0, kSelFocus, ParamOf(0)}}));
  parent.received.clear();

  GetParam().choose(*this, 2);

  EXPECT_EQ(Changes(), (std::vector<Change>{{0, kSelFocus, 0, ParamOf(0)}, {2, 0, kSelFocus, ParamOf(2)}}));
  EXPECT_EQ(parent.Codes(), (std::vector<UINT>{LVN_ITEMCHANGING, LVN_ITEMCHANGED, LVN_ITEMCHANGING,
                                               LVN_ITEMCHANGED, NM_CLICK}));
  EXPECT_EQ(Of(NM_CLICK)[0]->listView.iItem, 2);
  EXPECT_EQ(State(0), 0u);
  EXPECT_EQ(State(2), kSelFocus);
  EXPECT_EQ(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0), 2);
}

TEST_P(PersonChoosesRow, ChoosingTheSelectedRowAgainChangesNothing) {
  GetParam().choose(*this, 1);
  parent.received.clear();
  GetParam().choose(*this, 1);
  EXPECT_EQ(parent.Codes(), std::vector<UINT>{NM_CLICK});
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PersonChoosesRow,
    ::testing::Values(PersonCase{"Tap", [](ListViewTest& t, int row) { t.TapRow(row); }},
                      PersonCase{"ChooseGesture",
                                 [](ListViewTest& t, int row) { Gesture(t.list, plat::kGestureChoose, row); }},
                      PersonCase{"TapGesture",
                                 [](ListViewTest& t, int row) {
                                   const POINT p = t.RowPoint(row);
                                   Gesture(t.list, plat::kGestureTap, MAKELPARAM(p.x, p.y));
                                 }}),
    plat::test::CaseName{});

TEST_F(ListViewTest, TappingAChosenRowClearsEveryOtherSelection) {
  SetState(0, LVIS_SELECTED, LVIS_SELECTED);
  SetState(3, kSelFocus, kSelFocus);
  parent.received.clear();
  TapRow(1);
  EXPECT_EQ(Changes(), (std::vector<Change>{{0, LVIS_SELECTED, 0, ParamOf(0)},
                                            {3, kSelFocus, 0, ParamOf(3)},
                                            {1, 0, kSelFocus, ParamOf(1)}}));
}

TEST_F(ListViewTest, TapBelowTheRowsClearsTheSelection) {
  TapRow(1);
  parent.received.clear();
  plat::test::Tap(list, 10, kHeader + 4 * kRow + 4);  // the row after the last
  EXPECT_EQ(Changes(), (std::vector<Change>{{1, kSelFocus, 0, ParamOf(1)}}));
  ASSERT_EQ(Of(NM_CLICK).size(), 1u);
  EXPECT_EQ(Of(NM_CLICK)[0]->listView.iItem, -1);
  EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 0);
}

struct HitCase {
  const char* name;
  DWORD extendedStyle;
  int x;
  int selectedRow;  // -1: none
};

class TapColumns : public ListViewTest, public ::testing::WithParamInterface<HitCase> {};

TEST_P(TapColumns, OnlyColumnZeroTakesTapsWithoutFullRowSelect) {
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, GetParam().extendedStyle);
  TapRow(2, GetParam().x);
  EXPECT_EQ(Next(-1, LVNI_SELECTED), GetParam().selectedRow);
  ASSERT_EQ(Of(NM_CLICK).size(), 1u);
  EXPECT_EQ(Of(NM_CLICK)[0]->listView.iItem, GetParam().selectedRow);
}

INSTANTIATE_TEST_SUITE_P(Styles, TapColumns,
                         ::testing::Values(HitCase{"Column0", 0, 70, 2}, HitCase{"Column1", 0, 90, -1},
                                           HitCase{"FullRowColumn1", LVS_EX_FULLROWSELECT, 90, 2},
                                           HitCase{"FullRowPastColumns", LVS_EX_FULLROWSELECT, 190, 2}),
                         plat::test::CaseName{});

struct DoubleTapCase {
  const char* name;
  std::function<void(HWND, int row)> act;
};

class DoubleTap : public ListViewTest, public ::testing::WithParamInterface<DoubleTapCase> {};

TEST_P(DoubleTap, ActsAsATapThenSendsDoubleClickForTheRow) {
  GetParam().act(list, 3);
  EXPECT_EQ(State(3), kSelFocus);
  const auto codes = parent.Codes();
  ASSERT_GE(codes.size(), 2u);
  EXPECT_EQ(codes[codes.size() - 2], NM_CLICK);
  EXPECT_EQ(codes.back(), NM_DBLCLK);
  EXPECT_EQ(parent.received.back().listView.iItem, 3);
  EXPECT_EQ(parent.received.back().listView.lParam, ParamOf(3));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, DoubleTap,
    ::testing::Values(DoubleTapCase{"DoubleClick",
                                    [](HWND list, int row) {
                                      plat::PostInput(list, WM_LBUTTONDBLCLK, MK_LBUTTON,
                                                      MAKELPARAM(10, kHeader + row * kRow + 3));
                                      Pump();
                                    }},
                      DoubleTapCase{"ActivateGesture",
                                    [](HWND list, int row) { Gesture(list, plat::kGestureActivate, row); }}),
    plat::test::CaseName{});

TEST_F(ListViewTest, FocusNotificationsAndDialogCode) {
  TapRow(0);
  EXPECT_EQ(parent.Codes().front(), NM_SETFOCUS);
  parent.received.clear();
  SetFocus(parent.hwnd);
  EXPECT_EQ(parent.Codes(), std::vector<UINT>{NM_KILLFOCUS});
  EXPECT_EQ(SendMessageW(list, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST_F(ListViewTest, TapOnTheHeaderClicksTheColumnUnlessNoSortHeader) {
  plat::test::Tap(list, 90, 5);
  ASSERT_EQ(parent.Codes(), std::vector<UINT>{LVN_COLUMNCLICK});
  EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 0);
  Create(LVS_NOSORTHEADER);
  plat::test::Tap(list, 90, 5);
  EXPECT_TRUE(parent.received.empty());
}

struct KeyCase {
  UINT key;
  int from;  // focused row before, -1 none
  int to;
};

class ArrowKeys : public ListViewTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ArrowKeys, MoveSelectionAndFocusAndKeepTheRowInView) {
  Create(0, 12);
  if (GetParam().from >= 0) SetState(GetParam().from, kSelFocus, kSelFocus);
  parent.received.clear();
  plat::test::Key(list, GetParam().key);
  const int to = GetParam().to;
  EXPECT_EQ(Next(-1, LVNI_FOCUSED), to);
  EXPECT_EQ(Next(-1, LVNI_SELECTED), to);
  EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
  EXPECT_TRUE(to >= Top() && to < Top() + kPage) << "top " << Top();
  const auto changes = Changes();
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes.back(), (Change{to, 0, kSelFocus, ParamOf(to)}));
  EXPECT_TRUE(Of(NM_CLICK).empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, ArrowKeys,
                         ::testing::Values(KeyCase{VK_DOWN, 0, 1}, KeyCase{VK_DOWN, -1, 0}, KeyCase{VK_UP, 3, 2},
                                           KeyCase{VK_END, 2, 11}, KeyCase{VK_HOME, 11, 0},
                                           KeyCase{VK_DOWN, 4, 5}));

// ---- a program's changes ----

TEST_F(ListViewTest, SetItemStateNotifiesToo) {
  EXPECT_TRUE(SetState(1, LVIS_SELECTED, LVIS_SELECTED));
  EXPECT_EQ(parent.Codes(), (std::vector<UINT>{LVN_ITEMCHANGING, LVN_ITEMCHANGED}));
  EXPECT_EQ(Changes(), (std::vector<Change>{{1, 0, LVIS_SELECTED, ParamOf(1)}}));
  parent.received.clear();

  EXPECT_TRUE(SetState(1, LVIS_SELECTED, LVIS_SELECTED));  // already so
  EXPECT_TRUE(parent.received.empty());

  SetState(2, kSelFocus, kSelFocus);  // multiple selection keeps row 1
  EXPECT_EQ(Changes(), (std::vector<Change>{{2, 0, kSelFocus, ParamOf(2)}}));
  parent.received.clear();

  SetState(3, LVIS_FOCUSED, LVIS_FOCUSED);  // one row has the focus
  EXPECT_EQ(Changes(), (std::vector<Change>{{2, kSelFocus, LVIS_SELECTED, ParamOf(2)},
                                            {3, 0, LVIS_FOCUSED, ParamOf(3)}}));
  parent.received.clear();

  EXPECT_TRUE(SetState(-1, 0, LVIS_SELECTED));  // every row
  EXPECT_EQ(Changes(), (std::vector<Change>{{1, LVIS_SELECTED, 0, ParamOf(1)}, {2, LVIS_SELECTED, 0, ParamOf(2)}}));
  EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 0);
  EXPECT_EQ(State(3), static_cast<UINT>(LVIS_FOCUSED));
  EXPECT_TRUE(Of(NM_CLICK).empty());
}

TEST_F(ListViewTest, SingleSelectionDeselectsTheOthersFirst) {
  Create(LVS_SINGLESEL);
  SetState(1, LVIS_SELECTED, LVIS_SELECTED);
  parent.received.clear();
  SetState(2, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(Changes(), (std::vector<Change>{{1, LVIS_SELECTED, 0, ParamOf(1)}, {2, 0, LVIS_SELECTED, ParamOf(2)}}));
  EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
}

TEST_F(ListViewTest, RedrawSwitchedOffKeepsStatesAndNotifications) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SetState(0, kSelFocus, kSelFocus);
  EXPECT_EQ(Changes().size(), 1u);
  EXPECT_EQ(State(0), kSelFocus);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

struct VetoCase {
  const char* name;
  std::function<void(ListViewTest&)> act;
};

class Veto : public ListViewTest, public ::testing::WithParamInterface<VetoCase> {};

TEST_P(Veto, NonZeroAnswerToItemChangingKeepsTheState) {
  SetState(0, kSelFocus, kSelFocus);
  parent.received.clear();
  parent.notifyResult = TRUE;
  GetParam().act(*this);
  EXPECT_FALSE(Of(LVN_ITEMCHANGING).empty());
  EXPECT_TRUE(Changes().empty());
  EXPECT_EQ(State(0), kSelFocus);
  EXPECT_EQ(State(2), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Veto,
    ::testing::Values(VetoCase{"SetItemState",
                               [](ListViewTest& t) {
                                 EXPECT_FALSE(t.SetState(2, LVIS_SELECTED, LVIS_SELECTED));
                                 EXPECT_FALSE(t.SetState(0, 0, LVIS_SELECTED));
                               }},
                      VetoCase{"Tap", [](ListViewTest& t) { t.TapRow(2); }},
                      VetoCase{"Key", [](ListViewTest& t) { plat::test::Key(t.list, VK_DOWN); }}),
    plat::test::CaseName{});

// ---- deleting ----

TEST_F(ListViewTest, DeletingTheSelectedRowSendsOnlyDeleteItemAndShiftsTheRows) {
  SetState(3, LVIS_SELECTED, LVIS_SELECTED);
  SetState(1, kSelFocus, kSelFocus);
  SendMessageW(list, LVM_SETSELECTIONMARK, 0, 1);
  parent.received.clear();

  EXPECT_TRUE(SendMessageW(list, LVM_DELETEITEM, 1, 0));

  EXPECT_EQ(parent.Codes(), std::vector<UINT>{LVN_DELETEITEM});
  EXPECT_EQ(parent.received[0].listView.iItem, 1);
  EXPECT_EQ(parent.received[0].listView.lParam, ParamOf(1));
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(Text(1), u"Row 2");
  EXPECT_EQ(Next(-1, LVNI_SELECTED), 2);  // row 3 moved up, still selected
  EXPECT_EQ(Next(-1, LVNI_FOCUSED), -1);
  EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0), -1);
  EXPECT_FALSE(SendMessageW(list, LVM_DELETEITEM, 3, 0));
}

struct DeleteAllCase {
  const char* name;
  LRESULT answer;
  std::vector<UINT> codes;
};

class DeleteAll : public ListViewTest, public ::testing::WithParamInterface<DeleteAllCase> {};

TEST_P(DeleteAll, SendsDeleteAllThenDeleteItemPerRowUnlessAnsweredTrue) {
  Create(0, 3);
  parent.notifyResult = GetParam().answer;
  EXPECT_TRUE(SendMessageW(list, LVM_DELETEALLITEMS, 0, 0));
  EXPECT_EQ(parent.Codes(), GetParam().codes);
  for (const auto* n : Of(LVN_DELETEITEM)) EXPECT_EQ(n->listView.lParam, ParamOf(n->listView.iItem));
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(Top(), 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, DeleteAll,
                         ::testing::Values(DeleteAllCase{"Zero", 0,
                                                         {LVN_DELETEALLITEMS, LVN_DELETEITEM, LVN_DELETEITEM,
                                                          LVN_DELETEITEM}},
                                           DeleteAllCase{"True", TRUE, {LVN_DELETEALLITEMS}}),
                         plat::test::CaseName{});

TEST_F(ListViewTest, DestroyingTheListTellsTheParentOfEveryRow) {
  DestroyWindow(list);
  list = nullptr;
  EXPECT_EQ(parent.Codes(), (std::vector<UINT>{LVN_DELETEALLITEMS, LVN_DELETEITEM, LVN_DELETEITEM,
                                               LVN_DELETEITEM, LVN_DELETEITEM}));
}

// ---- scrolling ----

SCROLLINFO ScrollBar(HWND list) {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(list, SB_VERT, &info);
  return info;
}

TEST_F(ListViewTest, EnsureVisibleMovesTheTopRowAndTheScrollBarFollows) {
  Create(0, 20);
  EXPECT_EQ(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0), kPage);
  const struct {
    int row;
    int top;
  } steps[] = {{2, 0}, {12, 8}, {10, 8}, {3, 3}, {19, 15}};
  for (const auto& step : steps) {
    EXPECT_TRUE(SendMessageW(list, LVM_ENSUREVISIBLE, step.row, FALSE));
    EXPECT_EQ(Top(), step.top) << "row " << step.row;
    const SCROLLINFO bar = ScrollBar(list);
    EXPECT_EQ(bar.nPos, step.top);
    EXPECT_EQ(bar.nMin, 0);
    EXPECT_EQ(bar.nMax, 19);
    EXPECT_EQ(bar.nPage, static_cast<UINT>(kPage));
  }
  EXPECT_FALSE(SendMessageW(list, LVM_ENSUREVISIBLE, 20, FALSE));
}

struct ScrollCase {
  int code;
  int position;
  int top;  // from top row 3 of 20 rows
};

class ScrollRequests : public ListViewTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(ScrollRequests, MoveTheTopRowWithinTheRange) {
  for (bool gesture : {false, true}) {
    Create(0, 20);
    SendMessageW(list, LVM_SCROLL, 0, 3 * kRow);
    ASSERT_EQ(Top(), 3);
    const WPARAM request = MAKEWPARAM(GetParam().code, GetParam().position);
    if (gesture) {
      Gesture(list, plat::kGestureScroll, static_cast<LPARAM>(request));
    } else {
      SendMessageW(list, WM_VSCROLL, request, 0);
    }
    EXPECT_EQ(Top(), GetParam().top) << (gesture ? "gesture" : "WM_VSCROLL");
    EXPECT_EQ(ScrollBar(list).nPos, GetParam().top);
    EXPECT_EQ(ScrollBar(list).nMax, 19);
  }
}

INSTANTIATE_TEST_SUITE_P(Codes, ScrollRequests,
                         ::testing::Values(ScrollCase{SB_LINEDOWN, 0, 4}, ScrollCase{SB_LINEUP, 0, 2},
                                           ScrollCase{SB_PAGEDOWN, 0, 8}, ScrollCase{SB_PAGEUP, 0, 0},
                                           ScrollCase{SB_THUMBPOSITION, 10, 10},
                                           ScrollCase{SB_THUMBTRACK, 99, 15}, ScrollCase{SB_TOP, 0, 0},
                                           ScrollCase{SB_BOTTOM, 0, 15}));

TEST_F(ListViewTest, ScrollMessageAndDeletingRowsKeepTheTopInRange) {
  Create(0, 20);
  EXPECT_TRUE(SendMessageW(list, LVM_SCROLL, 0, 3 * kRow));
  EXPECT_EQ(Top(), 3);
  SendMessageW(list, LVM_ENSUREVISIBLE, 19, FALSE);
  EXPECT_EQ(Top(), 15);
  for (int i = 0; i < 12; ++i) SendMessageW(list, LVM_DELETEITEM, 0, 0);
  EXPECT_EQ(Top(), 3);  // 8 rows left, 5 a page
  EXPECT_EQ(ScrollBar(list).nPos, 3);
  EXPECT_EQ(ScrollBar(list).nMax, 7);
}

TEST_F(ListViewTest, TapsFindRowsFromTheTopRow) {
  Create(0, 20);
  SendMessageW(list, LVM_ENSUREVISIBLE, 12, FALSE);  // top row 8
  plat::test::Tap(list, 10, kHeader + 2 * kRow + 1);
  EXPECT_EQ(Next(-1, LVNI_SELECTED), 10);
}

TEST_F(ListViewTest, ItemRectanglesFollowTheHeaderAndTheTopRow) {
  Create(0, 20);
  SendMessageW(list, LVM_ENSUREVISIBLE, 12, FALSE);  // top row 8
  RECT rect{LVIR_BOUNDS, 0, 0, 0};
  ASSERT_TRUE(SendMessageW(list, LVM_GETITEMRECT, 10, reinterpret_cast<LPARAM>(&rect)));
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, kHeader + 2 * kRow);
  EXPECT_EQ(rect.right, 140);
  EXPECT_EQ(rect.bottom, kHeader + 3 * kRow);
  rect.left = LVIR_LABEL;
  ASSERT_TRUE(SendMessageW(list, LVM_GETITEMRECT, 10, reinterpret_cast<LPARAM>(&rect)));
  EXPECT_EQ(rect.right, 80);
  EXPECT_FALSE(SendMessageW(list, LVM_GETITEMRECT, 20, reinterpret_cast<LPARAM>(&rect)));

  Create(LVS_NOCOLUMNHEADER, 20);
  rect.left = LVIR_BOUNDS;
  ASSERT_TRUE(SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect)));
  EXPECT_EQ(rect.top, kRow);
  EXPECT_EQ(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0), (kHeader + kPage * kRow) / kRow);
}

// ---- columns and text widths ----

struct AutoSizeCase {
  const char* name;
  std::u16string header;
  std::vector<std::u16string> texts;  // of subitem 1
  int mode;
  int expected;
};

class AutoSize : public ListViewTest, public ::testing::WithParamInterface<AutoSizeCase> {};

TEST_P(AutoSize, WidthComesFromTextExtents) {
  Create(0, 0);
  const auto& c = GetParam();
  SendMessageW(list, LVM_DELETECOLUMN, 1, 0);
  InsertColumn(1, c.header, 10);
  InsertColumn(2, u"Last", 10);
  for (size_t i = 0; i < c.texts.size(); ++i) {
    AddRow(u"x", static_cast<int>(i));
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = const_cast<LPWSTR>(c.texts[i].c_str());
    SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
  }
  EXPECT_TRUE(SendMessageW(list, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(c.mode, 0)));
  EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, AutoSize,
    ::testing::Values(AutoSizeCase{"WidestText", u"Size", {u"ab", u"\u3042\u3044\u3046", u"x"}, LVSCW_AUTOSIZE, 48},
                      AutoSizeCase{"HalfWidthKana", u"Size", {u"\uFF71\uFF72"}, LVSCW_AUTOSIZE, 24},
                      AutoSizeCase{"NoRows", u"Size", {}, LVSCW_AUTOSIZE, 12},
                      AutoSizeCase{"TextWiderThanHeader", u"Size", {u"abcdefgh"}, LVSCW_AUTOSIZE_USEHEADER, 60},
                      AutoSizeCase{"HeaderWiderThanText", u"A long header", {u"ab"}, LVSCW_AUTOSIZE_USEHEADER, 90},
                      AutoSizeCase{"FixedWidth", u"Size", {u"abcdefgh"}, 33, 33}),
    plat::test::CaseName{});

TEST_F(ListViewTest, LastColumnUseHeaderFillsTheRestOfTheWidth) {
  SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, 50);
  EXPECT_TRUE(SendMessageW(list, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0)));
  EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0), kWidth - 50);
  EXPECT_TRUE(SendMessageW(list, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE, 0)));
  EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0), 12);  // the rows have no subitem texts
  EXPECT_FALSE(SendMessageW(list, LVM_SETCOLUMNWIDTH, 2, 40));
  EXPECT_FALSE(SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(-5, 0)));
}

TEST_F(ListViewTest, StringWidthUsesTheControlsFont) {
  const struct {
    std::u16string text;
    int width;
  } cases[] = {{u"\uFF19", 12}, {u"ab", 12}, {u"", 0}, {u"\uFF71", 6}, {u"A\u3042", 18}};
  for (const auto& c : cases)
    EXPECT_EQ(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(c.text.c_str())), c.width);
  EXPECT_EQ(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, 0), 0);
}

TEST_F(ListViewTest, ColumnMessagesReadBackWhatWasSet) {
  EXPECT_EQ(InsertColumn(9, u"Date", 40), 2);  // beyond the count appends
  EXPECT_EQ(InsertColumn(-1, u"Bad", 40), -1);
  WCHAR buffer[3];
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
  column.pszText = buffer;
  column.cchTextMax = 3;
  ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, 2, reinterpret_cast<LPARAM>(&column)));
  EXPECT_EQ(std::u16string(buffer), u"Da");  // cut to the buffer
  EXPECT_EQ(column.cx, 40);
  EXPECT_EQ(column.iSubItem, 2);
  EXPECT_EQ(column.fmt, LVCFMT_LEFT);

  LVCOLUMNW change{};
  change.mask = LVCF_FMT | LVCF_WIDTH;
  change.fmt = LVCFMT_RIGHT;
  change.cx = 55;
  EXPECT_TRUE(SendMessageW(list, LVM_SETCOLUMNW, 2, reinterpret_cast<LPARAM>(&change)));
  ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, 2, reinterpret_cast<LPARAM>(&column)));
  EXPECT_EQ(column.fmt, LVCFMT_RIGHT);
  EXPECT_EQ(column.cx, 55);

  EXPECT_TRUE(SendMessageW(list, LVM_DELETECOLUMN, 0, 0));
  EXPECT_FALSE(SendMessageW(list, LVM_DELETECOLUMN, 2, 0));
  EXPECT_FALSE(SendMessageW(list, LVM_GETCOLUMNW, 2, reinterpret_cast<LPARAM>(&column)));
  EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), 60);
  EXPECT_EQ(SendMessageW(list, LVM_GETHEADER, 0, 0), 0);
}

TEST_F(ListViewTest, ExtendedStyleWithMaskReturnsThePrevious) {
  EXPECT_EQ(SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), 0);
  EXPECT_EQ(SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, 0),
            LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  EXPECT_EQ(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), LVS_EX_FULLROWSELECT);
}

// ---- items ----

TEST_F(ListViewTest, InsertingRowsNotifiesAndPlacesThem) {
  Create(0, 0);
  EXPECT_EQ(AddRow(u"a", 0), 0);
  EXPECT_EQ(AddRow(u"b", 7), 1);  // beyond the count appends
  EXPECT_EQ(AddRow(u"c", 0), 0);
  EXPECT_EQ(AddRow(u"bad", -1), -1);
  const auto inserts = Of(LVN_INSERTITEM);
  ASSERT_EQ(inserts.size(), 3u);
  EXPECT_EQ(inserts[1]->listView.iItem, 1);
  EXPECT_EQ(inserts[1]->listView.lParam, ParamOf(7));
  EXPECT_EQ(Text(0), u"c");
  EXPECT_EQ(Text(1), u"a");
  EXPECT_EQ(Text(2), u"b");

  LVITEMW subitem{};
  subitem.mask = LVIF_TEXT;
  subitem.iSubItem = 1;
  EXPECT_EQ(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&subitem)), -1);
}

TEST_F(ListViewTest, InsertingASelectedRowSendsTheStateChange) {
  Create(LVS_SINGLESEL);
  SetState(0, LVIS_SELECTED, LVIS_SELECTED);
  parent.received.clear();
  std::u16string text = u"new";
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_STATE | LVIF_PARAM;
  item.iItem = 1;
  item.pszText = text.data();
  item.state = item.stateMask = LVIS_SELECTED;
  item.lParam = 7;
  EXPECT_EQ(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)), 1);
  EXPECT_EQ(parent.Codes(), (std::vector<UINT>{LVN_INSERTITEM, LVN_ITEMCHANGING, LVN_ITEMCHANGED, LVN_ITEMCHANGING,
                                               LVN_ITEMCHANGED}));
  EXPECT_EQ(Changes(), (std::vector<Change>{{0, LVIS_SELECTED, 0, ParamOf(0)}, {1, 0, LVIS_SELECTED, 7}}));
}

struct SortCase {
  const char* name;
  DWORD style;
  std::vector<std::u16string> inserted;
  std::vector<std::u16string> shown;
};

class Sorted : public ListViewTest, public ::testing::WithParamInterface<SortCase> {};

TEST_P(Sorted, RowsTakeTheirPlaceByTextIgnoringCase) {
  Create(GetParam().style, 0);
  for (const auto& text : GetParam().inserted) AddRow(text, 0);
  std::vector<std::u16string> shown;
  for (int i = 0; i < Count(); ++i) shown.push_back(Text(i));
  EXPECT_EQ(shown, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Orders, Sorted,
                         ::testing::Values(SortCase{"Ascending", LVS_SORTASCENDING,
                                                    {u"pear", u"Apple", u"fig", u"apple"},
                                                    {u"Apple", u"apple", u"fig", u"pear"}},
                                           SortCase{"Descending", LVS_SORTDESCENDING,
                                                    {u"pear", u"Apple", u"fig"},
                                                    {u"pear", u"fig", u"Apple"}},
                                           SortCase{"Unsorted", 0, {u"b", u"a"}, {u"a", u"b"}}),
                         plat::test::CaseName{});

TEST_F(ListViewTest, ItemMessagesReadBackTextParamAndState) {
  std::u16string text = u"Sub text";
  LVITEMW set{};
  set.mask = LVIF_TEXT | LVIF_PARAM;
  set.iItem = 2;
  set.iSubItem = 1;
  set.pszText = text.data();
  set.lParam = 55;  // a subitem has no param
  EXPECT_TRUE(SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&set)));
  EXPECT_EQ(Text(2, 1), u"Sub text");
  EXPECT_EQ(Text(2, 0), u"Row 2");

  WCHAR small[4];
  LVITEMW get{};
  get.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
  get.iItem = 2;
  get.iSubItem = 1;
  get.pszText = small;
  get.cchTextMax = 4;
  get.stateMask = kSelFocus;
  ASSERT_TRUE(SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&get)));
  EXPECT_EQ(std::u16string(small), u"Sub");
  EXPECT_EQ(get.lParam, ParamOf(2));
  EXPECT_EQ(get.state, 0u);

  LVITEMW textOnly{};
  textOnly.iSubItem = 1;
  textOnly.pszText = small;
  textOnly.cchTextMax = 4;
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMTEXTW, 2, reinterpret_cast<LPARAM>(&textOnly)), 3);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMTEXTW, 9, reinterpret_cast<LPARAM>(&textOnly)), 0);
  get.iItem = 9;
  EXPECT_FALSE(SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&get)));

  LVITEMW state{};
  state.mask = LVIF_STATE;
  state.iItem = 1;
  state.state = state.stateMask = LVIS_SELECTED;
  EXPECT_TRUE(SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&state)));
  EXPECT_EQ(Changes(), (std::vector<Change>{{1, 0, LVIS_SELECTED, ParamOf(1)}}));
}

TEST_F(ListViewTest, NextItemFollowsFlagsAndDirection) {
  Create(0, 6);
  SetState(1, LVIS_SELECTED, LVIS_SELECTED);
  SetState(4, kSelFocus, kSelFocus);
  const struct {
    int start;
    UINT flags;
    int expected;
  } cases[] = {{-1, LVNI_ALL, 0},
               {2, LVNI_ALL, 3},
               {5, LVNI_ALL, -1},
               {-1, LVNI_SELECTED, 1},
               {1, LVNI_SELECTED, 4},
               {4, LVNI_SELECTED, -1},
               {-1, LVNI_FOCUSED, 4},
               {-1, LVNI_SELECTED | LVNI_FOCUSED, 4},
               {3, LVNI_BELOW, 4},
               {5, LVNI_ABOVE | LVNI_SELECTED, 4},
               {3, LVNI_ABOVE | LVNI_SELECTED, 1},
               {0, LVNI_ABOVE, -1},
               {-5, LVNI_ALL, -1}};
  for (const auto& c : cases) EXPECT_EQ(Next(c.start, c.flags), c.expected) << c.start << " " << c.flags;
  EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 2);
}

TEST_F(ListViewTest, FindItemByParamOrTextAfterTheStart) {
  AddRow(u"row 1", 9);  // row 4: the text of row 1 in other case
  const struct {
    UINT flags;
    const char16_t* text;
    LPARAM param;
    int start;
    int expected;
  } cases[] = {{LVFI_PARAM, nullptr, ParamOf(2), -1, 2},
               {LVFI_PARAM, nullptr, ParamOf(2), 2, -1},
               {LVFI_PARAM, nullptr, 42, -1, -1},
               {LVFI_STRING, u"ROW 1", 0, -1, 1},
               {LVFI_STRING, u"ROW 1", 0, 1, 4},
               {LVFI_STRING, u"Row", 0, -1, -1},
               {LVFI_STRING, u"Row 3", 0, -3, -1}};
  for (const auto& c : cases) {
    LVFINDINFOW find{};
    find.flags = c.flags;
    find.psz = c.text;
    find.lParam = c.param;
    EXPECT_EQ(SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(c.start), reinterpret_cast<LPARAM>(&find)),
              c.expected);
  }
}

TEST_F(ListViewTest, FontAndPainting) {
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)), GetStockObject(SYSTEM_FONT));
  SetState(0, LVIS_SELECTED, LVIS_SELECTED);
  Pump();
  const plat::PaintRecord record = plat::GetPaintRecord(list);
  EXPECT_TRUE(record.painted);
  EXPECT_EQ(record.background, GetSysColor(COLOR_WINDOW));
  EXPECT_TRUE(parent.colorRequests.empty());
}

}  // namespace
