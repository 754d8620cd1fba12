// Tests of the new-coordinate dialog, driven as a user does, in the test
// process: the checks of OK in their order with their messages and focus,
// the fields' limits, the name requirement of "InpHoho", filling from the
// current point, the number of a point with and without a card, the height
// box and the stored height, map picks and taps only while visible, the
// number lookup on leaving the field (and never on hiding or OK); and in
// the host: a picked point without a card through OK to the card screen.
#include <gtest/gtest.h>

#include "NavCardDlg.h"
#include "NewCoordDlg.h"
#include "coord_test_support.h"
#include "resource.h"

namespace {

using namespace reconcard_test;

constexpr UINT kStopBox = MB_OK | MB_ICONSTOP;

class NewCoord : public CoordDialogTest {
 protected:
  void Open(int pointId) {
    desktop.Ui([pointId] {
      SetCurPointId(pointId);
      ShowScreen(SCR_NEWCOORD);
    });
  }
  HWND Dialog() { return desktop.Ui([] { return TheNewCoord().GetSafeHwnd(); }); }
  HWND Field(int id) { return CoordDialogTest::Field(Dialog(), id); }
  std::u16string Text(int id) { return FieldText(Dialog(), id); }
  bool Type(int id, const std::u16string& text) { return desktop.Type(Field(id), text); }
  bool ChooseKind(const std::u16string& kind) { return desktop.Choose(Field(IDC_NEWCOORD_KIND), kind); }
  // Empties a field as the user would by deleting its text.
  void Clear(int id) {
    HWND field = Field(id);
    desktop.Ui([field] { ::SetWindowTextW(field, u""); });
  }
  bool ClickHeight() { return desktop.Click(Field(IDC_NEWCOORD_HASZ)); }
  std::optional<BoxRecord> Ok() { return OkWithBox(Dialog()); }
  bool CardScreenShows() {
    return desktop.Ui([] { return TheNavCard().GetSafeHwnd() && TheNavCard().IsWindowVisible(); });
  }
  // The fields as the user sees them: number, name, X, Y, Z.
  std::vector<std::u16string> Shown() {
    return {Text(IDC_NEWCOORD_NUMBER), Text(IDC_NEWCOORD_NAME), Text(IDC_NEWCOORD_X), Text(IDC_NEWCOORD_Y),
            Text(IDC_NEWCOORD_Z)};
  }
};

using Fields = std::vector<std::u16string>;

std::u16string Digits(int number) {
  const std::string digits = std::to_string(number);
  return std::u16string(digits.begin(), digits.end());
}

TEST_F(NewCoord, OkRightAfterTheFirstOpeningAsksForTheKindBeforeAnythingElse) {
  Open(-1);
  ASSERT_NE(Dialog(), nullptr);
  EXPECT_EQ(desktop.FocusWindow(), Field(IDC_NEWCOORD_KIND));
  EXPECT_EQ(desktop.ComboItems(Field(IDC_NEWCOORD_KIND)), (Fields{u"未設定", u"既知点", u"街区基準点", u"街区点"}));
  EXPECT_EQ(desktop.ComboSelection(Field(IDC_NEWCOORD_KIND)), 0);

  const auto box = Ok();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"点種別を選択してください。");
  EXPECT_EQ(box->caption, u"種別エラー");
  EXPECT_EQ(box->type, kStopBox);
  EXPECT_EQ(desktop.FocusWindow(), Field(IDC_NEWCOORD_KIND));

  ASSERT_TRUE(desktop.PressKey(VK_RETURN)) << "Enter is OK too";
  ASSERT_NE(desktop.OpenMessageBox(), nullptr);
  EXPECT_EQ(desktop.MessageBoxes().back().text, u"点種別を選択してください。");
  ASSERT_TRUE(desktop.AnswerMessageBox(IDOK));
  EXPECT_TRUE(desktop.IsVisible(Dialog()));
  EXPECT_TRUE(PointsNumbered(FLD_INT_EMPTY).empty());
}

