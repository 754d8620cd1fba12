// Tests of the list screen's detail pane: the rows of each kind with their
// labels and decoded texts (the known point's 有無 rows in screen order, the
// land category without its code, empty texts for codes outside their
// tables), the survey date padded with blanks, two rows per line of sight and
// one per photograph, fields that fill their whole array, and the pane and
// the card commands following List1's selection.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "list_test_support.h"

namespace {

using namespace reconcard_test;

template <size_t N>
void Copy(WCHAR (&field)[N], const char16_t* text) {
  std::copy_n(text, std::char_traits<char16_t>::length(text), field);
}

NavRecord Card(LONG kind, LONG date, const char16_t* remarks, std::initializer_list<LONG> attr) {
  NavRecord card = EmptyCard(kind);
  card.surveyDate = date;
  Copy(card.remarks, remarks);
  std::copy(attr.begin(), attr.end(), card.attr);
  return card;
}

LookEntry Look(const char16_t* direction, LONG sight, LONG clearing) {
  LookEntry look{};
  Copy(look.direction, direction);
  look.sight = sight;
  look.clearing = clearing;
  return look;
}

PhotoEntry Photo(LONG kind, const char16_t* comment) {
  PhotoEntry photo{};
  photo.kind = kind;
  photo.date = 20260507;
  photo.time = 90000;
  Copy(photo.comment, comment);
  return photo;
}

class NavDetail : public ListScreenTest {
 protected:
  // Lists the card on a point of its own as the current one and returns the pane's rows.
  Rows PaneOf(const NavRecord& card, const std::vector<LookEntry>& looks = {},
              const std::vector<PhotoEntry>& photos = {}) {
    const int id = AddPoint(1, u"点", 10, 5);
    PutCard(id, card);
    desktop.Ui([&] {
      MapdbNav_PutLook(id, static_cast<int>(looks.size()), looks.data());
      MapdbNav_PutPhoto(id, static_cast<int>(photos.size()), photos.data());
    });
    SetCurrent(id, card.kind);
    EXPECT_EQ(Start(), 0);
    desktop.Ui([] { NotifyList(LIST_FOLLOW_CURRENT); });
    return DetailRows();
  }
};

using Texts = std::vector<std::u16string>;

// The pane's labels of each kind, in screen order.
const Texts kKnownPointLabels = {u"調査実施日",     u"備考",           u"等級",           u"補修の有無",
                                 u"異常の有無",     u"標識の有無",     u"偏心点の必要性", u"はしごの必要性",
                                 u"三脚台の必要性", u"ロープの必要性", u"基準点の機能",   u"上空の見通状態",
                                 u"伐採の必要性"};
const Texts kBlockRefLabels = {u"調査実施日", u"備考", u"種別",           u"等級",        u"標識区分",
                               u"材質区分",   u"地目", u"上空の見通状態", u"伐採の必要性"};
const Texts kBlockPointLabels = {u"調査実施日", u"備考", u"設置者種別",     u"境界確定方法", u"標識区分",
                                 u"材質区分",   u"地目", u"上空の見通状態", u"伐採の必要性"};

// The rows of a pane: each label beside its text.
Rows Labelled(const Texts& labels, const Texts& texts) {
  EXPECT_EQ(labels.size(), texts.size()) << "a text for each label";
  Rows rows;
  for (size_t row = 0; row < std::min(labels.size(), texts.size()); ++row) rows.push_back({labels[row], texts[row]});
  return rows;
}

TEST_F(NavDetail, EachKindShowsItsRowsInScreenOrderWithDecodedTexts) {
  struct Case {
    const char* name;
    NavRecord card;
    const Texts& labels;
    Texts texts;  // the row of each label in turn
  };
  const Case cases[] = {
      {"known point: 等級 21, 標識 1, 異常 2, 補修 0",
       Card(codes::kKnownPoint, 20240105, u"北側に杭", {21, 1, 2, 0, 1, 2, 0, 1, 2, 3, 0}),
       kKnownPointLabels,
       {u"2024/ 1/ 5", u"北側に杭", u"１級基準点", u"調査対象外", u"なし", u"あり", u"あり", u"なし", u"調査対象外",
        u"あり", u"失われている", u"不能", u"調査対象外"}},
      {"reference point: 地目 83 without its code",
       Card(codes::kBlockRefPoint, 20261231, u"", {10, 0, 5, 6, 83, 2, 1}),
       kBlockRefLabels,
       {u"2026/12/31", u"", u"19条2・5項の認証", u"不明", u"補助点", u"アルミプレート", u"用悪水路", u"可能", u"あり"}},
      {"block point: 標識区分 5 is 構造物 here",
       Card(codes::kBlockPoint, 19991009, u"角", {13, 0, 5, 0, 1, 0, 2}),
       kBlockPointLabels,
       {u"1999/10/ 9", u"角", u"図上測定街区点", u"確定なし", u"構造物", u"不明", u"田", u"調査対象外", u"なし"}},
      {"codes outside their tables: empty texts, rows kept",
       Card(codes::kBlockPoint, -1, u"", {-1, 6, 2, 13, 30, 4, 3}), kBlockPointLabels, Texts(kBlockPointLabels.size())},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PaneOf(c.card), Labelled(c.labels, c.texts)) << c.name;
    desktop.Ui([] { CloseCommand(); });
  }
}

