// Tests of the changed-coordinate dialog, in the test process opened from
// the point button of a stand-in for the card screen that owns it as the
// card screen does: the point shown with its number disabled, the card
// screen hidden while it is open, coordinate taps only, the checks of OK,
// the point rewritten under its id with number, codes, spares and card
// kept, the label text, Cancel, and a point that cannot be read at OK; and
// in the host, from the real card screen's point button.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ChgCoordDlg.h"
#include "coord_test_support.h"
#include "resource.h"

namespace {

using namespace reconcard_test;

constexpr char16_t kCaption[] = u"変更座標を指示";
constexpr char16_t kUntouchedLabel[] = u"99999:XXXXX";

// Stands in for the card screen: its template, the dialog made in its
// OnInitDialog and opened by its point button with the point label's id.
class CardScreenStandIn : public TDialog {
 public:
  CardScreenStandIn() : TDialog(IDD_NAVCARD) {}
  ChgCoordDlg changeCoord;

 protected:
  BOOL OnInitDialog() override {
    TDialog::OnInitDialog();
    changeCoord.CreateChild(this);
    return TRUE;
  }
  afx_msg void OnPointButton() { changeCoord.Open(IDC_CARD_POINTLABEL); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CardScreenStandIn, TDialog)
  ON_BN_CLICKED(IDC_CARD_POINT, &CardScreenStandIn::OnPointButton)
END_MESSAGE_MAP()

class ChgCoord : public CoordDialogTest {
 protected:
  void SetUp() override {
    CoordDialogTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    card = desktop.Ui([this] {
      auto screen = std::make_unique<CardScreenStandIn>();
      screen->Create(IDD_NAVCARD, CWnd::FromHandle(host));
      screen->ShowWindow(SW_SHOWMAXIMIZED);
      return screen;
    });
    ASSERT_TRUE(desktop.IsVisible(card->GetSafeHwnd()));
    dialog = card->changeCoord.GetSafeHwnd();
    ASSERT_NE(dialog, nullptr);
  }
  void TearDown() override {
    if (card) {
      desktop.Ui([this] {
        card->changeCoord.DestroyWindow();
        card->DestroyWindow();
        card.reset();
      });
    }
    CoordDialogTest::TearDown();
  }

  // A point with all the fields a rewrite must keep.
  static PntRecord KeptPoint(LONG number, const char16_t* name) {
    PntRecord point = WithHeight(MakePoint(number, name, 40, 60), 7.5);
    point.spare1 = 17;
    point.classCode = 10;
    point.stateCode = 11;
    point.spare2 = 23;
    return point;
  }
  // That point with a card.
  int AddCardedPoint(LONG number, const char16_t* name) {
    const int id = AddPoint(KeptPoint(number, name));
    AddCard(id);
    return id;
  }
  // The card screen's point button with this point current.
  bool OpenFor(int pointId) {
    desktop.Ui([pointId] { SetCurPointId(pointId); });
    return desktop.Click(desktop.FindControl(card->GetSafeHwnd(), IDC_CARD_POINT));
  }
  HWND Field(int id) { return CoordDialogTest::Field(dialog, id); }
  std::u16string Text(int id) { return FieldText(dialog, id); }
  std::u16string Label() { return desktop.Text(desktop.FindControl(card->GetSafeHwnd(), IDC_CARD_POINTLABEL)); }
  std::optional<BoxRecord> Ok() { return OkWithBox(dialog); }
  bool CardShows() { return desktop.IsVisible(card->GetSafeHwnd()); }
  NavRecord ReadCard(int id) {
    NavRecord stored{};
    EXPECT_EQ(desktop.Ui([&] { return MapdbNav_Get(id, &stored); }), 0);
    return stored;
  }
  void ExpectSameCard(const NavRecord& a, const NavRecord& b) {
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << "the card is not touched";
  }