TEST_F(NewCoord, EachMissingEntryIsRefusedInTurnWithItsMessageAndFocus) {
  ASSERT_EQ(desktop.Ui([] { return Devcond_SetInt(u"InpHoho", 1); }), 0);
  const int carded = AddPoint(MakePoint(7, u"既存", 0, 0));
  AddCard(carded);
  Open(-1);
  const Refusal refusals[] = {
      {[&] { return ChooseKind(u"街区点"); }, u"座標Noを入力してください。", u"入力エラー", IDC_NEWCOORD_NUMBER},
      {[&] { return Type(IDC_NEWCOORD_NUMBER, u"7"); }, u"座標名称を入力してください。", u"入力エラー",
       IDC_NEWCOORD_NAME},
      {[&] { return Type(IDC_NEWCOORD_NAME, u"甲"); }, u"X座標を入力してください。", u"入力エラー", IDC_NEWCOORD_X},
      {[&] { return Type(IDC_NEWCOORD_X, u"10"); }, u"Y座標を入力してください。", u"入力エラー", IDC_NEWCOORD_Y},
      {[&] { return Type(IDC_NEWCOORD_Y, u"20") && ClickHeight(); }, u"Z座標を入力してください。", u"入力エラー",
       IDC_NEWCOORD_Z},
      {[&] { return Type(IDC_NEWCOORD_Z, u"3"); },
       u"指示された座標Noには、\n他のカードデータが登録\nされています。\n\n他の座標Noを指示して下さい。", u"座標Noエラー",
       IDC_NEWCOORD_NUMBER},
  };
  ExpectRefusedInTurn(Dialog(), refusals);
  EXPECT_EQ(PointsNumbered(7).size(), 1u) << "nothing was stored";
}

TEST_F(NewCoord, TheFieldsTakeNoMoreThanTheirLimits) {
  Open(-1);
  struct Case {
    int field;
    const char16_t* typed;
    const char16_t* shown;
  };
  const Case cases[] = {{IDC_NEWCOORD_NUMBER, u"123456", u"12345"},
                        {IDC_NEWCOORD_NUMBER, u"0", u""},
                        {IDC_NEWCOORD_NAME, u"あいうえおかきくけこさしすせそたち", u"あいうえおかきくけこさしすせそた"},
                        {IDC_NEWCOORD_X, u"-1.23456", u"-1.2345"},
                        {IDC_NEWCOORD_Y, u"99999999", u"9999999"}};
  for (const Case& c : cases) {
    Clear(c.field);
    desktop.Type(Field(c.field), c.typed);
    EXPECT_EQ(Text(c.field), c.shown) << c.field;
  }
}

TEST_F(NewCoord, AnEmptyNameIsRefusedOnlyWhenInpHohoIsOne) {
  struct Case {
    int setting;
    bool refused;
  };
  const Case cases[] = {{0, false}, {1, true}, {2, false}, {-1, false}};
  int number = 100;
  for (const Case& c : cases) {
    ++number;
    ASSERT_EQ(desktop.Ui([&] { return Devcond_SetInt(u"InpHoho", c.setting); }), 0);
    Open(-1);
    ASSERT_TRUE(ChooseKind(u"既知点"));
    ASSERT_TRUE(Type(IDC_NEWCOORD_NUMBER, Digits(number)));
    ASSERT_TRUE(Type(IDC_NEWCOORD_X, u"1"));
    ASSERT_TRUE(Type(IDC_NEWCOORD_Y, u"2"));
    const auto box = Ok();
    EXPECT_EQ(box.has_value(), c.refused) << c.setting;
    if (box) {
      EXPECT_EQ(box->text, u"座標名称を入力してください。");
      ASSERT_TRUE(desktop.CloseWindow(Dialog()));
    } else {
      EXPECT_TRUE(CardScreenShows()) << c.setting;
      desktop.Ui([] { TheNavCard().ShowWindow(SW_HIDE); });
    }
  }
}

TEST_F(NewCoord, OpenFillsTheFieldsFromTheCurrentPointOrEmptiesThem) {
  const int high = AddPoint(WithHeight(MakePoint(12, u"A", 10.5, -20.25), 3));
  const int flat = AddPoint(MakePoint(13, u"B", 1, 2));
  Open(-1);
  EXPECT_EQ(Shown(), (Fields{u"", u"", u"", u"", u""})) << "from 新規";
  EXPECT_EQ(desktop.CheckState(Field(IDC_NEWCOORD_HASZ)), BST_UNCHECKED);
  EXPECT_FALSE(desktop.IsEnabled(Field(IDC_NEWCOORD_Z)));
  ASSERT_TRUE(ChooseKind(u"街区基準点"));
  ASSERT_TRUE(desktop.CloseWindow(Dialog()));

  Open(high);
  EXPECT_EQ(Shown(), (Fields{u"12", u"A", u"10.5000", u"-20.2500", u"3.0000"}));
  EXPECT_EQ(desktop.CheckState(Field(IDC_NEWCOORD_HASZ)), BST_CHECKED);
  EXPECT_TRUE(desktop.IsEnabled(Field(IDC_NEWCOORD_Z)));
  EXPECT_EQ(desktop.Text(Field(IDC_NEWCOORD_KIND)), u"街区基準点") << "the kind keeps its last choice";
  EXPECT_EQ(desktop.FocusWindow(), Field(IDC_NEWCOORD_KIND));
  ASSERT_TRUE(desktop.CloseWindow(Dialog()));

  Open(flat);
  EXPECT_EQ(Shown(), (Fields{u"13", u"B", u"1.0000", u"2.0000", u""}));
  EXPECT_EQ(desktop.CheckState(Field(IDC_NEWCOORD_HASZ)), BST_UNCHECKED);
  EXPECT_FALSE(desktop.IsEnabled(Field(IDC_NEWCOORD_Z)));
  ASSERT_TRUE(desktop.CloseWindow(Dialog()));

  Open(high);
  ASSERT_TRUE(desktop.CloseWindow(Dialog()));
  Open(high + 100);
  EXPECT_EQ(Shown(), (Fields{u"", u"", u"", u"", u""})) << "a point that cannot be read";
  EXPECT_EQ(desktop.CheckState(Field(IDC_NEWCOORD_HASZ)), BST_CHECKED) << "the box keeps its state";
  EXPECT_TRUE(desktop.IsEnabled(Field(IDC_NEWCOORD_Z)));
}

