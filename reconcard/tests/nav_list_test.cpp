// Tests of the list screen: the kind filter lists and counts only its kind,
// the rows' running numbers and point columns, the columns' widths, which
// row a rebuild selects, deleting a card (renumbering, the point left on the
// map selected and re-marked, the last card, cancelling), opening and
// locating a card, 新規 and ﾋﾟｯｸ, and the requests of the other screens.
#include <gtest/gtest.h>

#include <functional>

#include "list_test_support.h"

namespace {

using namespace reconcard_test;
using Captions = std::vector<std::u16string>;
using Texts = std::vector<std::u16string>;
using Ids = std::vector<int>;

constexpr char16_t kDeleteQuestion[] =
    u"選択中の踏査点データを\n削除します。\n\n削除後は、データを戻すことは\nできません。\nよろしいですか？";

const std::vector<int> kAllCommands{ID_LIST_PICK, ID_LIST_NEW, ID_LIST_DELETE, ID_LIST_EDIT, ID_LIST_POSITION};
const std::vector<int> kCommandsWithoutCard{ID_LIST_PICK, ID_LIST_NEW};

class NavList : public ListScreenTest {
 protected:
  // Cards of the numbers 1 to count of one kind; their ids.
  Ids AddCards(int count, LONG kind) {
    Ids ids;
    for (int number = 1; number <= count; ++number) ids.push_back(AddCard(number, kind));
    return ids;
  }
  Texts Column(size_t column) {
    Texts texts;
    for (const auto& row : CardRows()) texts.push_back(row.at(column));
    return texts;
  }
  // The point ids the rows carry.
  Ids RowIds() {
    return desktop.Ui([this] {
      Ids ids;
      const int count = static_cast<int>(::SendMessageW(Cards(), LVM_GETITEMCOUNT, 0, 0));
      for (int row = 0; row < count; ++row) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        ::SendMessageW(Cards(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        ids.push_back(static_cast<int>(item.lParam));
      }
      return ids;
    });
  }
  int Selection() { return desktop.ListSelection(Cards()); }
  bool Delete(int answer) {
    desktop.QueueAnswer(answer);
    return desktop.ToolbarCommand(Toolbar(List()), ID_LIST_DELETE);
  }
  struct ColumnInfo {
    std::u16string heading;
    int format;
    int width;
    bool operator==(const ColumnInfo&) const = default;
  };
  std::vector<ColumnInfo> Columns(HWND list) {
    return desktop.Ui([list] {
      std::vector<ColumnInfo> columns;
      WCHAR heading[32] = {};
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
      column.pszText = heading;
      column.cchTextMax = 32;
      while (::SendMessageW(list, LVM_GETCOLUMNW, columns.size(), reinterpret_cast<LPARAM>(&column))) {
        columns.push_back({heading, column.fmt & (LVCFMT_LEFT | LVCFMT_RIGHT | LVCFMT_CENTER), column.cx});
      }
      return columns;
    });
  }
};

TEST_F(NavList, TheKindFilterListsAndCountsOnlyItsKind) {
  const int known1 = AddCard(1, codes::kKnownPoint);
  const int block = AddCard(2, codes::kBlockPoint);
  const int known2 = AddCard(3, codes::kKnownPoint);
  const int reference = AddCard(4, codes::kBlockRefPoint);
  StartOnList();
  EXPECT_EQ(desktop.ComboItems(KindFilter()), (Texts{u"既知点", u"街区基準点", u"街区点"}));
  EXPECT_EQ(desktop.ComboSelection(KindFilter()), 0);
  EXPECT_EQ(RowIds(), (Ids{known1, known2}));
  EXPECT_EQ(CountText(), u"登録数：  2");

  const std::pair<const char16_t*, Ids> filters[] = {{u"街区点", {block}}, {u"街区基準点", {reference}}};
  for (const auto& [kind, ids] : filters) {
    ASSERT_TRUE(desktop.Choose(KindFilter(), kind));
    EXPECT_EQ(RowIds(), ids) << testing::PrintToString(kind);
    EXPECT_EQ(Column(0), Texts{u"   1"});
    EXPECT_EQ(CountText(), u"登録数：  1");
  }
}

TEST_F(NavList, RowsShowTheirRunningNumberAndTheirPointsColumns) {
  const int high = AddPoint(12345, u"高さあり", 1.23456, -7.5, true, 0.0005);
  const int flat = AddPoint(7, u"高さなし", -100, 2000.1);
  PutCard(high, EmptyCard(codes::kKnownPoint));
  PutCard(flat, EmptyCard(codes::kKnownPoint));
  StartOnList();
  EXPECT_EQ(CardRows(), (Rows{{u"   1", u"12345", u"高さあり", u"1.235", u"-7.500", u"0.001"},
                              {u"   2", u"    7", u"高さなし", u"-100.000", u"2000.100", u""}}));
}

TEST_F(NavList, ColumnsAreMeasuredInFullWidthDigitsAndTenthsOfThePane) {
  ASSERT_EQ(Start(), 0);
  const int digit = desktop.Ui([this] {
    return static_cast<int>(::SendMessageW(Cards(), LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(u"９")));
  });
  ASSERT_GT(digit, 0);
  EXPECT_EQ(Columns(Cards()), (std::vector<ColumnInfo>{{u"項番", LVCFMT_LEFT, 5 * digit},
                                                       {u"No", LVCFMT_RIGHT, 6 * digit},
                                                       {u"名称", LVCFMT_LEFT, 16 * digit},
                                                       {u"X", LVCFMT_RIGHT, 12 * digit},
                                                       {u"Y", LVCFMT_RIGHT, 12 * digit},
                                                       {u"Z", LVCFMT_RIGHT, 12 * digit}}));
  const int tenth = desktop.Ui([this] {
    RECT client{};
    ::GetClientRect(Detail(), &client);
    return (static_cast<int>(client.right) - ::GetSystemMetrics(SM_CXVSCROLL)) / 10;
  });
  EXPECT_EQ(Columns(Detail()),
            (std::vector<ColumnInfo>{{u"項目", LVCFMT_LEFT, 4 * tenth}, {u"内容", LVCFMT_LEFT, 6 * tenth}}));
}

TEST_F(NavList, ARebuildSelectsTheCurrentPointsRowOrElseTheFirst) {
  const Ids ids = AddCards(3, codes::kKnownPoint);
  const int other = AddCard(9, codes::kBlockPoint);
  const std::pair<int, int> cases[] = {{ids[1], 1}, {-1, 0}, {other, 0}, {ids[2], 2}};
  for (const auto& [current, row] : cases) {
    SetCurrent(current, 0);
    ASSERT_EQ(Start(), 0);
    EXPECT_EQ(Selection(), row) << "current " << current;
    desktop.Ui([] { CloseCommand(); });
  }
}

TEST_F(NavList, DeletingTheThirdOfFiveRenumbersTheRowsAndLeavesThePointSelectedWithoutCard) {
  const Ids ids = AddCards(5, codes::kKnownPoint);
  StartOnList();
  ASSERT_TRUE(desktop.SelectRow(Cards(), 2));
  ASSERT_TRUE(Delete(IDOK));

  ASSERT_EQ(desktop.MessageBoxes().size(), 1u);
  EXPECT_EQ(desktop.MessageBoxes()[0].text, kDeleteQuestion);
  EXPECT_EQ(desktop.MessageBoxes()[0].caption, u"確認");
  EXPECT_EQ(desktop.MessageBoxes()[0].type, static_cast<UINT>(MB_OKCANCEL | MB_ICONEXCLAMATION));

  EXPECT_EQ(RowIds(), (Ids{ids[0], ids[1], ids[3], ids[4]}));
  EXPECT_EQ(Column(0), (Texts{u"   1", u"   2", u"   3", u"   4"}));
  EXPECT_EQ(CountText(), u"登録数：  4");
  EXPECT_FALSE(HasCard(ids[2]));
  const GeopaneMapPoint point = MapPoint(ids[2]);
  EXPECT_EQ(point.classCode, 81);
  EXPECT_EQ(point.stateCode, 32);
  EXPECT_TRUE(point.selected);
  EXPECT_EQ(MapSelection(), Ids{ids[2]});
  EXPECT_EQ(Selection(), -1);
  EXPECT_TRUE(DetailRows().empty()) << "the pane shows no deleted card";
  EXPECT_EQ(EnabledCommands(List()), kCommandsWithoutCard);
  EXPECT_EQ(VisibleScreens(), Captions{kListCaption});
}

TEST_F(NavList, DeletingTheOnlyCardEmptiesTheListAndKeepsThePoint) {
  const int id = AddCard(1, codes::kKnownPoint);
  StartOnList();
  ASSERT_EQ(EnabledCommands(List()), kAllCommands);
  ASSERT_TRUE(Delete(IDOK));
  EXPECT_TRUE(CardRows().empty());
  EXPECT_EQ(CountText(), u"登録数：  0");
  EXPECT_EQ(EnabledCommands(List()), kCommandsWithoutCard);
  EXPECT_EQ(MapPoint(id).number, 1);
  EXPECT_EQ(desktop.Ui([] {
    int cards = -1;
    MapdbNav_GetCnt(&cards);
    return cards;
  }), 0);
}

TEST_F(NavList, ACancelledDeletionChangesNothing) {
  const Ids ids = AddCards(2, codes::kKnownPoint);
  StartOnList();
  ASSERT_TRUE(Delete(IDCANCEL));
  EXPECT_EQ(desktop.MessageBoxes().size(), 1u);
  EXPECT_EQ(RowIds(), ids);
  EXPECT_TRUE(HasCard(ids[0]));
  EXPECT_EQ(MapPoint(ids[0]).stateCode, 32);
  EXPECT_TRUE(MapSelection().empty());
  EXPECT_FALSE(DetailRows().empty());
}

TEST_F(NavList, EditAndADoubleTapOpenTheSelectedCard) {
  const Ids ids = AddCards(3, codes::kKnownPoint);
  StartOnList();
  const std::pair<const char*, std::function<bool()>> ways[] = {
      {"編集", [this] { return desktop.ToolbarCommand(Toolbar(List()), ID_LIST_EDIT); }},
      {"double tap", [this] { return desktop.DoubleTapRow(Cards(), 1); }}};
  for (const auto& [way, open] : ways) {
    ASSERT_TRUE(desktop.SelectRow(Cards(), 1));
    ASSERT_TRUE(open()) << way;
    EXPECT_EQ(CurPointId(), ids[1]) << way;
    EXPECT_EQ(MapSelection(), Ids{ids[1]}) << way;
    EXPECT_TRUE(CardScreenShows()) << way;
    EXPECT_FALSE(desktop.IsVisible(List())) << way;
    desktop.Ui([this] {
      TheNavCard().ShowWindow(SW_HIDE);
      ShowScreen(SCR_LIST);
    });
  }
}

TEST_F(NavList, PositionCentresTheMapOnTheSelectedCardsPoint) {
  const int id = AddPoint(5, u"位置", 40.5, -30.25);
  PutCard(id, EmptyCard(codes::kKnownPoint));
  StartOnList();
  ASSERT_TRUE(desktop.ToolbarCommand(Toolbar(List()), ID_LIST_POSITION));
  const GeopaneMapState state = MapState();
  EXPECT_DOUBLE_EQ(state.centreX, 40.5);
  EXPECT_DOUBLE_EQ(state.centreY, -30.25);
  EXPECT_EQ(MapSelection(), Ids{id});
  EXPECT_EQ(CurPointId(), id);
  EXPECT_EQ(VisibleScreens(), Captions{kPosCheckCaption});
}

TEST_F(NavList, NewStartsAPointWithoutCurrentPointAndPickGoesBackToThePrompt) {
  const Ids ids = AddCards(1, codes::kKnownPoint);
  StartOnList();
  desktop.Ui([&] {
    SetCurPointId(ids[0]);
    MapWin_SetSelId(1, ids.data());
  });
  ASSERT_TRUE(desktop.ToolbarCommand(Toolbar(List()), ID_LIST_NEW));
  EXPECT_EQ(CurPointId(), -1);
  EXPECT_TRUE(MapSelection().empty());
  EXPECT_EQ(VisibleScreens(), Captions{kNewCoordCaption});

  ASSERT_TRUE(desktop.CloseWindow(Window(kNewCoordCaption)));
  ASSERT_EQ(VisibleScreens(), Captions{kListCaption}) << "the list was the last main screen";
  ASSERT_TRUE(desktop.ToolbarCommand(Toolbar(List()), ID_LIST_PICK));
  EXPECT_EQ(VisibleScreens(), Captions{kPickCaption});
}

TEST_F(NavList, FollowingTheCurrentPointSwitchesTheKindOrAppendsItsRow) {
  const Ids known = AddCards(2, codes::kKnownPoint);
  const int block = AddCard(3, codes::kBlockPoint);
  ASSERT_EQ(Start(), 0);

  SetCurrent(block, codes::kBlockPoint);
  desktop.Ui([] { NotifyList(LIST_FOLLOW_CURRENT); });
  EXPECT_EQ(desktop.ComboSelection(KindFilter()), 2);
  EXPECT_EQ(RowIds(), Ids{block});
  EXPECT_EQ(Selection(), 0);

  // A card registered after the list was built comes at the end, selected.
  const int added = AddCard(4, codes::kBlockPoint);
  SetCurrent(added, codes::kBlockPoint);
  desktop.Ui([] { NotifyList(LIST_FOLLOW_CURRENT); });
  EXPECT_EQ(RowIds(), (Ids{block, added}));
  EXPECT_EQ(Column(0), (Texts{u"   1", u"   2"}));
  EXPECT_EQ(Selection(), 1);
  EXPECT_EQ(CountText(), u"登録数：  2");
  EXPECT_EQ(EnabledCommands(List()), kAllCommands);

  SetCurrent(block, codes::kBlockPoint);
  desktop.Ui([] { NotifyList(LIST_FOLLOW_CURRENT); });
  EXPECT_EQ(RowIds(), (Ids{block, added})) << "a listed card is not added again";
  EXPECT_EQ(Selection(), 0);
  (void)known;
}

TEST_F(NavList, RefreshingTheCurrentRowRewritesOnlyItsPointColumns) {
  const Ids ids = AddCards(2, codes::kKnownPoint);
  ASSERT_EQ(Start(), 0);
  const Rows before = CardRows();
  desktop.Ui([&] {
    PntRecord point{};
    ASSERT_EQ(MapdbPnt_Get(ids[1], &point), 0);
    point.name = u"改名";
    point.x = 1.5;
    point.hasZ = 1;
    point.z = 2;
    int id = ids[1];
    MapdbPnt_Put(&id, point);
  });
  SetCurrent(ids[1], codes::kKnownPoint);
  desktop.Ui([] { NotifyList(LIST_REFRESH_CURRENT); });
  EXPECT_EQ(CardRows(), (Rows{before[0], {u"   2", u"    2", u"改名", u"1.500", u"10.000", u"2.000"}}));

  SetCurrent(-1, codes::kKnownPoint);
  desktop.Ui([] { NotifyList(LIST_REFRESH_CURRENT); });
  EXPECT_EQ(CardRows().size(), 2u) << "no row for no current point";
}

}  // namespace
