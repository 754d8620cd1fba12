// Tests of the line-of-sight page hosted on the card screen's stand-in with
// the command's settings on a temporary device: the direction list from the
// fixed four and the remembered directions up to the first gap (bounded
// reads), adding with its numbered row, record and one change notice, the
// three input checks and the limit of five with their messages, captions
// and focus, updating a selected row, deleting with renumbering, the
// remembered directions (item 4 for a new one, the oldest dropped, exact
// matches ignoring case adding nothing) and all twenty keys written at close.
#include <string>
#include <vector>

#include "LookPageDlg.h"
#include "page_test_support.h"

namespace {

using page_test::Notice;
using page_test::SameEntries;
using Strings = std::vector<std::u16string>;
using Table = std::vector<Strings>;

constexpr UINT kStopBox = MB_OK | MB_ICONSTOP;

LookEntry Look(const std::u16string& direction, LONG sight, LONG clearing) {
  LookEntry entry{};
  std::copy(direction.begin(), direction.end(), entry.direction);
  entry.sight = sight;
  entry.clearing = clearing;
  return entry;
}

std::u16string Key(int n) {
  std::u16string key = u"LMemo";
  for (char digit : std::to_string(n)) key += static_cast<char16_t>(digit);
  return key;
}

class LookPage : public page_test::PageTest<LookPageDlg> {
 protected:
  // Keeps the remembered directions under LMemo4 on, then opens the page.
  void Start(const Strings& remembered = {}) {
    for (size_t i = 0; i < remembered.size(); ++i) Keep(Key(static_cast<int>(i) + 4), remembered[i]);
    Open(page_test::kLookColor);
  }
  void Load(const std::vector<LookEntry>& entries) { LoadEntries(entries); }
  std::vector<LookEntry> Stored() { return StoredEntries<LookEntry>(); }
  void Add(const std::u16string& direction, const std::u16string& sight, const std::u16string& clearing) {
    Retype(IDC_LOOK_DIRECTION, direction);
    ASSERT_TRUE(Choose(IDC_LOOK_SIGHT, sight));
    ASSERT_TRUE(Choose(IDC_LOOK_CLEARING, clearing));
    ASSERT_TRUE(Click(IDC_LOOK_ADD));
  }
  Strings Column(int column) {
    Strings texts;
    for (const Strings& row : Rows(IDC_LOOK_ENTRIES)) texts.push_back(row.at(static_cast<size_t>(column)));
    return texts;
  }
};

TEST_F(LookPage, DirectionsAreTheFixedFourThenTheRememberedUpToAnEmptyKey) {
  Keep(u"LMemo0", u"読まれない");
  Keep(u"LMemo7", u"隙間の後");
  Start({u"電柱", u"鉄塔", u""});
  EXPECT_EQ(Items(IDC_LOOK_DIRECTION), (Strings{u"北", u"東", u"南", u"西", u"電柱", u"鉄塔"}));
  EXPECT_EQ(Text(IDC_LOOK_DIRECTION), u"北");
  EXPECT_EQ(Chosen(IDC_LOOK_SIGHT), u"調査対象外");
  EXPECT_EQ(Items(IDC_LOOK_SIGHT), (Strings{u"調査対象外", u"あり", u"可能", u"不能"}));
  EXPECT_EQ(Chosen(IDC_LOOK_CLEARING), u"調査対象外");
  EXPECT_EQ(Items(IDC_LOOK_CLEARING), (Strings{u"調査対象外", u"あり", u"なし"}));
  EXPECT_EQ(Text(IDC_LOOK_ADD), u"▼リストへ追加");
}

TEST_F(LookPage, AMissingKeyEndsTheRememberedAndALongOneArrivesCutToElevenCharacters) {
  Keep(u"LMemo4", u"あいうえおかきくけこさしすせそ");
  Keep(u"LMemo6", u"隙間の後");
  Start();
  EXPECT_EQ(Items(IDC_LOOK_DIRECTION), (Strings{u"北", u"東", u"南", u"西", u"あいうえおかきくけこさ"}));
}

TEST_F(LookPage, AddingShowsANumberedRowStoresTheEntryAndPostsOneNotice) {
  Start();
  Load({});
  Add(u"電柱", u"可能", u"あり");
  EXPECT_EQ(Rows(IDC_LOOK_ENTRIES), (Table{{u" 1", u"電柱", u"可能", u"あり"}}));
  EXPECT_TRUE(SameEntries<LookEntry>(Stored(), {Look(u"電柱", 2, 1)}));
  EXPECT_EQ(Notices(), std::vector<WPARAM>{Notice(IDD_LOOKPAGE)});
  EXPECT_EQ(FocusId(), IDC_LOOK_DIRECTION);
  EXPECT_TRUE(Boxes().empty());

  ASSERT_TRUE(Choose(IDC_LOOK_DIRECTION, u"西"));
  ASSERT_TRUE(Click(IDC_LOOK_ADD));
  EXPECT_EQ(Rows(IDC_LOOK_ENTRIES).back(), (Strings{u" 2", u"西", u"可能", u"あり"}));
  EXPECT_EQ(Notices().size(), 2u);
}

TEST_F(LookPage, EachInputCheckRefusesWithItsMessageAndFocusesItsField) {
  Start();
  struct Case {
    std::vector<LookEntry> loaded;  // row 0 is selected when there is one
    std::u16string message;
    int focused;
  };
  const Case cases[] = {
      {{}, u"見通方向を入力してください。", IDC_LOOK_DIRECTION},
      {{Look(u"東", 5, 1)}, u"見通状況を選択してください。", IDC_LOOK_SIGHT},
      {{Look(u"東", 1, 7)}, u"伐採等の必要性を選択してください。", IDC_LOOK_CLEARING},
  };
  for (const Case& c : cases) {
    Load(c.loaded);
    if (c.loaded.empty()) {
      Retype(IDC_LOOK_DIRECTION, u"");
    } else {
      ASSERT_TRUE(SelectRow(IDC_LOOK_ENTRIES, 0));
    }
    ClearNotices();
    const size_t boxes = Boxes().size();
    desktop.QueueAnswer(IDOK);
    ASSERT_TRUE(Click(IDC_LOOK_ADD));
    ASSERT_EQ(Boxes().size(), boxes + 1);
    EXPECT_EQ(Boxes().back(), (std::pair<std::u16string, std::u16string>{u"入力エラー", c.message}));
    EXPECT_EQ(desktop.MessageBoxes().back().type, kStopBox);
    EXPECT_EQ(FocusId(), c.focused);
    EXPECT_TRUE(SameEntries(Stored(), c.loaded)) << "nothing changed";
    EXPECT_TRUE(Notices().empty());
  }
}

TEST_F(LookPage, SelectingARowShowsItsEntryAndOffersUpdateAndDelete) {
  Start();
  Load({Look(u"東", 1, 2), Look(u"南", 5, 9)});
  EXPECT_EQ(Rows(IDC_LOOK_ENTRIES), (Table{{u" 1", u"東", u"あり", u"なし"}, {u" 2", u"南", u"", u""}}));
  EXPECT_EQ(Text(IDC_LOOK_ADD), u"▼リストへ追加");
  EXPECT_FALSE(Enabled(IDC_LOOK_DELETE));

  ASSERT_TRUE(SelectRow(IDC_LOOK_ENTRIES, 0));
  EXPECT_EQ(Text(IDC_LOOK_DIRECTION), u"東");
  EXPECT_EQ(Chosen(IDC_LOOK_SIGHT), u"あり");
  EXPECT_EQ(Chosen(IDC_LOOK_CLEARING), u"なし");
  EXPECT_EQ(Text(IDC_LOOK_ADD), u"▼データ更新");
  EXPECT_TRUE(Enabled(IDC_LOOK_DELETE));

  ASSERT_TRUE(SelectRow(IDC_LOOK_ENTRIES, 1));
  EXPECT_EQ(Text(IDC_LOOK_DIRECTION), u"南");
  EXPECT_EQ(Chosen(IDC_LOOK_SIGHT), u"") << "a code outside the table";
  EXPECT_EQ(Chosen(IDC_LOOK_CLEARING), u"");
}

TEST_F(LookPage, FiveEntriesRefuseASixthButUpdatingOneStillWorks) {
  Start();
  const std::vector<LookEntry> five = {Look(u"北", 1, 1), Look(u"東", 1, 1), Look(u"南", 1, 1), Look(u"西", 1, 1),
                                       Look(u"電柱", 1, 1)};
  Load(five);
  desktop.QueueAnswer(IDOK);
  Add(u"鉄塔", u"あり", u"なし");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes().back(),
            (std::pair<std::u16string, std::u16string>{u"制限エラー", u"見通状況は、最大５件まで登録できます。"}));
  EXPECT_EQ(desktop.MessageBoxes().back().type, kStopBox);
  EXPECT_TRUE(SameEntries(Stored(), five));
  EXPECT_TRUE(Notices().empty());
  EXPECT_EQ(Items(IDC_LOOK_DIRECTION).size(), 4u) << "a refused direction is not remembered";

