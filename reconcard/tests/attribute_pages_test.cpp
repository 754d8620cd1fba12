// Tests of the three attribute pages hosted on the card screen's stand-in:
// a new card shows every list empty and stores -1 only in the slots of its
// kind; each list offers its code table in order and a choice lands in the
// list's slot (the known point's crosswise slots included) with exactly one
// change notice; codes that no item carries show no selection and store -1;
// and the lists as the description gives them (地目, 標識区分, 境界確定方法,
// 設置者種別, the known point's 等級, 基準点の機能 and 上空の見通状態).
#include <codetables.h>

#include <string>
#include <vector>

#include "BlockPointPageDlg.h"
#include "BlockRefPageDlg.h"
#include "KnownPointPageDlg.h"
#include "page_test_support.h"

namespace {

using page_test::Notice;

// A drop-down list of a page: its control, the card's code slot it sets and its codes.
struct CodeList {
  int id;
  int slot;
  CodeTable table;
};

// Each page's template and drop-down lists.
template <class Page>
struct PageTraits;

template <>
struct PageTraits<KnownPointPageDlg> {
  static constexpr UINT kTemplate = IDD_KNOWNPAGE;
  static std::vector<CodeList> Lists() {
    return {{1023, 0, codes::kKnownGrade}, {1024, 3, codes::kPresence}, {1025, 2, codes::kPresence},
            {1026, 1, codes::kPresence},   {1027, 4, codes::kPresence}, {1028, 5, codes::kPresence},
            {1029, 6, codes::kPresence},   {1030, 7, codes::kPresence}, {1031, 8, codes::kFunction},
            {1032, 9, codes::kSight},      {1033, 10, codes::kPresence}};
  }
};

template <>
struct PageTraits<BlockRefPageDlg> {
  static constexpr UINT kTemplate = IDD_BLOCKREFPAGE;
  static std::vector<CodeList> Lists() {
    return {{1023, 0, codes::kRefType},      {1024, 1, codes::kRefGrade}, {1025, 2, codes::kRefMark},
            {1026, 3, codes::kMaterial},     {1027, 4, codes::kLandCategory}, {1028, 5, codes::kSight},
            {1029, 6, codes::kPresence}};
  }
};

template <>
struct PageTraits<BlockPointPageDlg> {
  static constexpr UINT kTemplate = IDD_BLOCKPOINTPAGE;
  static std::vector<CodeList> Lists() {
    return {{1023, 0, codes::kInstaller},    {1024, 1, codes::kBoundary}, {1025, 2, codes::kBlockMark},
            {1026, 3, codes::kMaterial},     {1027, 4, codes::kLandCategory}, {1028, 5, codes::kSight},
            {1029, 6, codes::kPresence}};
  }
};

NavRecord CardWith(LONG code) {
  NavRecord card{};
  for (LONG& slot : card.attr) slot = code;
  return card;
}

std::vector<std::u16string> LabelsOf(CodeTable table) {
  std::vector<std::u16string> labels;
  for (const CodeItem& item : table) labels.push_back(item.label);
  return labels;
}

// A code in a slot that no item of the slot's list carries.
struct Unknown {
  int id;
  int slot;
  LONG code;
};

template <class Page>
class AttributePage : public page_test::PageTest<Page> {
 protected:
  void SetUp() override {
    page_test::PageTest<Page>::SetUp();
    this->Open(page_test::kAttrColor);
  }
  void Load(const NavRecord& card) {
    this->desktop.Ui([&] { this->page->LoadCodes(card); });
  }
  // The codes the page stores into a card whose slots all hold filler.
  NavRecord Stored(LONG filler = 77) {
    NavRecord card = CardWith(filler);
    this->desktop.Ui([&] { this->page->StoreCodes(card); });
    return card;
  }
  void ExpectUnknownCodesShowEmptyAndStoreMinusOne(std::initializer_list<Unknown> cases) {
    for (const Unknown& c : cases) {
      NavRecord card = CardWith(-1);
      card.attr[c.slot] = c.code;
      Load(card);
      EXPECT_EQ(this->Chosen(c.id), u"") << "code " << c.code;
      EXPECT_EQ(Stored().attr[c.slot], -1) << "code " << c.code;
    }
  }
};

using Pages = ::testing::Types<KnownPointPageDlg, BlockRefPageDlg, BlockPointPageDlg>;
TYPED_TEST_SUITE(AttributePage, Pages);

TYPED_TEST(AttributePage, ANewCardShowsEveryListEmptyAndStoresMinusOneInItsSlotsOnly) {
  this->Load(CardWith(-1));
  std::vector<bool> used(codes::kAttrSlots, false);
  for (const CodeList& list : PageTraits<TypeParam>::Lists()) {
    EXPECT_EQ(this->Chosen(list.id), u"") << list.id;
    used[list.slot] = true;
  }
  const NavRecord stored = this->Stored();
  for (int slot = 0; slot < codes::kAttrSlots; ++slot)
    EXPECT_EQ(stored.attr[slot], used[slot] ? -1 : 77) << "slot " << slot;
  EXPECT_TRUE(this->Notices().empty()) << "loading is no change of the user";
}

TYPED_TEST(AttributePage, EachListOffersItsTableInOrderAndAChoiceLandsInItsSlotWithOneNotice) {
  this->Load(CardWith(-1));
  size_t choices = 0;
  for (const CodeList& list : PageTraits<TypeParam>::Lists()) {
    ASSERT_EQ(this->Items(list.id), LabelsOf(list.table)) << list.id;
    for (const CodeItem& item : list.table) {
      ASSERT_TRUE(this->Choose(list.id, item.label));
      ++choices;
      EXPECT_EQ(this->Stored().attr[list.slot], item.code) << list.id;
      EXPECT_EQ(this->Notices().size(), choices) << "one notice per new selection in " << list.id;
    }
    NavRecord card = CardWith(-1);
    card.attr[list.slot] = list.table.front().code;
    this->Load(card);
    EXPECT_EQ(this->Chosen(list.id), list.table.front().label) << "loaded by its code: " << list.id;
  }
  EXPECT_EQ(this->Notices(), std::vector<WPARAM>(choices, Notice(PageTraits<TypeParam>::kTemplate)));
}

TYPED_TEST(AttributePage, ChoosingTheChosenItemAgainOrLoadingPostsNoNotice) {
  const CodeList list = PageTraits<TypeParam>::Lists().back();
  ASSERT_TRUE(this->Choose(list.id, list.table.back().label));
  ASSERT_TRUE(this->Choose(list.id, list.table.back().label));
  this->Load(CardWith(list.table.front().code));
  EXPECT_EQ(this->Notices(), std::vector<WPARAM>{Notice(PageTraits<TypeParam>::kTemplate)});
}

// ---- the pages one by one ----

using KnownPage = AttributePage<KnownPointPageDlg>;
using BlockRefPage = AttributePage<BlockRefPageDlg>;
using BlockPointPage = AttributePage<BlockPointPageDlg>;

TEST_F(KnownPage, TheRepairListFillsSlotThreeAndTheMarkerListSlotOne) {
  this->Load(CardWith(-1));
  ASSERT_TRUE(Choose(IDC_KNOWN_REPAIR, u"あり"));
  NavRecord stored = Stored();
  EXPECT_EQ(stored.attr[3], 1);
  EXPECT_EQ(stored.attr[1], -1);
  EXPECT_EQ(stored.attr[2], -1);

  NavRecord card = CardWith(-1);
  card.attr[1] = 1;  // 標識の有無 あり
  card.attr[2] = 0;  // 異常の有無 調査対象外
  card.attr[3] = 2;  // 補修の有無 なし
  this->Load(card);
  EXPECT_EQ(Chosen(IDC_KNOWN_REPAIR), u"なし");
  EXPECT_EQ(Chosen(IDC_KNOWN_ANOMALY), u"調査対象外");
  EXPECT_EQ(Chosen(IDC_KNOWN_MARKER), u"あり");
  stored = Stored();
  EXPECT_EQ(std::vector<LONG>(stored.attr + 1, stored.attr + 4), (std::vector<LONG>{1, 0, 2}));
}

TEST_F(KnownPage, TheListsReadAsDescribed) {
  EXPECT_EQ(Items(IDC_KNOWN_GRADE),
            (std::vector<std::u16string>{u"電子基準点", u"１等三角点", u"２等三角点", u"３等三角点", u"４等三角点",
                                         u"１級基準点", u"２級基準点", u"３級基準点", u"４級基準点"}));
  EXPECT_EQ(Items(IDC_KNOWN_SKY), (std::vector<std::u16string>{u"調査対象外", u"あり", u"可能", u"不能"}));
  EXPECT_EQ(Items(IDC_KNOWN_FUNCTION),
            (std::vector<std::u16string>{u"調査対象外", u"失われていない", u"失われている"}));
  EXPECT_EQ(Items(IDC_KNOWN_ROPE), (std::vector<std::u16string>{u"調査対象外", u"あり", u"なし"}));
}

TEST_F(KnownPage, GradesOutsideTheTableShowEmptyAndStoreMinusOne) {
  ExpectUnknownCodesShowEmptyAndStoreMinusOne(
      {{IDC_KNOWN_GRADE, 0, 15}, {IDC_KNOWN_GRADE, 0, 20}, {IDC_KNOWN_GRADE, 0, 0},
              {IDC_KNOWN_FUNCTION, 8, 3}, {IDC_KNOWN_CLEARING, 10, 9}});
}

TEST_F(BlockRefPage, LandCategoryRunsInColumnOrderAndTheItemsStoreTheirCodes) {
  this->Load(CardWith(-1));
  const std::vector<std::u16string> items = Items(IDC_BLOCKREF_LANDUSE);
  ASSERT_EQ(items.size(), 37u) << "1 to 24, 0, 81 to 92";
  EXPECT_EQ(items[0], u" 1:田");
  EXPECT_EQ(items[23], u"24:その他");
  EXPECT_EQ(items[24], u" 0:不明等");
  EXPECT_EQ(items[25], u"81:道路");
  EXPECT_EQ(items[36], u"92:その他");
  struct Choice {
    int id;
    std::u16string item;
    int slot;
    LONG code;
  };
  const Choice choices[] = {
      {IDC_BLOCKREF_LANDUSE, u" 0:不明等", 4, 0}, {IDC_BLOCKREF_LANDUSE, u"24:その他", 4, 24},
      {IDC_BLOCKREF_LANDUSE, u"92:その他", 4, 92}, {IDC_BLOCKREF_TYPE, u"不明", 0, 0},
      {IDC_BLOCKREF_GRADE, u"不明", 1, 0},         {IDC_BLOCKREF_MARKER, u"不明", 2, 0},
      {IDC_BLOCKREF_MARKER, u"補助点", 2, 5},      {IDC_BLOCKREF_MATERIAL, u"その他", 3, 12},
      {IDC_BLOCKREF_MATERIAL, u"不明", 3, 0},
  };
  for (const Choice& c : choices) {
    ASSERT_TRUE(Choose(c.id, c.item));
    EXPECT_EQ(Stored().attr[c.slot], c.code) << c.id;
  }
  ExpectUnknownCodesShowEmptyAndStoreMinusOne({{IDC_BLOCKREF_LANDUSE, 4, 25}, {IDC_BLOCKREF_LANDUSE, 4, 80}});
}

TEST_F(BlockPointPage, MarkerHasNoCodeTwoAndAStoredTwoBecomesMinusOne) {
  EXPECT_EQ(Items(IDC_BLOCKPOINT_MARKER),
            (std::vector<std::u16string>{u"非埋標", u"永久標識", u"その他", u"構造物", u"不明"}));
  ExpectUnknownCodesShowEmptyAndStoreMinusOne({{IDC_BLOCKPOINT_MARKER, 2, 2}});
  NavRecord card = CardWith(-1);
  card.attr[2] = 5;
  this->Load(card);
  EXPECT_EQ(Chosen(IDC_BLOCKPOINT_MARKER), u"構造物") << "code 5 of an urban-block point";
}

TEST_F(BlockPointPage, BoundaryListsNoneLastAndOwnerRunsFromTheStateToUnknown) {
  const std::vector<std::u16string> boundary = Items(IDC_BLOCKPOINT_BOUNDARY);
  ASSERT_EQ(boundary.size(), 6u);
  EXPECT_EQ(boundary.back(), u"確定なし");
  ASSERT_TRUE(Choose(IDC_BLOCKPOINT_BOUNDARY, u"確定なし"));
  EXPECT_EQ(Stored().attr[1], 0);
  EXPECT_EQ(Items(IDC_BLOCKPOINT_OWNER),
            (std::vector<std::u16string>{u"国", u"都", u"道", u"府", u"県", u"市", u"区", u"町", u"村", u"区画整理組合",
                                         u"民", u"構造物", u"図上測定街区点", u"その他", u"不明"}));
}

}  // namespace
