// The road of one card through the host: an imported point is picked on the
// map, its card is filled on the three tabs and registered, the point is
// drawn as surveyed and selected, the list screen shows the card, and the
// card reopened from the list shows what was stored.
#include <codetables.h>
#include <gtest/gtest.h>

#include <cstring>

#include "plugin_host.h"
#include "resource.h"

namespace {

using plugin_test::kReconCommand;
using plugin_test::MakePoint;
using plugin_test::PluginHost;

constexpr char16_t kPickCaption[] = u"踏査点を指示してください。";
constexpr char16_t kListCaption[] = u"現地踏査情報一覧";
constexpr char16_t kKnownCardCaption[] = u"既知点踏査カード";

class RecordCard : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host.Prepared());
    host.Start();
    ASSERT_NE(host.Host(), nullptr);
  }
  plat::HeadlessDesktop& desktop() { return host.Desktop(); }
  // A point with the card an import leaves: not yet surveyed.
  int ImportedPoint(LONG number, const char16_t* name) {
    const int id = host.AddPoint(MakePoint(number, name, 20.0, 5.0, 8, codes::kImportedState));
    NavRecord card{};
    card.kind = codes::kKnownPoint;
    card.origin = 1;
    card.surveyDate = -1;
    for (LONG& code : card.attr) code = -1;
    desktop().Ui([&] { MapdbNav_Put(id, card); });
    return id;
  }
  HWND Control(HWND screen, int id) { return desktop().FindControl(screen, id); }
  // The page of the card screen that holds a control only it has.
  HWND PageWith(HWND card, int id) {
    HWND control = Control(card, id);
    return desktop().Ui([control] { return ::GetParent(control); });
  }

  PluginHost host{"reconcard_record_card_test"};
};

TEST_F(RecordCard, FromAPickOnTheMapToTheRegisteredCardInTheList) {
  const int id = ImportedPoint(1203, u"三角点");
  ASSERT_TRUE(host.RunCommand(kReconCommand));
  ASSERT_NE(host.Screen(kPickCaption), nullptr);
  ASSERT_TRUE(host.TapPoint(1203));
  HWND card = host.Screen(kKnownCardCaption);
  ASSERT_NE(card, nullptr) << "the picked point's card is on display";
  EXPECT_EQ(desktop().Beeps().back(), UINT{MB_ICONASTERISK});
  EXPECT_EQ(desktop().Text(desktop().Ui([card] { return ::GetDlgItem(card, IDC_CARD_POINTLABEL); })),
            u" 1203:三角点");

  HWND attributes = PageWith(card, IDC_KNOWN_CLEARING);
  ASSERT_TRUE(desktop().Choose(Control(attributes, IDC_KNOWN_GRADE), u"１級基準点"));
  ASSERT_TRUE(desktop().Choose(Control(attributes, IDC_KNOWN_MARKER), u"あり"));
  HWND tabs = desktop().Ui([card] { return ::GetDlgItem(card, IDC_CARD_TABS); });
  ASSERT_TRUE(desktop().SelectTab(tabs, 1));
  HWND looks = PageWith(card, IDC_LOOK_CLEARING);
  ASSERT_TRUE(desktop().Choose(Control(looks, IDC_LOOK_DIRECTION), u"南"));
  ASSERT_TRUE(desktop().Choose(Control(looks, IDC_LOOK_SIGHT), u"あり"));
  ASSERT_TRUE(desktop().Choose(Control(looks, IDC_LOOK_CLEARING), u"なし"));
  ASSERT_TRUE(desktop().Click(Control(looks, IDC_LOOK_ADD)));
  ASSERT_TRUE(desktop().SelectTab(tabs, 2));
  HWND photos = PageWith(card, IDC_PHOTO_NEAR);
  ASSERT_TRUE(desktop().Click(Control(photos, IDC_PHOTO_FAR)));
  ASSERT_TRUE(desktop().Click(Control(photos, IDC_PHOTO_ADD)));
  ASSERT_TRUE(desktop().SetDate(desktop().Ui([card] { return ::GetDlgItem(card, IDC_CARD_DATE); }), 20261210));
  ASSERT_TRUE(desktop().Click(desktop().Ui([card] { return ::GetDlgItem(card, IDC_CARD_REGISTER); })));

  EXPECT_NE(host.Screen(kPickCaption), nullptr) << "back to the pick prompt";
  NavRecord stored{};
  ASSERT_EQ(desktop().Ui([&] { return MapdbNav_Get(id, &stored); }), 0);
  EXPECT_EQ(stored.surveyed, 1);
  EXPECT_EQ(stored.origin, 1);
  EXPECT_EQ(stored.surveyDate, 20261210);
  EXPECT_EQ(stored.attr[0], 21);
  EXPECT_EQ(stored.attr[1], 1);
  int count = 0;
  desktop().Ui([&] { MapdbNav_CntLook(id, &count); });
  EXPECT_EQ(count, 1);
  desktop().Ui([&] { MapdbNav_CntPhoto(id, &count); });
  EXPECT_EQ(count, 1);
  PntRecord point{};
  desktop().Ui([&] { MapdbPnt_Get(id, &point); });
  EXPECT_EQ(point.classCode, 8);
  EXPECT_EQ(point.stateCode, codes::kRegisteredState);
  std::vector<int> selection;
  desktop().Ui([&] { Geopane_MapSelection(&selection); });
  EXPECT_EQ(selection, std::vector<int>{id});

  HWND toolbar = desktop().FindByText(host.Screen(kPickCaption), u"ToolbarWindow32", u"");
  ASSERT_TRUE(desktop().ToolbarCommand(toolbar, ID_PICK_LIST));
  HWND list = host.Screen(kListCaption);
  ASSERT_NE(list, nullptr);
  const auto rows = desktop().ListRows(Control(list, IDC_LIST_CARDS));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(desktop().ListSelection(Control(list, IDC_LIST_CARDS)), 0) << "the registered card is selected";
  ASSERT_TRUE(desktop().DoubleTapRow(Control(list, IDC_LIST_CARDS), 0));
  card = host.Screen(kKnownCardCaption);
  ASSERT_NE(card, nullptr);
  SYSTEMTIME date{};
  EXPECT_EQ(desktop().DatePickerValue(desktop().Ui([card] { return ::GetDlgItem(card, IDC_CARD_DATE); }), &date),
            GDT_VALID);
  EXPECT_EQ(date.wDay, 10);
}

}  // namespace