  ASSERT_TRUE(SelectRow(IDC_LOOK_ENTRIES, 1));
  ASSERT_TRUE(Choose(IDC_LOOK_SIGHT, u"不能"));
  ASSERT_TRUE(Click(IDC_LOOK_ADD));
  std::vector<LookEntry> updated = five;
  updated[1] = Look(u"東", 3, 1);
  EXPECT_TRUE(SameEntries(Stored(), updated));
  EXPECT_EQ(Rows(IDC_LOOK_ENTRIES)[1], (Strings{u" 2", u"東", u"不能", u"あり"}));
  EXPECT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Notices(), std::vector<WPARAM>{Notice(IDD_LOOKPAGE)});
}

TEST_F(LookPage, DeletingARowRenumbersTheRestAndOffersAddAgain) {
  Start();
  Load({Look(u"北", 1, 1), Look(u"東", 2, 1), Look(u"南", 3, 1), Look(u"西", 0, 2)});
  ASSERT_TRUE(SelectRow(IDC_LOOK_ENTRIES, 1));
  ASSERT_TRUE(Click(IDC_LOOK_DELETE));
  EXPECT_EQ(Column(0), (Strings{u" 1", u" 2", u" 3"}));
  EXPECT_EQ(Column(1), (Strings{u"北", u"南", u"西"}));
  EXPECT_TRUE(SameEntries<LookEntry>(Stored(), {Look(u"北", 1, 1), Look(u"南", 3, 1), Look(u"西", 0, 2)}));
  EXPECT_EQ(Notices(), std::vector<WPARAM>{Notice(IDD_LOOKPAGE)});
  EXPECT_EQ(FocusId(), IDC_LOOK_DIRECTION);
  EXPECT_EQ(Text(IDC_LOOK_ADD), u"▼リストへ追加") << "no row is selected any more";
  EXPECT_FALSE(Enabled(IDC_LOOK_DELETE));
}

