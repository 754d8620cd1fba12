// Tests of the card screen: a new card's defaults and a close that asks
// nothing, a card registered whole (codes, lines of sight, photos, today's
// date, the point re-marked and selected), an existing card loaded and
// registered again, emptied lists deleted, the close check on date,
// remarks and page changes, Enter, the kept tab, a stored date the screen
// cannot show, and a card that cannot be written.
#include <codetables.h>
#include <gtest/gtest.h>
#include <plat/system.h>

#include <cstring>

#include "NavCardDlg.h"
#include "resource.h"
#include "screen_test_support.h"

namespace {

using namespace reconcard_test;

constexpr char16_t kDiscardQuestion[] = u"踏査カードの内容が変更\nされています。\n破棄してもよろしいですか？";

class CardScreen : public ScreenTest {
 protected:
  void PrepareDevice() override {
    plat::UseManualClock(SYSTEMTIME{2026, 12, 0, 11, 10, 30, 0, 0});  // 2026/12/11 10:30:00
  }
  void TearDown() override {
    ScreenTest::TearDown();
    plat::UseRealClock();
  }

  int AddPoint(LONG number, const char16_t* name) {
    return ScreenTest::AddPoint(MakePoint(number, name, 100.0 + number, 200.0));
  }
  static NavRecord CardOf(LONG kind, LONG date, const char16_t* remarks) {
    NavRecord card{};
    card.kind = kind;
    card.origin = 1;
    card.surveyDate = date;
    std::memcpy(card.remarks, remarks, std::char_traits<char16_t>::length(remarks) * sizeof(WCHAR));
    for (LONG& code : card.attr) code = -1;
    return card;
  }
  // Starts the command and opens the card screen on point id, as the pick
  // prompt does after a pick.
  HWND OpenCard(int id, int kind = 0) {
    if (!Window(kPickCaption)) Start();
    HWND prompt = Window(kPickCaption);
    desktop.Ui([prompt, id, kind] {
      if (kind) SetCurKind(kind);
      SetCurPointId(id);
      ::ShowWindow(prompt, SW_HIDE);
      ShowScreen(SCR_CARD);
    });
    return Card();
  }
  HWND Card() { return desktop.Ui([] { return TheNavCard().GetSafeHwnd(); }); }
  HWND Item(int id) {
    HWND card = Card();
    return desktop.Ui([card, id] { return ::GetDlgItem(card, id); });
  }
  // The page holding a control only it has.
  HWND PageWith(int id) {
    HWND control = desktop.FindControl(Card(), id);
    return desktop.Ui([control] { return ::GetParent(control); });
  }
  HWND VisiblePage() {
    HWND card = Card();
    return desktop.Ui([card] {
      for (HWND child = ::GetWindow(card, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child) && ::GetDlgCtrlID(child) == 0 && ::GetWindow(child, GW_CHILD)) return child;
      }
      return HWND{};
    });
  }
  NavRecord StoredCard(int id) {
    NavRecord card{};
    EXPECT_EQ(desktop.Ui([&] { return MapdbNav_Get(id, &card); }), 0);
    return card;
  }
  int StoredCount(int id, int (*count)(int, int*)) {
    int stored = -1;
    desktop.Ui([&] { count(id, &stored); });
    return stored;
  }
  void AddLook(const char16_t* direction) {
    HWND page = PageWith(IDC_LOOK_CLEARING);
    ASSERT_TRUE(desktop.Choose(desktop.FindControl(page, IDC_LOOK_DIRECTION), direction));
    ASSERT_TRUE(desktop.Choose(desktop.FindControl(page, IDC_LOOK_SIGHT), u"可能"));
    ASSERT_TRUE(desktop.Choose(desktop.FindControl(page, IDC_LOOK_CLEARING), u"なし"));
    ASSERT_TRUE(desktop.Click(desktop.FindControl(page, IDC_LOOK_ADD)));
  }
  void AddPhoto() {
    HWND page = PageWith(IDC_PHOTO_NEAR);
    ASSERT_TRUE(desktop.Click(desktop.FindControl(page, IDC_PHOTO_NEAR)));
    ASSERT_TRUE(desktop.Click(desktop.FindControl(page, IDC_PHOTO_ADD)));
  }
  void Close() { ASSERT_TRUE(desktop.CloseWindow(Card())); }
  size_t Boxes() const { return desktop.MessageBoxes().size(); }
};