TEST_F(NewCoord, KeepingTheNumberOfThePointItWasFilledFrom) {
  struct Case {
    LONG number;
    bool hasCard;
  };
  for (const Case& c : {Case{5, true}, Case{6, false}}) {
    const int id = AddPoint(MakePoint(c.number, u"元", 1, 2));
    if (c.hasCard) AddCard(id);
    Open(id);
    ASSERT_TRUE(ChooseKind(u"街区点"));
    const auto box = Ok();
    EXPECT_EQ(box.has_value(), c.hasCard) << c.number;
    const auto points = PointsNumbered(c.number);
    if (c.hasCard) {
      EXPECT_EQ(box->caption, u"座標Noエラー");
      EXPECT_EQ(points.size(), 1u);
      EXPECT_EQ(CurPointId(), id);
      ASSERT_TRUE(desktop.CloseWindow(Dialog()));
      continue;
    }
    ASSERT_EQ(points.size(), 2u) << "a second point with the same number";
    const auto& [newId, stored] = points[1];
    EXPECT_EQ(stored.name, u"元");
    EXPECT_EQ(stored.classCode, 81);
    EXPECT_EQ(stored.stateCode, 32);
    EXPECT_EQ(CurPointId(), newId);
    EXPECT_EQ(desktop.Ui([] { return GetCurKind(); }), 3);
    EXPECT_EQ(MapSelection(), std::vector<int>{newId});
    EXPECT_FALSE(desktop.IsVisible(Dialog()));
    EXPECT_TRUE(CardScreenShows());
  }
}

TEST_F(NewCoord, TheHeightBoxSwitchesZAndTheStoredPointHasAHeightOnlyWithIt) {
  const int high = AddPoint(WithHeight(MakePoint(20, u"H", 1, 2), 3));
  struct Case {
    int clicks;  // on the height box, starting checked
    LONG hasZ;
    double z;
    int focus;
  };
  const Case cases[] = {{1, 0, 0.0, IDC_NEWCOORD_Y}, {2, 1, 3.0, IDC_NEWCOORD_Z}};
  LONG number = 30;
  for (const Case& c : cases) {
    Open(high);
    ASSERT_EQ(desktop.CheckState(Field(IDC_NEWCOORD_HASZ)), BST_CHECKED);
    for (int click = 1; click <= c.clicks; ++click) {
      ASSERT_TRUE(ClickHeight());
      const bool checked = click % 2 == 0;
      EXPECT_EQ(desktop.IsEnabled(Field(IDC_NEWCOORD_Z)), checked);
      EXPECT_EQ(desktop.FocusWindow(), Field(checked ? IDC_NEWCOORD_Z : IDC_NEWCOORD_Y));
    }
    EXPECT_EQ(Text(IDC_NEWCOORD_Z), u"3.0000") << "Z still shows its value";
    ASSERT_TRUE(ChooseKind(u"既知点"));
    ++number;
    Clear(IDC_NEWCOORD_NUMBER);
    ASSERT_TRUE(Type(IDC_NEWCOORD_NUMBER, Digits(number)));
    EXPECT_FALSE(Ok()) << c.clicks;
    const auto points = PointsNumbered(number);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].second.hasZ, c.hasZ);
    EXPECT_EQ(points[0].second.z, c.z);
    EXPECT_EQ(points[0].second.spare1, 0);
    EXPECT_EQ(points[0].second.spare2, 0);
    desktop.Ui([] { TheNavCard().ShowWindow(SW_HIDE); });
  }
}