TEST_F(LookPage, ANewDirectionBecomesItemFourAndTheOldestRememberedIsDropped) {
  Strings sixteen;
  for (int i = 1; i <= 16; ++i) sixteen.push_back(u"方向" + std::u16string(1, u'a' + i));
  Start(sixteen);
  Load({});
  ASSERT_EQ(Items(IDC_LOOK_DIRECTION).size(), 20u);
  Add(u"北", u"あり", u"あり");
  Add(u"方向C", u"あり", u"あり");  // 方向c is remembered: the same but for letter case
  EXPECT_EQ(Items(IDC_LOOK_DIRECTION).size(), 20u);
  EXPECT_EQ(Items(IDC_LOOK_DIRECTION)[4], sixteen[0]);

  Add(u"鉄塔", u"あり", u"あり");
  const Strings items = Items(IDC_LOOK_DIRECTION);
  ASSERT_EQ(items.size(), 20u);
  EXPECT_EQ(items[4], u"鉄塔");
  EXPECT_EQ(items[5], sixteen[0]);
  EXPECT_EQ(items[19], sixteen[14]) << "the oldest remembered one is gone";
  EXPECT_EQ(Column(1), (Strings{u"北", u"方向C", u"鉄塔"}));
}

TEST_F(LookPage, AtCloseAllTwentyKeysHoldTheListWithEmptyTextsForMissingItems) {
  Keep(u"LMemo10", u"古い値");
  Start({u"a", u"b"});
  Load({});
  Add(u"c", u"あり", u"なし");
  Close();
  const Strings expected = {u"北", u"東", u"南", u"西", u"c", u"a", u"b"};
  for (int n = 0; n < 20; ++n)
    EXPECT_EQ(Kept(Key(n)), n < static_cast<int>(expected.size()) ? expected[static_cast<size_t>(n)] : u"") << n;
  EXPECT_EQ(Kept(u"LMemo20"), u"<missing>");
}

}  // namespace
