// Tests of the button control: what a click does to each kind and the
// BN_CLICKED it sends (and BM_SETCHECK does not), the three ways of clicking,
// radio groups, presses that end outside, disabled buttons, the focus
// notifications of BS_NOTIFY, dialog codes, BM_SETSTYLE and the colour
// message of each kind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "user/controls/control_test_support.h"

namespace {

using plat::test::PrintTo;  // named cases print as their names
using plat::test::Pump;
using plat::test::RecordingParent;

constexpr int kId = 41;
const std::vector<UINT> kClicked{BN_CLICKED};
const std::vector<UINT> kNothing{};

class ButtonTest : public ::testing::Test {
 protected:
  HWND Make(DWORD style, int id = kId, int y = 10) {
    HWND button = parent.Child(u"Button", style, id, u"button", 10, y, 100, 20);
    Pump();
    parent.received.clear();
    return button;
  }
  static LRESULT Check(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0); }
  static LRESULT State(HWND button) { return SendMessageW(button, BM_GETSTATE, 0, 0); }

  RecordingParent parent;
};

// ---- what a click does ----

struct ClickCase {
  const char* name;
  DWORD style;
  WPARAM before;
  LRESULT after;
  std::vector<UINT> codes;
};

class ButtonClickTest : public ButtonTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ButtonClickTest, TapChangesTheCheckThenNotifies) {
  HWND button = Make(GetParam().style);
  SendMessageW(button, BM_SETCHECK, GetParam().before, 0);
  plat::test::Tap(button, 5, 5);
  EXPECT_EQ(Check(button), GetParam().after);
  EXPECT_EQ(parent.Codes(), GetParam().codes);
  for (const auto& n : parent.received) {
    EXPECT_EQ(n.id, kId);
    EXPECT_EQ(n.from, button);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ButtonClickTest,
    ::testing::Values(ClickCase{"Push", BS_PUSHBUTTON, BST_UNCHECKED, BST_UNCHECKED, kClicked},
                      ClickCase{"DefaultPush", BS_DEFPUSHBUTTON, BST_UNCHECKED, BST_UNCHECKED, kClicked},
                      ClickCase{"AutoCheckOn", BS_AUTOCHECKBOX, BST_UNCHECKED, BST_CHECKED, kClicked},
                      ClickCase{"AutoCheckOff", BS_AUTOCHECKBOX, BST_CHECKED, BST_UNCHECKED, kClicked},
                      ClickCase{"PushLikeAutoCheck", BS_AUTOCHECKBOX | BS_PUSHLIKE, BST_UNCHECKED, BST_CHECKED,
                                kClicked},
                      ClickCase{"CheckBoxStays", BS_CHECKBOX, BST_UNCHECKED, BST_UNCHECKED, kClicked},
                      ClickCase{"Auto3StateToChecked", BS_AUTO3STATE, BST_UNCHECKED, BST_CHECKED, kClicked},
                      ClickCase{"Auto3StateToIndeterminate", BS_AUTO3STATE, BST_CHECKED, BST_INDETERMINATE, kClicked},
                      ClickCase{"Auto3StateToUnchecked", BS_AUTO3STATE, BST_INDETERMINATE, BST_UNCHECKED, kClicked},
                      ClickCase{"ThreeStateStays", BS_3STATE, BST_INDETERMINATE, BST_INDETERMINATE, kClicked},
                      ClickCase{"AutoRadioChecks", BS_AUTORADIOBUTTON, BST_UNCHECKED, BST_CHECKED, kClicked},
                      ClickCase{"AutoRadioStaysChecked", BS_AUTORADIOBUTTON, BST_CHECKED, BST_CHECKED, kClicked},
                      ClickCase{"RadioStays", BS_RADIOBUTTON, BST_UNCHECKED, BST_UNCHECKED, kClicked},
                      ClickCase{"GroupBoxTakesNoClick", BS_GROUPBOX, BST_CHECKED, BST_UNCHECKED, kNothing}),
    plat::test::CaseName{});

// ---- the ways of clicking ----

enum class Way { Tap, Space, BmClick, TapGesture };

struct WayCase {
  const char* name;
  Way way;
};

class ButtonWayTest : public ButtonTest, public ::testing::WithParamInterface<WayCase> {
 protected:
  void ClickBy(HWND button, Way way) {
    switch (way) {
      case Way::Tap:
        plat::test::Tap(button, 50, 10);
        break;
      case Way::Space:
        plat::test::Key(button, VK_SPACE);
        break;
      case Way::BmClick:
        SendMessageW(button, BM_CLICK, 0, 0);
        break;
      case Way::TapGesture:
        plat::test::Gesture(button, plat::kGestureTap, MAKELPARAM(50, 10));
        break;
    }
  }
};

TEST_P(ButtonWayTest, TogglesAnAutomaticCheckBoxAndNotifiesOnce) {
  HWND button = Make(BS_AUTOCHECKBOX);
  ClickBy(button, GetParam().way);
  EXPECT_EQ(Check(button), BST_CHECKED);
  EXPECT_EQ(parent.Codes(), kClicked);
  EXPECT_EQ(State(button) & BST_PUSHED, 0);
  ClickBy(button, GetParam().way);
  EXPECT_EQ(Check(button), BST_UNCHECKED);
  EXPECT_EQ(parent.Codes(), (std::vector<UINT>{BN_CLICKED, BN_CLICKED}));
}

TEST_P(ButtonWayTest, DoesNothingToAGroupBox) {
  HWND box = Make(BS_GROUPBOX);
  ClickBy(box, GetParam().way);
  EXPECT_EQ(parent.Codes(), kNothing);
  EXPECT_EQ(GetFocus(), parent.hwnd);
  EXPECT_EQ(State(box), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, ButtonWayTest,
                         ::testing::Values(WayCase{"Tap", Way::Tap}, WayCase{"Space", Way::Space},
                                           WayCase{"BmClick", Way::BmClick},
                                           WayCase{"TapGesture", Way::TapGesture}),
                         plat::test::CaseName{});

TEST_F(ButtonTest, TapTakesTheFocusAndCapture) {
  HWND button = Make(BS_PUSHBUTTON);
  plat::PostInput(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  Pump();
  EXPECT_EQ(GetFocus(), button);
  EXPECT_EQ(GetCapture(), button);
  EXPECT_EQ(State(button), BST_PUSHED | BST_FOCUS);
  EXPECT_EQ(parent.Codes(), kNothing);
  plat::PostInput(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(State(button), BST_FOCUS);
  EXPECT_EQ(parent.Codes(), kClicked);
}

TEST_F(ButtonTest, SpaceShowsThePushUntilReleased) {
  HWND button = Make(BS_AUTORADIOBUTTON);
  plat::PostInput(button, WM_KEYDOWN, VK_SPACE, 1);
  Pump();
  EXPECT_EQ(State(button) & BST_PUSHED, BST_PUSHED);
  EXPECT_EQ(Check(button), BST_UNCHECKED);
  EXPECT_EQ(parent.Codes(), kNothing);
  plat::PostInput(button, WM_KEYUP, VK_SPACE, 1);
  Pump();
  EXPECT_EQ(State(button), BST_CHECKED);
  EXPECT_EQ(parent.Codes(), kClicked);
}

TEST_F(ButtonTest, KeyUpWithoutKeyDownDoesNotClick) {
  HWND button = Make(BS_PUSHBUTTON);
  plat::PostInput(button, WM_KEYUP, VK_SPACE, 1);
  plat::test::Key(button, VK_RETURN);
  EXPECT_EQ(parent.Codes(), kNothing);
}

TEST_F(ButtonTest, PressEndingOutsideDoesNotClick) {
  HWND button = Make(BS_AUTOCHECKBOX);
  plat::PostInput(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  plat::PostInput(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 5));
  Pump();
  EXPECT_EQ(State(button) & BST_PUSHED, 0);  // shown released while the stylus is outside
  plat::PostInput(button, WM_LBUTTONUP, 0, MAKELPARAM(150, 5));
  Pump();
  EXPECT_EQ(parent.Codes(), kNothing);
  EXPECT_EQ(Check(button), BST_UNCHECKED);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonTest, ReleaseWithoutPressDoesNotClick) {
  HWND button = Make(BS_PUSHBUTTON);
  plat::PostInput(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  EXPECT_EQ(parent.Codes(), kNothing);
}

TEST_F(ButtonTest, DisabledButtonIgnoresEveryClick) {
  HWND button = Make(BS_AUTOCHECKBOX | WS_DISABLED);
  plat::test::Tap(button, 5, 5);
  plat::test::Key(button, VK_SPACE);
  SendMessageW(button, BM_CLICK, 0, 0);
  EXPECT_EQ(parent.Codes(), kNothing);
  EXPECT_EQ(Check(button), BST_UNCHECKED);
  EXPECT_EQ(GetFocus(), parent.hwnd);
  EnableWindow(button, TRUE);
  plat::test::Tap(button, 5, 5);
  EXPECT_EQ(parent.Codes(), kClicked);
}

TEST_F(ButtonTest, LosingTheFocusCancelsAPress) {
  HWND button = Make(BS_PUSHBUTTON);
  plat::PostInput(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  Pump();
  SetFocus(parent.hwnd);
  EXPECT_EQ(State(button), 0);
  plat::PostInput(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  EXPECT_EQ(parent.Codes(), kNothing);
}

// ---- the program's own changes ----

TEST_F(ButtonTest, SetCheckNeverNotifies) {
  struct Case {
    DWORD style;
    WPARAM set;
    LRESULT got;
  };
  for (const Case& c : {Case{BS_AUTOCHECKBOX, BST_CHECKED, BST_CHECKED},
                        Case{BS_AUTOCHECKBOX, BST_INDETERMINATE, BST_CHECKED},
                        Case{BS_CHECKBOX, 7, BST_CHECKED},
                        Case{BS_AUTO3STATE, BST_INDETERMINATE, BST_INDETERMINATE},
                        Case{BS_3STATE, BST_CHECKED, BST_CHECKED},
                        Case{BS_AUTORADIOBUTTON, BST_CHECKED, BST_CHECKED},
                        Case{BS_RADIOBUTTON, BST_CHECKED, BST_CHECKED},
                        Case{BS_PUSHBUTTON, BST_CHECKED, BST_UNCHECKED},
                        Case{BS_GROUPBOX, BST_CHECKED, BST_UNCHECKED}}) {
    HWND button = Make(c.style);
    SendMessageW(button, BM_SETCHECK, c.set, 0);
    EXPECT_EQ(Check(button), c.got) << "style " << c.style;
    EXPECT_EQ(State(button), c.got) << "style " << c.style;
    SendMessageW(button, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(Check(button), BST_UNCHECKED);
    DestroyWindow(button);
  }
  Pump();
  EXPECT_EQ(parent.Codes(), kNothing);
}

TEST_F(ButtonTest, SetStateShowsThePushWithoutClicking) {
  HWND button = Make(BS_PUSHBUTTON);
  SendMessageW(button, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(State(button), BST_PUSHED);
  SendMessageW(button, BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(State(button), 0);
  EXPECT_EQ(parent.Codes(), kNothing);
}

TEST_F(ButtonTest, CheckRadioButtonAndCheckDlgButtonDoNotNotify) {
  HWND first = Make(BS_AUTORADIOBUTTON | WS_GROUP, 1, 10);
  HWND second = Make(BS_AUTORADIOBUTTON, 2, 40);
  CheckRadioButton(parent.hwnd, 1, 2, 2);
  EXPECT_EQ(Check(first), BST_UNCHECKED);
  EXPECT_EQ(Check(second), BST_CHECKED);
  CheckDlgButton(parent.hwnd, 1, BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(parent.hwnd, 1), BST_CHECKED);
  EXPECT_EQ(parent.Codes(), kNothing);
}

// ---- radio groups ----

class RadioGroupTest : public ButtonTest {
 protected:
  void SetUp() override {
    // Group A: a1 a2 a3 (a check box among them); group B: b1 b2.
    a1 = Make(BS_AUTORADIOBUTTON | WS_GROUP, 1, 10);
    a2 = Make(BS_AUTORADIOBUTTON, 2, 35);
    check = Make(BS_AUTOCHECKBOX, 3, 60);
    a3 = Make(BS_RADIOBUTTON, 4, 85);
    b1 = Make(BS_AUTORADIOBUTTON | WS_GROUP, 5, 110);
    b2 = Make(BS_AUTORADIOBUTTON, 6, 135);
    for (HWND button : {a1, a3, check, b1}) SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
  }
  HWND a1{}, a2{}, a3{}, check{}, b1{}, b2{};
};

TEST_F(RadioGroupTest, ClickUnchecksTheOtherRadioButtonsOfItsGroupOnly) {
  plat::test::Tap(a2, 5, 5);
  EXPECT_EQ(Check(a1), BST_UNCHECKED);
  EXPECT_EQ(Check(a2), BST_CHECKED);
  EXPECT_EQ(Check(a3), BST_UNCHECKED);
  EXPECT_EQ(Check(check), BST_CHECKED);
  EXPECT_EQ(Check(b1), BST_CHECKED);
  ASSERT_EQ(parent.received.size(), 1u);
  EXPECT_EQ(parent.received[0].id, 2);
}

TEST_F(RadioGroupTest, FirstOfTheSecondGroupLeavesTheFirstGroupAlone) {
  plat::test::Tap(b2, 5, 5);
  EXPECT_EQ(Check(b1), BST_UNCHECKED);
  EXPECT_EQ(Check(b2), BST_CHECKED);
  EXPECT_EQ(Check(a1), BST_CHECKED);
  plat::test::Tap(a1, 5, 5);
  EXPECT_EQ(Check(a3), BST_UNCHECKED);
  EXPECT_EQ(Check(b2), BST_CHECKED);
  EXPECT_EQ(parent.Codes(), (std::vector<UINT>{BN_CLICKED, BN_CLICKED}));
}

TEST_F(RadioGroupTest, SetCheckDoesNotUncheckTheGroup) {
  SendMessageW(a2, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(Check(a1), BST_CHECKED);
  EXPECT_EQ(Check(a2), BST_CHECKED);
  EXPECT_EQ(parent.Codes(), kNothing);
}

// ---- focus notifications ----

TEST_F(ButtonTest, FocusNotificationsOnlyWithNotify) {
  HWND plain = Make(BS_PUSHBUTTON, 1, 10);
  HWND notifying = Make(BS_PUSHBUTTON | BS_NOTIFY, 2, 40);
  SetFocus(plain);
  SetFocus(notifying);
  EXPECT_EQ(State(notifying), BST_FOCUS);
  SetFocus(plain);
  EXPECT_EQ(State(notifying), 0);
  EXPECT_EQ(State(plain), BST_FOCUS);
  ASSERT_EQ(parent.Codes(), (std::vector<UINT>{BN_SETFOCUS, BN_KILLFOCUS}));
  EXPECT_EQ(parent.received[0].id, 2);
  EXPECT_EQ(parent.received[1].id, 2);
}

TEST_F(ButtonTest, DoubleClickNotifiesOnlyWithNotify) {
  HWND plain = Make(BS_PUSHBUTTON, 1, 10);
  HWND notifying = Make(BS_PUSHBUTTON | BS_NOTIFY, 2, 40);
  for (HWND button : {plain, notifying}) {
    plat::PostInput(button, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    plat::PostInput(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  Pump();
  std::vector<UINT> expected{BN_CLICKED, BN_DOUBLECLICKED, BN_SETFOCUS, BN_CLICKED};
  EXPECT_EQ(parent.Codes(), expected);
}

// ---- dialog codes and styles ----

TEST_F(ButtonTest, DialogCodeOfEachKind) {
  struct Case {
    DWORD style;
    LRESULT code;
  };
  for (const Case& c : {Case{BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
                        Case{BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
                        Case{BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
                        Case{BS_AUTORADIOBUTTON | BS_PUSHLIKE, DLGC_BUTTON | DLGC_RADIOBUTTON},
                        Case{BS_CHECKBOX, DLGC_BUTTON}, Case{BS_AUTOCHECKBOX | BS_LEFTTEXT, DLGC_BUTTON},
                        Case{BS_3STATE, DLGC_BUTTON}, Case{BS_AUTO3STATE | BS_MULTILINE, DLGC_BUTTON},
                        Case{BS_GROUPBOX, DLGC_STATIC}}) {
    HWND button = Make(c.style);
    EXPECT_EQ(SendMessageW(button, WM_GETDLGCODE, 0, 0), c.code) << "style " << c.style;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(button, GWL_STYLE)) & 0xFFFF, c.style) << "style kept";
    DestroyWindow(button);
  }
}

TEST_F(ButtonTest, SetStyleSwitchesTheDefaultButtonAndKeepsOtherStyles) {
  HWND button = Make(BS_PUSHBUTTON | BS_NOTIFY | BS_MULTILINE);
  SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_EQ(SendMessageW(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(button, GWL_STYLE)) & 0xFFFF, BS_DEFPUSHBUTTON | BS_NOTIFY | BS_MULTILINE);
  SendMessageW(button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EXPECT_EQ(SendMessageW(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
  EXPECT_NE(GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE, 0);
  EXPECT_EQ(parent.Codes(), kNothing);
}

TEST_F(ButtonTest, KeepsImagesByType) {
  HWND button = Make(BS_PUSHBUTTON | BS_BITMAP);
  const LPARAM bitmap = 0x7000;
  const LPARAM icon = 0x8000;
  EXPECT_EQ(SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, bitmap), 0);
  EXPECT_EQ(SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, icon), 0);
  EXPECT_EQ(SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, 0), bitmap);
  EXPECT_EQ(SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0), icon);
  EXPECT_EQ(SendMessageW(button, BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  EXPECT_EQ(SendMessageW(button, BM_SETIMAGE, 99, icon), 0);
  EXPECT_EQ(SendMessageW(button, BM_GETIMAGE, 99, 0), 0);
}

TEST_F(ButtonTest, AnswersFont) {
  HWND button = Make(BS_PUSHBUTTON);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(button, WM_GETFONT, 0, 0)), GetStockObject(SYSTEM_FONT));
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(button, WM_GETFONT, 0, 0)), font);
}

// ---- colours ----

struct ColorCase {
  const char* name;
  DWORD style;
  UINT message;
};

class ButtonColorTest : public ButtonTest, public ::testing::WithParamInterface<ColorCase> {};

TEST_P(ButtonColorTest, AsksTheParentWithItsColorMessage) {
  const COLORREF color = RGB(21, 43, 65);
  parent.AnswerColor(GetParam().message, color);
  HWND button = Make(GetParam().style);
  const plat::PaintRecord record = plat::GetPaintRecord(button);
  EXPECT_TRUE(record.painted);
  EXPECT_EQ(record.background, color);
  // A change of check repaints with the same message.
  SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
  Pump();
  EXPECT_EQ(plat::GetPaintRecord(button).background, color);
  EXPECT_THAT(parent.colorRequests, plat::test::OnlyAskedFor(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ButtonColorTest,
    ::testing::Values(ColorCase{"Push", BS_PUSHBUTTON, WM_CTLCOLORBTN},
                      ColorCase{"DefaultPush", BS_DEFPUSHBUTTON, WM_CTLCOLORBTN},
                      ColorCase{"CheckBox", BS_AUTOCHECKBOX, WM_CTLCOLORSTATIC},
                      ColorCase{"ThreeState", BS_3STATE, WM_CTLCOLORSTATIC},
                      ColorCase{"Radio", BS_AUTORADIOBUTTON, WM_CTLCOLORSTATIC},
                      ColorCase{"GroupBox", BS_GROUPBOX, WM_CTLCOLORSTATIC},
                      ColorCase{"PushLikeCheckBox", BS_AUTOCHECKBOX | BS_PUSHLIKE, WM_CTLCOLORBTN}),
    plat::test::CaseName{});

}  // namespace
