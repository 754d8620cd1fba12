// The road of one card through the host: an imported point is picked on the
// map, its card is filled on the three tabs and registered, the point is
// drawn as surveyed and selected, the list screen shows the card, and the
// card reopened from the list shows what was stored; and a point without a
// card goes through the new-coordinate dialog to a new card of the chosen
// kind, which the list then follows.
#include <codetables.h>
#include <gtest/gtest.h>

#include "plugin_host.h"
#include "resource.h"
#include "screen_captions.h"

namespace {

using namespace reconcard_test;
using plugin_test::kReconCommand;
using plugin_test::MakePoint;

class RecordCard : public plugin_test::HostTest {
 protected:
  // A point with the card an import leaves: not yet surveyed.
  int ImportedPoint(LONG number, const char16_t* name) {
    const int id = host.AddPoint(MakePoint(number, name, 20.0, 5.0, 8, codes::kImportedState));
    NavRecord card{};
    card.kind = codes::kKnownPoint;
    card.origin = 1;
    card.surveyDate = -1;
    for (LONG& code : card.attr) code = -1;
    Desktop().Ui([&] { MapdbNav_Put(id, card); });
    return id;
  }
  HWND Control(HWND screen, int id) { return Desktop().FindControl(screen, id); }
  HWND Item(HWND screen, int id) {
    return Desktop().Ui([screen, id] { return ::GetDlgItem(screen, id); });
  }
  // Adds a line of sight on the card's sight-line tab.
  void AddLook(HWND card, const char16_t* direction, const char16_t* sight) {
    HWND looks = PageWith(card, IDC_LOOK_CLEARING);
    ASSERT_TRUE(Desktop().Choose(Control(looks, IDC_LOOK_DIRECTION), direction));
    ASSERT_TRUE(Desktop().Choose(Control(looks, IDC_LOOK_SIGHT), sight));
    ASSERT_TRUE(Desktop().Choose(Control(looks, IDC_LOOK_CLEARING), u"なし"));
    ASSERT_TRUE(Desktop().Click(Control(looks, IDC_LOOK_ADD)));
  }
  // The page of the card screen that holds a control only it has.
  HWND PageWith(HWND card, int id) {
    HWND control = Control(card, id);
    return Desktop().Ui([control] { return ::GetParent(control); });
  }
};

TEST_F(RecordCard, FromAPickOnTheMapToTheRegisteredCardInTheList) {
  const int id = ImportedPoint(1203, u"三角点");
  ASSERT_TRUE(host.RunCommand(kReconCommand));
  ASSERT_NE(host.Screen(kPickCaption), nullptr);
  ASSERT_TRUE(host.TapPoint(1203));
  HWND card = host.Screen(kKnownCardCaption);
  ASSERT_NE(card, nullptr) << "the picked point's card is on display";
  EXPECT_EQ(Desktop().Beeps().back(), UINT{MB_ICONASTERISK});
  EXPECT_EQ(Desktop().Text(Desktop().Ui([card] { return ::GetDlgItem(card, IDC_CARD_POINTLABEL); })),
            u" 1203:三角点");

  HWND attributes = PageWith(card, IDC_KNOWN_CLEARING);
  ASSERT_TRUE(Desktop().Choose(Control(attributes, IDC_KNOWN_GRADE), u"１級基準点"));
  ASSERT_TRUE(Desktop().Choose(Control(attributes, IDC_KNOWN_MARKER), u"あり"));
  HWND tabs = Desktop().Ui([card] { return ::GetDlgItem(card, IDC_CARD_TABS); });
  ASSERT_TRUE(Desktop().SelectTab(tabs, 1));
  HWND looks = PageWith(card, IDC_LOOK_CLEARING);
  ASSERT_TRUE(Desktop().Choose(Control(looks, IDC_LOOK_DIRECTION), u"南"));
  ASSERT_TRUE(Desktop().Choose(Control(looks, IDC_LOOK_SIGHT), u"あり"));
  ASSERT_TRUE(Desktop().Choose(Control(looks, IDC_LOOK_CLEARING), u"なし"));
  ASSERT_TRUE(Desktop().Click(Control(looks, IDC_LOOK_ADD)));
  ASSERT_TRUE(Desktop().SelectTab(tabs, 2));
  HWND photos = PageWith(card, IDC_PHOTO_NEAR);
  ASSERT_TRUE(Desktop().Click(Control(photos, IDC_PHOTO_FAR)));
  ASSERT_TRUE(Desktop().Click(Control(photos, IDC_PHOTO_ADD)));
  ASSERT_TRUE(Desktop().SetDate(Desktop().Ui([card] { return ::GetDlgItem(card, IDC_CARD_DATE); }), 20261210));
  ASSERT_TRUE(Desktop().Click(Desktop().Ui([card] { return ::GetDlgItem(card, IDC_CARD_REGISTER); })));

  EXPECT_NE(host.Screen(kPickCaption), nullptr) << "back to the pick prompt";
  NavRecord stored{};
  ASSERT_EQ(Desktop().Ui([&] { return MapdbNav_Get(id, &stored); }), 0);
  EXPECT_EQ(stored.surveyed, 1);
  EXPECT_EQ(stored.origin, 1);
  EXPECT_EQ(stored.surveyDate, 20261210);
  EXPECT_EQ(stored.attr[0], 21);
  EXPECT_EQ(stored.attr[1], 1);
  int count = 0;
  Desktop().Ui([&] { MapdbNav_CntLook(id, &count); });
  EXPECT_EQ(count, 1);
  Desktop().Ui([&] { MapdbNav_CntPhoto(id, &count); });
  EXPECT_EQ(count, 1);
  PntRecord point{};
  Desktop().Ui([&] { MapdbPnt_Get(id, &point); });
  EXPECT_EQ(point.classCode, 8);
  EXPECT_EQ(point.stateCode, codes::kRegisteredState);
  EXPECT_EQ(plugin_test::MapSelection(Desktop()), std::vector<int>{id});

  HWND toolbar = Desktop().FindByText(host.Screen(kPickCaption), u"ToolbarWindow32", u"");
  ASSERT_TRUE(Desktop().ToolbarCommand(toolbar, ID_PICK_LIST));
  HWND list = host.Screen(kListCaption);
  ASSERT_NE(list, nullptr);
  const auto rows = Desktop().ListRows(Control(list, IDC_LIST_CARDS));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(Desktop().ListSelection(Control(list, IDC_LIST_CARDS)), 0) << "the registered card is selected";
  ASSERT_TRUE(Desktop().DoubleTapRow(Control(list, IDC_LIST_CARDS), 0));
  card = host.Screen(kKnownCardCaption);
  ASSERT_NE(card, nullptr);
  SYSTEMTIME date{};
  EXPECT_EQ(Desktop().DatePickerValue(Desktop().Ui([card] { return ::GetDlgItem(card, IDC_CARD_DATE); }), &date),
            GDT_VALID);
  EXPECT_EQ(date.wDay, 10);
}

TEST_F(RecordCard, APointWithoutACardBecomesANewCardOfTheChosenKind) {
  host.AddPoint(MakePoint(77, u"新点", 15.0, -10.0));  // drawn 81/32: no card
  ASSERT_TRUE(host.RunCommand(kReconCommand));
  ASSERT_TRUE(host.TapPoint(77));
  HWND dialog = host.Screen(kNewCoordCaption);
  ASSERT_NE(dialog, nullptr) << "a point without a card asks for its coordinates";
  EXPECT_EQ(Desktop().Text(Control(dialog, IDC_NEWCOORD_NUMBER)), u"77");
  ASSERT_TRUE(Desktop().Choose(Control(dialog, IDC_NEWCOORD_KIND), u"街区点"));
  ASSERT_TRUE(Desktop().CaptionOk(dialog));

  HWND card = host.Screen(u"街区点踏査カード");
  ASSERT_NE(card, nullptr);
  HWND attributes = PageWith(card, IDC_BLOCKPOINT_CLEARING);
  ASSERT_TRUE(Desktop().Choose(Control(attributes, IDC_BLOCKPOINT_OWNER), u"市"));
  ASSERT_TRUE(Desktop().Choose(Control(attributes, IDC_BLOCKPOINT_MARKER), u"構造物"));
  HWND tabs = Item(card, IDC_CARD_TABS);
  ASSERT_TRUE(Desktop().SelectTab(tabs, 1));
  AddLook(card, u"北", u"あり");
  AddLook(card, u"東", u"不能");
  ASSERT_TRUE(Desktop().SelectTab(tabs, 2));
  HWND photos = PageWith(card, IDC_PHOTO_NEAR);
  ASSERT_TRUE(Desktop().Click(Control(photos, IDC_PHOTO_NEAR)));
  ASSERT_TRUE(Desktop().Click(Control(photos, IDC_PHOTO_ADD)));
  ASSERT_TRUE(Desktop().Click(Item(card, IDC_CARD_REGISTER)));

  int id = 0;
  ASSERT_EQ(Desktop().Ui([&] { return MapdbPnt_GetId(77, &id); }), 0) << "the number's point with a card";
  NavRecord stored{};
  ASSERT_EQ(Desktop().Ui([&] { return MapdbNav_Get(id, &stored); }), 0);
  EXPECT_EQ(stored.surveyed, 1);
  EXPECT_EQ(stored.kind, codes::kBlockPoint);
  EXPECT_EQ(stored.origin, 2);
  const LONG expected[11] = {6, -1, 5, -1, -1, -1, -1, -1, -1, -1, -1};
  for (int slot = 0; slot < 11; ++slot) EXPECT_EQ(stored.attr[slot], expected[slot]) << slot;
  LookEntry looks[2]{};
  int count = 0;
  Desktop().Ui([&] { MapdbNav_CntLook(id, &count); });
  ASSERT_EQ(count, 2);
  Desktop().Ui([&] { MapdbNav_GetLook(id, looks); });
  EXPECT_EQ(std::u16string(looks[0].direction), u"北");
  EXPECT_EQ(looks[0].sight, 1);
  EXPECT_EQ(std::u16string(looks[1].direction), u"東");
  EXPECT_EQ(looks[1].sight, 3);
  Desktop().Ui([&] { MapdbNav_CntPhoto(id, &count); });
  EXPECT_EQ(count, 1);
  PntRecord point{};
  Desktop().Ui([&] { MapdbPnt_Get(id, &point); });
  EXPECT_EQ(point.classCode, 3);
  EXPECT_EQ(point.stateCode, codes::kRegisteredState);
  EXPECT_EQ(std::u16string(point.name), u"新点");
  EXPECT_EQ(plugin_test::MapSelection(Desktop()), std::vector<int>{id});

  HWND toolbar = Desktop().FindByText(host.Screen(kPickCaption), u"ToolbarWindow32", u"");
  ASSERT_TRUE(Desktop().ToolbarCommand(toolbar, ID_PICK_LIST));
  HWND list = host.Screen(kListCaption);
  ASSERT_NE(list, nullptr);
  HWND kinds = Control(list, IDC_LIST_KIND);
  EXPECT_EQ(Desktop().ComboItems(kinds)[Desktop().ComboSelection(kinds)], u"街区点") << "the list follows the kind";
  ASSERT_EQ(Desktop().ListRows(Control(list, IDC_LIST_CARDS)).size(), 1u);
  EXPECT_EQ(Desktop().ListSelection(Control(list, IDC_LIST_CARDS)), 0);
}

}  // namespace