TEST_F(CardScreen, APointWithoutACardOpensANewCardAndClosingAtOnceAsksNothing) {
  const int id = AddPoint(7, u"西公園");
  HWND card = OpenCard(id, codes::kBlockRefPoint);
  EXPECT_TRUE(desktop.IsVisible(card));
  EXPECT_TRUE(desktop.Ui([card] { return ::IsZoomed(card); }));
  EXPECT_EQ(desktop.Text(card), u"街区基準点踏査カード");
  EXPECT_EQ(desktop.Text(Item(IDC_CARD_POINTLABEL)), u"    7:西公園");
  SYSTEMTIME date{};
  EXPECT_EQ(desktop.DatePickerValue(Item(IDC_CARD_DATE), &date), GDT_NONE);
  EXPECT_EQ(desktop.Text(Item(IDC_CARD_REMARKS)), u"");
  HWND attributes = VisiblePage();
  ASSERT_NE(attributes, nullptr);
  EXPECT_EQ(desktop.ComboItems(desktop.FindControl(attributes, IDC_BLOCKREF_TYPE)).front(), u"基本三角点");
  for (int list = IDC_BLOCKREF_TYPE; list <= IDC_BLOCKREF_CLEARING; ++list) {
    EXPECT_EQ(desktop.ComboSelection(desktop.FindControl(attributes, list)), -1) << list;
  }
  Close();
  EXPECT_EQ(Boxes(), 0u);
  EXPECT_FALSE(desktop.IsVisible(card));
  EXPECT_EQ(VisibleScreens(), std::vector<std::u16string>{kPickCaption});
  EXPECT_NE(desktop.Ui([id] {
              NavRecord stored{};
              return MapdbNav_Get(id, &stored);
            }),
            0)
      << "opening does not create a card";
}

TEST_F(CardScreen, RegisteringANewCardStoresItWholeAndReMarksThePoint) {
  const int id = AddPoint(12, u"街区点");
  OpenCard(id, codes::kBlockPoint);
  HWND attributes = VisiblePage();
  ASSERT_TRUE(desktop.Choose(desktop.FindControl(attributes, IDC_BLOCKREF_TYPE), u"市"));         // slot 0, S3 6
  ASSERT_TRUE(desktop.Choose(desktop.FindControl(attributes, IDC_BLOCKREF_LANDUSE), u"83:用悪水路"));  // slot 4
  ASSERT_TRUE(desktop.SelectTab(Item(IDC_CARD_TABS), 1));
  AddLook(u"東");
  ASSERT_TRUE(desktop.SelectTab(Item(IDC_CARD_TABS), 2));
  AddPhoto();
  ASSERT_TRUE(desktop.Type(Item(IDC_CARD_REMARKS), u"縁石脇"));
  ASSERT_TRUE(desktop.Click(Item(IDC_CARD_REGISTER)));

  const NavRecord card = StoredCard(id);
  EXPECT_EQ(card.surveyed, 1);
  EXPECT_EQ(card.kind, codes::kBlockPoint);
  EXPECT_EQ(card.origin, 2);
  EXPECT_EQ(card.surveyDate, 20261211) << "no date on the screen: today";
  EXPECT_EQ(std::u16string(card.remarks), u"縁石脇");
  const LONG expected[11] = {6, -1, -1, -1, 83, -1, -1, -1, -1, -1, -1};
  for (int slot = 0; slot < 11; ++slot) EXPECT_EQ(card.attr[slot], expected[slot]) << slot;
  ASSERT_EQ(StoredCount(id, MapdbNav_CntLook), 1);
  ASSERT_EQ(StoredCount(id, MapdbNav_CntPhoto), 1);
  LookEntry look{};
  PhotoEntry photo{};
  desktop.Ui([&] {
    MapdbNav_GetLook(id, &look);
    MapdbNav_GetPhoto(id, &photo);
  });
  EXPECT_EQ(std::u16string(look.direction), u"東");
  EXPECT_EQ(look.sight, 2);
  EXPECT_EQ(look.clearing, 2);
  EXPECT_EQ(photo.kind, 1);
  EXPECT_EQ(photo.date, 20261211);
  EXPECT_EQ(photo.time, 103000);

  PntRecord point{};
  desktop.Ui([&] { MapdbPnt_Get(id, &point); });
  EXPECT_EQ(point.classCode, 3);
  EXPECT_EQ(point.stateCode, 11);
  EXPECT_EQ(std::u16string(point.name), u"街区点");
  EXPECT_EQ(MapSelection(), std::vector<int>{id});
  EXPECT_EQ(desktop.Ui([] { return GetCurKind(); }), codes::kBlockPoint);
  EXPECT_FALSE(desktop.IsVisible(Card()));
  EXPECT_EQ(VisibleScreens(), std::vector<std::u16string>{kPickCaption}) << "back to the previous main screen";
  EXPECT_EQ(Boxes(), 0u);
}