  std::unique_ptr<CardScreenStandIn> card;
  HWND dialog = nullptr;
};

using Fields = std::vector<std::u16string>;

TEST_F(ChgCoord, OpenShowsThePointWithItsNumberDisabledInPlaceOfTheCardScreen) {
  const int id = AddCardedPoint(12, u"A");
  ASSERT_TRUE(OpenFor(id));
  EXPECT_EQ(VisibleScreens(), Fields{kCaption});
  EXPECT_FALSE(CardShows());
  EXPECT_EQ((Fields{Text(IDC_CHGCOORD_NUMBER), Text(IDC_CHGCOORD_NAME), Text(IDC_CHGCOORD_X),
                    Text(IDC_CHGCOORD_Y), Text(IDC_CHGCOORD_Z)}),
            (Fields{u"12", u"A", u"40.0000", u"60.0000", u"7.5000"}));
  EXPECT_EQ(desktop.CheckState(Field(IDC_CHGCOORD_HASZ)), BST_CHECKED);
  EXPECT_TRUE(desktop.IsEnabled(Field(IDC_CHGCOORD_Z)));
  EXPECT_FALSE(desktop.IsEnabled(Field(IDC_CHGCOORD_NUMBER)));
  EXPECT_FALSE(desktop.Type(Field(IDC_CHGCOORD_NUMBER), u"3")) << "the number cannot be typed";
  EXPECT_EQ(desktop.FocusWindow(), Field(IDC_CHGCOORD_NAME));

  const GeopaneMapState registered = MapState();
  EXPECT_EQ(registered.eventWindow, dialog);
  EXPECT_EQ(registered.pointCommand, 0u) << "coordinate taps only";
  EXPECT_EQ(registered.coordCommand, ID_MAP_PICKCOORD);
  EXPECT_EQ(registered.pickFlag, 0);
}

TEST_F(ChgCoord, OkAfterATapRewritesOnlyXAndYAndReturnsToTheCardScreen) {
  const int id = AddCardedPoint(12, u"A");
  const NavRecord cardBefore = ReadCard(id);
  ASSERT_TRUE(OpenFor(id));
  ASSERT_TRUE(TapCoordinate(-30, -50));
  EXPECT_EQ(desktop.Beeps(), std::vector<UINT>{MB_ICONASTERISK});
  EXPECT_EQ(Text(IDC_CHGCOORD_X), u"-30.0000");
  EXPECT_EQ(Text(IDC_CHGCOORD_Y), u"-50.0000");

  EXPECT_FALSE(Ok());
  PntRecord moved = KeptPoint(12, u"A");
  moved.x = -30;
  moved.y = -50;
  EXPECT_EQ(PointFields(ReadPoint(id)), PointFields(moved));
  ExpectSameCard(ReadCard(id), cardBefore);
  EXPECT_EQ(PointsNumbered(12).size(), 1u) << "replaced, not added";
  EXPECT_EQ(MapSelection(), std::vector<int>{id});
  EXPECT_EQ(CurPointId(), id);
  EXPECT_FALSE(desktop.IsVisible(dialog));
  EXPECT_TRUE(CardShows());
  EXPECT_TRUE(desktop.Ui([this] { return ::IsZoomed(card->GetSafeHwnd()); })) << "shown again as it was";
}

TEST_F(ChgCoord, TheLabelShowsTheNumberInFivePlacesAndTheName) {
  struct Case {
    LONG number;
    const char16_t* name;
    const char16_t* label;
  };
  const Case cases[] = {{12, u"A", u"   12:A"}, {12345, u"東京都", u"12345:東京都"}, {1, u"", u"    1:"}};
  for (const Case& c : cases) {
    ASSERT_TRUE(OpenFor(AddCardedPoint(c.number, c.name)));
    EXPECT_FALSE(Ok()) << c.number;  // an empty name passes: "InpHoho" is not 1
    EXPECT_EQ(Label(), c.label);
  }
}

TEST_F(ChgCoord, ClearingTheHeightBoxStoresThePointWithoutAHeight) {
  const int id = AddCardedPoint(12, u"A");
  ASSERT_TRUE(OpenFor(id));
  ASSERT_TRUE(desktop.Click(Field(IDC_CHGCOORD_HASZ)));
  EXPECT_FALSE(desktop.IsEnabled(Field(IDC_CHGCOORD_Z)));
  EXPECT_EQ(desktop.FocusWindow(), Field(IDC_CHGCOORD_Y));
  EXPECT_EQ(Text(IDC_CHGCOORD_Z), u"7.5000");
  EXPECT_FALSE(Ok());
  const PntRecord stored = ReadPoint(id);
  EXPECT_EQ(stored.hasZ, 0);
  EXPECT_EQ(stored.z, 0.0);
}

TEST_F(ChgCoord, CancelAfterATapLeavesThePointAndBringsTheCardScreenBack) {
  const int id = AddCardedPoint(12, u"A");
  ASSERT_TRUE(OpenFor(id));
  ASSERT_TRUE(TapCoordinate(-30, -50));
  ASSERT_TRUE(desktop.CloseWindow(dialog));
  const PntRecord stored = ReadPoint(id);
  EXPECT_EQ(stored.x, 40.0);
  EXPECT_EQ(stored.y, 60.0);
  EXPECT_EQ(Label(), kUntouchedLabel);
  EXPECT_FALSE(desktop.IsVisible(dialog));
  EXPECT_TRUE(CardShows());
}

TEST_F(ChgCoord, APointPickNeverReachesTheDialog) {
  const int id = AddCardedPoint(12, u"A");
  AddPoint(MakePoint(20, u"B", -40, -60));
  ASSERT_TRUE(OpenFor(id));
  ASSERT_TRUE(TapPoint(20));
  EXPECT_EQ(CurPointId(), id);
  EXPECT_EQ(Text(IDC_CHGCOORD_NUMBER), u"12");
  EXPECT_EQ(Text(IDC_CHGCOORD_NAME), u"A");
  double tappedX = 0;
  double tappedY = 0;
  ASSERT_EQ(desktop.Ui([&] { return MapWin_GetPicCrd(&tappedX, &tappedY); }), 0) << "a tap over a point is a position";
  CString x;
  x.Format(u"%.4f", tappedX);
  EXPECT_EQ(Text(IDC_CHGCOORD_X), x.GetString());
}

TEST_F(ChgCoord, MissingEntriesAreRefusedInTurnWithTheirFocus) {
  ASSERT_EQ(desktop.Ui([] { return Devcond_SetInt(u"InpHoho", 1); }), 0);
  const int id = AddPoint(MakePoint(12, u"", 0, 0));
  ASSERT_TRUE(OpenFor(id));
  HWND x = Field(IDC_CHGCOORD_X);
  HWND y = Field(IDC_CHGCOORD_Y);
  desktop.Ui([x, y] {
    ::SetWindowTextW(x, u"");
    ::SetWindowTextW(y, u"");
  });
  auto type = [this](int id) { return [this, id] { return desktop.Type(Field(id), u"5"); }; };
  constexpr char16_t kInputError[] = u"入力エラー";
  const Refusal refusals[] = {
      {[] { return true; }, u"座標名称を入力してください。", kInputError, IDC_CHGCOORD_NAME},
      {type(IDC_CHGCOORD_NAME), u"X座標を入力してください。", kInputError, IDC_CHGCOORD_X},
      {type(IDC_CHGCOORD_X), u"Y座標を入力してください。", kInputError, IDC_CHGCOORD_Y},
      {[&] { return type(IDC_CHGCOORD_Y)() && desktop.Click(Field(IDC_CHGCOORD_HASZ)); }, u"Z座標を入力してください。",
       kInputError, IDC_CHGCOORD_Z},
  };
  ExpectRefusedInTurn(dialog, refusals);
  EXPECT_EQ(ReadPoint(id).name, u"") << "nothing was stored";
  EXPECT_EQ(Label(), kUntouchedLabel);
  EXPECT_TRUE(desktop.IsVisible(dialog));
}

TEST_F(ChgCoord, APointThatCannotBeReadAtOkIsNotClaimedAsChanged) {
  const int id = AddCardedPoint(12, u"A");
  ASSERT_TRUE(OpenFor(id));
  ASSERT_TRUE(TapCoordinate(-30, -50));
  desktop.Ui([id] { SetCurPointId(id + 100); });  // the point is gone
  const std::vector<int> selectionBefore = MapSelection();

  const auto box = Ok();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"指示された座標Noの座標データが\n見つかりません。");
  EXPECT_EQ(box->caption, u"座標Noエラー");
  EXPECT_EQ(box->type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
  EXPECT_TRUE(desktop.IsVisible(dialog)) << "it does not close as after a change";
  EXPECT_FALSE(CardShows());
  EXPECT_EQ(Label(), kUntouchedLabel);
  EXPECT_EQ(MapSelection(), selectionBefore);
  EXPECT_EQ(ReadPoint(id).x, 40.0);

  ASSERT_TRUE(desktop.CloseWindow(dialog));
  EXPECT_TRUE(CardShows());
  EXPECT_EQ(Label(), kUntouchedLabel);
}

class ChgCoordInTheHost : public CoordDialogInTheHost {};

TEST_F(ChgCoordInTheHost, FromTheCardScreensPointButtonATapOverAnotherPointMovesThePoint) {
  const int id = AddCardedPoint(MakePoint(12, u"A", 40, 60));
  host.AddPoint(MakePoint(20, u"B", -40, -60));
  ASSERT_TRUE(host.TapPoint(12));
  HWND card = host.Screen(kKnownCardCaption);
  ASSERT_NE(card, nullptr);
  ASSERT_TRUE(Desktop().Click(Desktop().FindControl(card, IDC_CARD_POINT)));
  HWND dialog = host.Screen(kCaption);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(host.Screen(kKnownCardCaption), nullptr) << "the card screen is hidden meanwhile";

  ASSERT_TRUE(host.TapPoint(20));
  EXPECT_EQ(FieldText(dialog, IDC_CHGCOORD_NUMBER), u"12") << "no point pick: still point 12";
  EXPECT_EQ(FieldText(dialog, IDC_CHGCOORD_NAME), u"A");
  double tappedX = 0;
  double tappedY = 0;
  ASSERT_EQ(Desktop().Ui([&] { return MapWin_GetPicCrd(&tappedX, &tappedY); }), 0);

  HWND name = Desktop().FindControl(dialog, IDC_CHGCOORD_NAME);
  Desktop().Ui([name] { ::SetWindowTextW(name, u""); });
  ASSERT_TRUE(Desktop().Type(name, u"甲"));

  ASSERT_TRUE(Desktop().CaptionOk(dialog));
  EXPECT_EQ(host.Screen(kCaption), nullptr);
  ASSERT_EQ(host.Screen(kKnownCardCaption), card);
  EXPECT_EQ(FieldText(card, IDC_CARD_POINTLABEL), u"   12:甲");
  HWND list = host.Window(kListCaption);
  const auto rows = Desktop().ListRows(Desktop().FindControl(list, IDC_LIST_CARDS));
  ASSERT_EQ(rows.size(), 1u) << "the card screen had the list follow the point";
  ASSERT_GE(rows[0].size(), 3u);
  EXPECT_EQ(rows[0][1], u"   12");
  EXPECT_EQ(rows[0][2], u"甲") << "the list refreshed the point's row";
  const auto moved = PointsNumbered(12);
  ASSERT_EQ(moved.size(), 1u);
  EXPECT_EQ(moved[0].first, id);
  EXPECT_EQ(moved[0].second.name, u"甲");
  EXPECT_NEAR(moved[0].second.x, tappedX, 1e-4);
  EXPECT_NEAR(moved[0].second.y, tappedY, 1e-4);
  const auto other = PointsNumbered(20);
  ASSERT_EQ(other.size(), 1u);
  EXPECT_EQ(other[0].second.x, -40.0) << "the point under the tap is not touched";
}

}  // namespace