TEST_F(NewCoord, APointTheMapRefusesIsNotTakenAndTheUserIsTold) {
  const int before = AddPoint(MakePoint(1, u"A", 1, 2));
  Open(before);
  ASSERT_TRUE(ChooseKind(u"街区点"));
  Clear(IDC_NEWCOORD_NUMBER);
  ASSERT_TRUE(Type(IDC_NEWCOORD_NUMBER, u"77"));
  desktop.Ui([] { Geopane_Close(); });  // the map can take no point now
  const auto box = Ok();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, u"登録エラー");
  EXPECT_EQ(box->type, kStopBox);
  EXPECT_TRUE(desktop.IsVisible(Dialog())) << "the dialog stays with what was typed";
  EXPECT_EQ(Text(IDC_NEWCOORD_NUMBER), u"77");
  EXPECT_FALSE(CardScreenShows());
  EXPECT_EQ(CurPointId(), before);
  EXPECT_NE(desktop.Ui([] { return GetCurKind(); }), 3);
}

TEST_F(NewCoord, WhileVisibleItTakesPickedPointsAndTappedCoordinates) {
  const int picked = AddPoint(WithHeight(MakePoint(12, u"A", 40, 60), 5));
  Open(-1);
  const GeopaneMapState registered = MapState();
  EXPECT_EQ(registered.eventWindow, Dialog());
  EXPECT_EQ(registered.pointCommand, ID_MAP_PICKPOINT);
  EXPECT_EQ(registered.coordCommand, ID_MAP_PICKCOORD);
  EXPECT_EQ(registered.pickCount, 1);
  EXPECT_EQ(registered.pickFlag, 1);

  ASSERT_TRUE(TapPoint(12));
  EXPECT_EQ(desktop.Beeps(), std::vector<UINT>{MB_ICONASTERISK});
  EXPECT_EQ(CurPointId(), picked);
  EXPECT_EQ(Shown(), (Fields{u"12", u"A", u"40.0000", u"60.0000", u"5.0000"}));
  EXPECT_EQ(desktop.FocusWindow(), Field(IDC_NEWCOORD_KIND));

  ASSERT_TRUE(TapCoordinate(-30, -50));
  EXPECT_EQ(desktop.Beeps(), (std::vector<UINT>{MB_ICONASTERISK, MB_ICONASTERISK}));
  EXPECT_EQ(Shown(), (Fields{u"12", u"A", u"-30.0000", u"-50.0000", u"5.0000"})) << "only X and Y";
  EXPECT_EQ(CurPointId(), picked);
}

TEST_F(NewCoord, APickOrATapWhileHiddenChangesNothing) {
  const int first = AddPoint(MakePoint(12, u"A", 40, 60));
  AddPoint(MakePoint(13, u"B", -40, -60));
  Open(first);
  HWND dialog = Dialog();
  desktop.Ui([dialog] { ::ShowWindow(dialog, SW_HIDE); });
  ASSERT_EQ(MapState().eventWindow, dialog) << "the registration outlives the hiding";
  ASSERT_TRUE(TapPoint(13));
  ASSERT_TRUE(TapCoordinate(10, 10));
  EXPECT_TRUE(desktop.Beeps().empty());
  EXPECT_EQ(CurPointId(), first);
  EXPECT_FALSE(desktop.IsVisible(dialog));
  EXPECT_EQ(FieldText(dialog, IDC_NEWCOORD_NAME), u"A");
  EXPECT_EQ(FieldText(dialog, IDC_NEWCOORD_X), u"40.0000");
  EXPECT_EQ(FieldText(dialog, IDC_NEWCOORD_Y), u"60.0000");
}

TEST_F(NewCoord, LeavingATypedNumberOfAnExistingPointFillsTheFieldsAndSelectsIt) {
  const int known = AddPoint(WithHeight(MakePoint(12, u"A", 40, 60), 5));
  Open(-1);
  ASSERT_TRUE(ChooseKind(u"街区点"));
  ASSERT_TRUE(Type(IDC_NEWCOORD_NUMBER, u"99"));
  ASSERT_TRUE(Type(IDC_NEWCOORD_NAME, u"甲"));
  EXPECT_EQ(CurPointId(), -1) << "no point has 99";
  EXPECT_EQ(Text(IDC_NEWCOORD_NAME), u"甲");

  Clear(IDC_NEWCOORD_NUMBER);
  ASSERT_TRUE(Type(IDC_NEWCOORD_NUMBER, u"12"));
  ASSERT_TRUE(desktop.Click(Field(IDC_NEWCOORD_X)));
  EXPECT_EQ(CurPointId(), known);
  EXPECT_EQ(MapSelection(), std::vector<int>{known});
  EXPECT_EQ(Shown(), (Fields{u"12", u"A", u"40.0000", u"60.0000", u"5.0000"}));
  EXPECT_EQ(desktop.Text(Field(IDC_NEWCOORD_KIND)), u"街区点") << "the kind stays";
  EXPECT_EQ(desktop.FocusWindow(), Field(IDC_NEWCOORD_X)) << "the focus stays where the user went";
}