TEST_F(CardScreen, AnExistingCardLoadsAndKeepsItsOriginAndEmptiedListsAreDeleted) {
  const int id = AddPoint(3, u"既知");
  NavRecord stored = CardOf(codes::kKnownPoint, 20240105, u"前回");
  stored.attr[0] = 21;  // grade
  stored.attr[3] = 0;   // repair, shown in the page's first 有無 list
  stored.attr[8] = 7;   // not in table F
  LookEntry look{};
  std::memcpy(look.direction, u"南", sizeof(char16_t));
  look.sight = 1;
  look.clearing = 1;
  desktop.Ui([&] {
    MapdbNav_Put(id, stored);
    MapdbNav_PutLook(id, 1, &look);
  });
  HWND card = OpenCard(id, codes::kBlockPoint);
  EXPECT_EQ(desktop.Text(card), u"既知点踏査カード");
  EXPECT_EQ(desktop.Ui([] { return GetCurKind(); }), codes::kKnownPoint) << "the card's kind becomes current";
  SYSTEMTIME date{};
  ASSERT_EQ(desktop.DatePickerValue(Item(IDC_CARD_DATE), &date), GDT_VALID);
  EXPECT_EQ(date.wYear * 10000 + date.wMonth * 100 + date.wDay, 20240105);
  EXPECT_EQ(desktop.Text(Item(IDC_CARD_REMARKS)), u"前回");

  ASSERT_TRUE(desktop.SelectTab(Item(IDC_CARD_TABS), 1));
  HWND looks = PageWith(IDC_LOOK_CLEARING);
  ASSERT_EQ(desktop.ListRows(desktop.FindControl(looks, IDC_LOOK_ENTRIES)).size(), 1u);
  ASSERT_TRUE(desktop.SelectRow(desktop.FindControl(looks, IDC_LOOK_ENTRIES), 0));
  desktop.QueueAnswer(IDOK);
  ASSERT_TRUE(desktop.Click(desktop.FindControl(looks, IDC_LOOK_DELETE)));
  ASSERT_TRUE(desktop.Click(Item(IDC_CARD_REGISTER)));

  const NavRecord card2 = StoredCard(id);
  EXPECT_EQ(card2.origin, 1) << "kept by every save";
  EXPECT_EQ(card2.surveyDate, 20240105);
  EXPECT_EQ(card2.attr[0], 21);
  EXPECT_EQ(card2.attr[3], 0);
  EXPECT_EQ(card2.attr[8], -1) << "a code no item carries is stored as none";
  EXPECT_EQ(StoredCount(id, MapdbNav_CntLook), 0);
  PntRecord point{};
  desktop.Ui([&] { MapdbPnt_Get(id, &point); });
  EXPECT_EQ(point.classCode, 8);
  EXPECT_EQ(point.stateCode, 11);
}