TEST_F(NavDetail, AKnownPointsGradeHasNoTextForZero) {
  const Rows rows = PaneOf(Card(codes::kKnownPoint, 20240105, u"", {0}));
  ASSERT_GE(rows.size(), 3u);
  EXPECT_EQ(rows[2], (std::vector<std::u16string>{u"等級", u""}));
}

TEST_F(NavDetail, LinesOfSightAndPhotographsEndThePaneInStoredOrder) {
  const Rows rows = PaneOf(EmptyCard(codes::kBlockRefPoint), {Look(u"北", 1, 2), Look(u"東", 3, 0)},
                           {Photo(1, u"標識"), Photo(2, u""), Photo(7, u"全景")});
  ASSERT_GE(rows.size(), 7u);
  EXPECT_EQ(Rows(rows.end() - 7, rows.end()), (Rows{{u"見通(北)", u"あり"},
                                                    {u"|---伐採の必要性", u"なし"},
                                                    {u"見通(東)", u"不能"},
                                                    {u"|---伐採の必要性", u"調査対象外"},
                                                    {u"写真1", u"近景(標識)"},
                                                    {u"写真2", u"遠景()"},
                                                    {u"写真3", u"(全景)"}}));
}

TEST_F(NavDetail, TextsThatFillTheirWholeFieldAreShownWhole) {
  NavRecord card = EmptyCard(codes::kKnownPoint);
  std::fill(std::begin(card.remarks), std::end(card.remarks), u'備');
  LookEntry look = Look(u"", 1, 1);
  std::fill(std::begin(look.direction), std::end(look.direction), u'方');
  PhotoEntry photo = Photo(3, u"");
  std::fill(std::begin(photo.comment), std::end(photo.comment), u'写');
  const Rows rows = PaneOf(card, {look}, {photo});
  ASSERT_GE(rows.size(), 4u);
  EXPECT_EQ(rows[1][1], std::u16string(32, u'備'));
  EXPECT_EQ(rows[rows.size() - 3][0], u"見通(" + std::u16string(12, u'方') + u")");
  EXPECT_EQ(rows.back()[1], u"その他(" + std::u16string(32, u'写') + u")");
}

TEST_F(NavDetail, ThePaneAndTheCardCommandsFollowTheSelection) {
  const int first = AddCard(1, codes::kKnownPoint);
  const int second = AddPoint(2, u"点", 20, 10);
  PutCard(second, Card(codes::kKnownPoint, 20260507, u"二番目", {}));
  (void)first;
  StartOnList();
  ASSERT_EQ(desktop.ListSelection(Cards()), 0);
  EXPECT_EQ(DetailRows().at(1).at(1), u"");

  ASSERT_TRUE(desktop.SelectRow(Cards(), 1));
  EXPECT_EQ(DetailRows().at(0).at(1), u"2026/ 5/ 7");
  EXPECT_EQ(DetailRows().at(1).at(1), u"二番目");
  EXPECT_EQ(DetailRows().size(), kKnownPointLabels.size());

  desktop.Ui([this] {
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED;
    ::SendMessageW(Cards(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  });
  EXPECT_TRUE(DetailRows().empty());
  EXPECT_EQ(EnabledCommands(List()), (std::vector<int>{ID_LIST_PICK, ID_LIST_NEW}));
}

}  // namespace