TEST_F(NewCoord, TheNumberIsLookedUpOnlyWhenTheUserLeavesTheFieldHavingChangedIt) {
  AddPoint(MakePoint(12, u"A", 40, 60));
  AddCard(AddPoint(MakePoint(7, u"既存", 0, 0)));
  const int other = AddPoint(MakePoint(14, u"C", 1, 1));
  Open(other);
  ASSERT_TRUE(desktop.Click(Field(IDC_NEWCOORD_NUMBER)));
  ASSERT_TRUE(desktop.Click(Field(IDC_NEWCOORD_NAME)));
  EXPECT_TRUE(MapSelection().empty()) << "a number the dialog filled in";

  Clear(IDC_NEWCOORD_NUMBER);
  ASSERT_TRUE(Type(IDC_NEWCOORD_NUMBER, u"12"));
  ASSERT_TRUE(desktop.PressKey(VK_ESCAPE));
  EXPECT_FALSE(desktop.IsVisible(Dialog()));
  EXPECT_EQ(CurPointId(), other) << "closing with the focus in the number";
  EXPECT_TRUE(MapSelection().empty());

  Open(other);
  ASSERT_TRUE(ChooseKind(u"既知点"));
  Clear(IDC_NEWCOORD_NUMBER);
  ASSERT_TRUE(Type(IDC_NEWCOORD_NUMBER, u"7"));
  const auto box = Ok();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->caption, u"座標Noエラー");
  EXPECT_EQ(Text(IDC_NEWCOORD_NAME), u"C") << "OK's message box is no leaving of the field";
  EXPECT_EQ(CurPointId(), other);

  Clear(IDC_NEWCOORD_NUMBER);
  ASSERT_TRUE(Type(IDC_NEWCOORD_NUMBER, u"12"));
  EXPECT_FALSE(Ok());
  const auto points = PointsNumbered(12);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[1].second.name, u"C") << "the typed entry, not the looked-up point";
  EXPECT_EQ(CurPointId(), points[1].first) << "hiding after OK is no leaving of the field";
  EXPECT_TRUE(CardScreenShows());
}

class NewCoordInTheHost : public CoordDialogInTheHost {};

TEST_F(NewCoordInTheHost, APickedPointWithoutACardOpensTheDialogOnItAndOkStoresANewPointForTheCard) {
  host.AddPoint(WithHeight(MakePoint(12, u"A", 40, 60), 5));
  ASSERT_TRUE(host.TapPoint(12));
  HWND dialog = host.Screen(kNewCoordCaption);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(FieldText(dialog, IDC_NEWCOORD_NUMBER), u"12");
  EXPECT_EQ(FieldText(dialog, IDC_NEWCOORD_NAME), u"A");
  EXPECT_EQ(FieldText(dialog, IDC_NEWCOORD_X), u"40.0000");

  ASSERT_TRUE(Desktop().Choose(Desktop().FindControl(dialog, IDC_NEWCOORD_KIND), u"街区点"));
  HWND number = Desktop().FindControl(dialog, IDC_NEWCOORD_NUMBER);
  Desktop().Ui([number] { ::SetWindowTextW(number, u""); });
  ASSERT_TRUE(Desktop().Type(number, u"13"));
  ASSERT_TRUE(Desktop().CaptionOk(dialog));
  EXPECT_TRUE(Desktop().MessageBoxes().empty());
  EXPECT_EQ(host.Screen(kNewCoordCaption), nullptr);
  EXPECT_NE(host.Screen(u"街区点踏査カード"), nullptr) << "a new card of the chosen kind";

  const auto points = PointsNumbered(13);
  ASSERT_EQ(points.size(), 1u);
  const PntRecord expected = WithHeight(MakePoint(13, u"A", 40, 60), 5);  // a new point's codes, no spares
  EXPECT_EQ(PointFields(points[0].second), PointFields(expected));
  EXPECT_EQ(plugin_test::MapSelection(Desktop()), std::vector<int>{points[0].first});
}

}  // namespace