TEST_F(CardScreen, TheCloseAsksOnlyWhenDateRemarksOrAPageDiffer) {
  const int id = AddPoint(5, u"P");
  desktop.Ui([&] { MapdbNav_Put(id, CardOf(codes::kBlockRefPoint, 20240301, u"備考")); });
  struct Case {
    const char* what;
    std::function<void()> edit;
    bool asks;
  };
  const Case cases[] = {
      {"nothing", [] {}, false},
      {"date", [&] { desktop.SetDate(Item(IDC_CARD_DATE), 20240302); }, true},
      {"date and back", [&] {
         desktop.SetDate(Item(IDC_CARD_DATE), 20240302);
         desktop.SetDate(Item(IDC_CARD_DATE), 20240301);
       }, false},
      {"date cleared", [&] { desktop.SetDateChecked(Item(IDC_CARD_DATE), false); }, true},
      {"remarks", [&] { desktop.Type(Item(IDC_CARD_REMARKS), u"追"); }, true},
      {"remarks and back", [&] {
         desktop.Type(Item(IDC_CARD_REMARKS), u"追");
         desktop.PressKey(VK_BACK);
       }, false},
      {"an attribute", [&] { desktop.Choose(desktop.FindControl(VisiblePage(), IDC_BLOCKREF_GRADE), 1); }, true},
  };
  for (const Case& c : cases) {
    HWND card = OpenCard(id);
    c.edit();
    const size_t before = Boxes();
    if (c.asks) desktop.QueueAnswer(IDCANCEL);
    Close();
    if (!c.asks) {
      EXPECT_EQ(Boxes(), before) << c.what;
      EXPECT_FALSE(desktop.IsVisible(card)) << c.what;
      continue;
    }
    ASSERT_EQ(Boxes(), before + 1) << c.what;
    EXPECT_EQ(desktop.MessageBoxes().back().text, kDiscardQuestion);
    EXPECT_EQ(desktop.MessageBoxes().back().caption, u"確認");
    EXPECT_TRUE(desktop.IsVisible(card)) << c.what << ": Cancel keeps the screen";
    desktop.QueueAnswer(IDOK);
    Close();
    EXPECT_FALSE(desktop.IsVisible(card)) << c.what << ": OK discards";
  }
  const NavRecord stored = StoredCard(id);
  EXPECT_EQ(stored.surveyDate, 20240301) << "nothing was written";
  EXPECT_EQ(std::u16string(stored.remarks), u"備考");
}

TEST_F(CardScreen, EnterDoesNothingOnTheScreenAndMovesOnFromTheDate) {
  const int id = AddPoint(5, u"P");
  HWND card = OpenCard(id, codes::kKnownPoint);
  ASSERT_TRUE(desktop.PressKey(VK_RETURN));  // right after opening: no button has the focus
  EXPECT_EQ(VisibleScreens(), std::vector<std::u16string>{u"既知点踏査カード"});
  ASSERT_TRUE(desktop.Click(Item(IDC_CARD_DATE)));
  ASSERT_EQ(desktop.FocusWindow(), Item(IDC_CARD_DATE));
  ASSERT_TRUE(desktop.PressKey(VK_RETURN));
  EXPECT_NE(desktop.FocusWindow(), Item(IDC_CARD_DATE)) << "Enter acts as Tab on the date";
  ASSERT_TRUE(desktop.Click(Item(IDC_CARD_REMARKS)));
  ASSERT_TRUE(desktop.PressKey(VK_RETURN));
  EXPECT_TRUE(desktop.IsVisible(card));
  EXPECT_EQ(Boxes(), 0u);
}

TEST_F(CardScreen, TheSelectedTabStaysForTheNextCardAndShowsThatKindsPage) {
  const int known = AddPoint(1, u"A");
  const int block = AddPoint(2, u"B");
  OpenCard(known, codes::kKnownPoint);
  ASSERT_TRUE(desktop.SelectTab(Item(IDC_CARD_TABS), 2));
  EXPECT_EQ(VisiblePage(), PageWith(IDC_PHOTO_NEAR));
  Close();
  OpenCard(block, codes::kBlockPoint);
  EXPECT_EQ(desktop.TabSelection(Item(IDC_CARD_TABS)), 2);
  EXPECT_EQ(VisiblePage(), PageWith(IDC_PHOTO_NEAR));
  ASSERT_TRUE(desktop.SelectTab(Item(IDC_CARD_TABS), 0));
  EXPECT_EQ(desktop.ComboItems(desktop.FindControl(VisiblePage(), IDC_BLOCKREF_TYPE)).front(), u"国");
  EXPECT_EQ(desktop.TabItems(Item(IDC_CARD_TABS)), (std::vector<std::u16string>{u"付属情報", u"見通状況", u"写真撮影"}));
}

TEST_F(CardScreen, AStoredDateTheScreenCannotShowCountsAsNoDate) {
  const int id = AddPoint(9, u"P");
  desktop.Ui([&] { MapdbNav_Put(id, CardOf(codes::kKnownPoint, 18991231, u"")); });
  OpenCard(id);
  SYSTEMTIME date{};
  EXPECT_EQ(desktop.DatePickerValue(Item(IDC_CARD_DATE), &date), GDT_NONE);
  Close();
  EXPECT_EQ(Boxes(), 0u) << "an unshowable date is no change";
  OpenCard(id);
  ASSERT_TRUE(desktop.Click(Item(IDC_CARD_REGISTER)));
  EXPECT_EQ(StoredCard(id).surveyDate, 20261211);
}

TEST_F(CardScreen, RemarksWithoutATerminatorAreReadOnlyToTheFieldsEnd) {
  const int id = AddPoint(9, u"P");
  NavRecord stored = CardOf(codes::kKnownPoint, 20240105, u"");
  std::fill(std::begin(stored.remarks), std::end(stored.remarks), u'備');  // a damaged record: no terminator
  desktop.Ui([&] { MapdbNav_Put(id, stored); });
  OpenCard(id);
  const std::u16string shown = desktop.Text(Item(IDC_CARD_REMARKS));
  EXPECT_LE(shown.size(), std::size(stored.remarks));
  EXPECT_EQ(shown, std::u16string(shown.size(), u'備'));
  ASSERT_TRUE(desktop.Click(Item(IDC_CARD_REGISTER)));
  const NavRecord registered = StoredCard(id);
  EXPECT_EQ(registered.remarks[std::size(registered.remarks) - 1], u'\0') << "stored with its terminator";
}

TEST_F(CardScreen, ACardThatCannotBeWrittenIsNotRegisteredAndTheUserIsTold) {
  HWND card = OpenCard(4242, codes::kKnownPoint);  // no such point: the database refuses its card
  ASSERT_TRUE(desktop.Type(Item(IDC_CARD_REMARKS), u"書けない"));
  desktop.QueueAnswer(IDOK);
  ASSERT_TRUE(desktop.Click(Item(IDC_CARD_REGISTER)));
  ASSERT_EQ(Boxes(), 1u);
  EXPECT_EQ(desktop.MessageBoxes().back().caption, u"登録エラー");
  EXPECT_EQ(desktop.MessageBoxes().back().type & MB_ICONMASK, UINT{MB_ICONHAND});
  EXPECT_TRUE(desktop.IsVisible(card)) << "the screen stays with the edits";
  EXPECT_EQ(desktop.Text(Item(IDC_CARD_REMARKS)), u"書けない");
  EXPECT_EQ(StoredCount(4242, MapdbNav_CntLook), 0);
  desktop.QueueAnswer(IDOK);
  Close();
  EXPECT_EQ(Boxes(), 2u) << "the edits still count as unsaved";
}

}  // namespace
