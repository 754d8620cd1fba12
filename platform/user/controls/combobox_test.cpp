// Tests of the combo box: CBN_SELCHANGE for a person's choice only (never
// for CB_SETCURSEL, nor for choosing the selected item again), the order of
// the drop-down notifications for taps, keys and gestures, searching,
// sorted insertion, the selection kept across insertion and deletion, the
// edit part with its limit and caret, the geometry and the dialog code.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "user/controls/control_test_support.h"

namespace {

using plat::test::Gesture;
using plat::test::Key;
using plat::test::PrintTo;  // named cases print as their names
using plat::test::Pump;
using plat::test::RecordingParent;
using plat::test::Tap;
using plat::test::Text;
using plat::test::Type;
using Codes = std::vector<UINT>;

constexpr int kWidth = 120;

class ComboTest : public ::testing::Test {
 protected:
  HWND Create(DWORD style, int height = 20) {
    combo = parent.Child(WC_COMBOBOXW, style, 20, u"", 10, 10, kWidth, height);
    return combo;
  }
  HWND CreateWithFruit(DWORD style, int height = 20) {
    Create(style, height);
    for (const char16_t* text : {u"Apple", u"Banana", u"Cherry", u"Date"}) Add(text);
    return combo;
  }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(combo, message, wParam, lParam);
  }
  LRESULT Add(const char16_t* text) { return Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }
  int CurSel() { return static_cast<int>(Send(CB_GETCURSEL)); }
  bool Dropped() { return Send(CB_GETDROPPEDSTATE) != 0; }
  std::u16string ItemText(int index) {
    WCHAR buffer[64] = u"";
    Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    return buffer;
  }
  std::vector<std::u16string> Items() {
    std::vector<std::u16string> items;
    for (int i = 0; i < Send(CB_GETCOUNT); ++i) items.push_back(ItemText(i));
    return items;
  }
  std::pair<DWORD, DWORD> EditSel() {
    DWORD start = 99, end = 99;
    Send(CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  // Focus on the combo box, the notifications so far forgotten.
  void Focus() {
    SetFocus(combo);
    parent.received.clear();
  }

  RecordingParent parent;
  HWND combo = nullptr;
};

// ---- CBN_SELCHANGE: a person's choice only ----

class ComboKindTest : public ComboTest, public ::testing::WithParamInterface<DWORD> {};

TEST_P(ComboKindTest, SetCurSelNeverNotifiesAndShowsTheItem) {
  CreateWithFruit(GetParam());
  EXPECT_EQ(Send(CB_SETCURSEL, 1), 1);
  EXPECT_EQ(CurSel(), 1);
  EXPECT_EQ(Text(combo), u"Banana");
  EXPECT_EQ(Send(WM_GETTEXTLENGTH), 6);
  Pump();
  EXPECT_TRUE(parent.received.empty());
}

TEST_P(ComboKindTest, APersonsChoiceNotifiesOnlyWhenTheSelectionChanges) {
  CreateWithFruit(GetParam());
  Send(CB_SETCURSEL, 1);
  Gesture(combo, plat::kGestureChoose, 1);  // the selected item again
  EXPECT_EQ(parent.Codes(), (Codes{CBN_SETFOCUS}));
  EXPECT_EQ(GetFocus(), combo);
  parent.received.clear();
  Gesture(combo, plat::kGestureChoose, 2);
  ASSERT_EQ(parent.Codes(), (Codes{CBN_SELCHANGE}));
  EXPECT_EQ(parent.received[0].from, combo);
  EXPECT_EQ(parent.received[0].id, 20);
  EXPECT_EQ(CurSel(), 2);
  EXPECT_EQ(Text(combo), u"Cherry");
  parent.received.clear();
  Gesture(combo, plat::kGestureChoose, 4);  // no such item
  EXPECT_TRUE(parent.received.empty());
  EXPECT_EQ(CurSel(), 2);
}

TEST_P(ComboKindTest, SetCurSelMinusOneOrOutOfRangeClearsTheSelectionAndTheField) {
  for (const WPARAM index : {static_cast<WPARAM>(-1), WPARAM{4}}) {
    CreateWithFruit(GetParam());
    Send(CB_SETCURSEL, 2);
    EXPECT_EQ(Send(CB_SETCURSEL, index), CB_ERR);
    EXPECT_EQ(CurSel(), -1);
    EXPECT_EQ(Text(combo), u"");
    DestroyWindow(combo);
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ComboKindTest, ::testing::Values(CBS_DROPDOWNLIST, CBS_DROPDOWN, CBS_SIMPLE),
                         [](const auto& info) {
                           return info.param == CBS_DROPDOWNLIST ? "DropDownList"
                                  : info.param == CBS_DROPDOWN   ? "DropDown"
                                                                 : "Simple";
                         });

// ---- the drop-down list ----

TEST_F(ComboTest, ATapOpensTheListAndChoosingInItClosesIt) {
  CreateWithFruit(CBS_DROPDOWNLIST);
  Tap(combo, 30, 5);
  EXPECT_EQ(parent.Codes(), (Codes{CBN_SETFOCUS, CBN_DROPDOWN}));
  EXPECT_TRUE(Dropped());
  parent.received.clear();
  Gesture(combo, plat::kGestureChoose, 2);
  EXPECT_EQ(parent.Codes(), (Codes{CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
  EXPECT_FALSE(Dropped());
  EXPECT_EQ(Text(combo), u"Cherry");

  Tap(combo, 30, 5);
  parent.received.clear();
  Gesture(combo, plat::kGestureChoose, 2);  // the selected item: no CBN_SELCHANGE
  EXPECT_EQ(parent.Codes(), (Codes{CBN_SELENDOK, CBN_CLOSEUP}));
}

TEST_F(ComboTest, SetCurSelOnAnOpenListIsNotFollowedBySelChange) {
  CreateWithFruit(CBS_DROPDOWNLIST);
  Tap(combo, 30, 5);
  parent.received.clear();
  Send(CB_SETCURSEL, 3);
  Key(combo, VK_RETURN);
  EXPECT_EQ(parent.Codes(), (Codes{CBN_SELENDOK, CBN_CLOSEUP}));
  EXPECT_EQ(CurSel(), 3);
}

struct KeyCase {
  const char* name;
  bool open;  // the list is open before the action
  std::function<void(HWND)> act;
  Codes expected;
  int selection;  // after the action; 1 before it
  bool dropped;   // after the action
};

void Press(HWND h, UINT vk) { Key(h, vk); }
void AltDown(HWND h) {
  plat::PostInput(h, WM_SYSKEYDOWN, VK_DOWN, 1 << 29);
  plat::PostInput(h, WM_SYSKEYUP, VK_DOWN, 1 << 29);
  Pump();
}


class ComboKeyTest : public ComboTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ComboKeyTest, SendsTheNotificationsOfTheKey) {
  const KeyCase& c = GetParam();
  CreateWithFruit(CBS_DROPDOWNLIST);
  Send(CB_SETCURSEL, 1);
  Focus();
  if (c.open) Send(CB_SHOWDROPDOWN, TRUE);
  parent.received.clear();
  c.act(combo);
  EXPECT_EQ(parent.Codes(), c.expected);
  EXPECT_EQ(CurSel(), c.selection);
  EXPECT_EQ(Dropped(), c.dropped);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ComboKeyTest,
    ::testing::Values(
        KeyCase{"DownClosed", false, [](HWND h) { Press(h, VK_DOWN); }, Codes{CBN_SELCHANGE}, 2, false},
        KeyCase{"UpClosed", false, [](HWND h) { Press(h, VK_UP); }, Codes{CBN_SELCHANGE}, 0, false},
        KeyCase{"DownOpen", true, [](HWND h) { Press(h, VK_DOWN); }, Codes{CBN_SELCHANGE}, 2, true},
        KeyCase{"F4Closed", false, [](HWND h) { Press(h, VK_F4); }, Codes{CBN_DROPDOWN}, 1, true},
        KeyCase{"F4Open", true, [](HWND h) { Press(h, VK_F4); }, Codes{CBN_SELENDOK, CBN_CLOSEUP}, 1, false},
        KeyCase{"AltDownClosed", false, AltDown, Codes{CBN_DROPDOWN}, 1, true},
        KeyCase{"AltDownOpen", true, AltDown, Codes{CBN_SELENDOK, CBN_CLOSEUP}, 1, false},
        KeyCase{"EnterOpen", true, [](HWND h) { Press(h, VK_RETURN); }, Codes{CBN_SELENDOK, CBN_CLOSEUP}, 1, false},
        KeyCase{"EscapeOpen", true, [](HWND h) { Press(h, VK_ESCAPE); }, Codes{CBN_SELENDCANCEL, CBN_CLOSEUP}, 1,
                false},
        KeyCase{"EnterClosed", false, [](HWND h) { Press(h, VK_RETURN); }, Codes{}, 1, false},
        KeyCase{"TapOpen", true, [](HWND h) { Tap(h, 30, 5); }, Codes{CBN_SELENDOK, CBN_CLOSEUP}, 1, false},
        KeyCase{"TypedLetter", false, [](HWND h) { Type(h, u"d"); }, Codes{CBN_SELCHANGE}, 3, false},
        KeyCase{"TypedLetterNoMatch", false, [](HWND h) { Type(h, u"z"); }, Codes{}, 1, false}),
    plat::test::CaseName{});

// Runs the queue dry as a dialog's loop does: keys pass the dialog manager first.
void PumpAsDialog(HWND dialog) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (IsDialogMessageW(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

TEST_F(ComboTest, InADialogEnterAndEscapeReachAnOpenListOnly) {
  CreateWithFruit(CBS_DROPDOWNLIST);
  Focus();
  const std::pair<UINT, UINT> keys[] = {{VK_ESCAPE, CBN_SELENDCANCEL}, {VK_RETURN, CBN_SELENDOK}};
  for (const auto& [key, ending] : keys) {
    Send(CB_SHOWDROPDOWN, TRUE);
    parent.received.clear();
    plat::PostInput(combo, WM_KEYDOWN, key, 1);
    PumpAsDialog(parent.hwnd);
    EXPECT_EQ(parent.Codes(), (Codes{ending, CBN_CLOSEUP})) << key;
  }
  parent.received.clear();
  plat::PostInput(combo, WM_KEYDOWN, VK_ESCAPE, 1);  // closed: the dialog manager's IDCANCEL
  PumpAsDialog(parent.hwnd);
  ASSERT_EQ(parent.received.size(), 1u);
  EXPECT_EQ(parent.received[0].id, IDCANCEL);
  EXPECT_EQ(parent.received[0].code, static_cast<UINT>(BN_CLICKED));
}

TEST_F(ComboTest, ArrowsStopAtTheEndsAndStartFromTheFirstItem) {
  CreateWithFruit(CBS_DROPDOWNLIST);
  Focus();
  Key(combo, VK_UP);  // no selection: the first item
  EXPECT_EQ(CurSel(), 0);
  Key(combo, VK_UP);
  Send(CB_SETCURSEL, 3);
  Key(combo, VK_DOWN);
  EXPECT_EQ(parent.Codes(), (Codes{CBN_SELCHANGE}));
  EXPECT_EQ(CurSel(), 3);
}

TEST_F(ComboTest, KeysActOnlyWithTheFocus) {
  CreateWithFruit(CBS_DROPDOWN);
  Key(combo, VK_DOWN);
  Key(combo, VK_F4);
  Type(combo, u"x");
  EXPECT_TRUE(parent.received.empty());
  EXPECT_EQ(CurSel(), -1);
  EXPECT_EQ(Text(combo), u"");
}

TEST_F(ComboTest, LosingTheFocusCancelsAnOpenList) {
  CreateWithFruit(CBS_DROPDOWNLIST);
  Tap(combo, 30, 5);
  parent.received.clear();
  SetFocus(parent.hwnd);
  EXPECT_EQ(parent.Codes(), (Codes{CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}));
  EXPECT_FALSE(Dropped());
}

TEST_F(ComboTest, ShowDropDownTellsOnlyOfTheListShowingAndHiding) {
  CreateWithFruit(CBS_DROPDOWNLIST);
  EXPECT_TRUE(Send(CB_SHOWDROPDOWN, TRUE));
  EXPECT_TRUE(Dropped());
  EXPECT_TRUE(Send(CB_SHOWDROPDOWN, TRUE));  // already open
  EXPECT_TRUE(Send(CB_SHOWDROPDOWN, FALSE));
  EXPECT_FALSE(Dropped());
  EXPECT_EQ(parent.Codes(), (Codes{CBN_DROPDOWN, CBN_CLOSEUP}));
}

TEST_F(ComboTest, ASimpleComboBoxNeverDropsDown) {
  CreateWithFruit(CBS_SIMPLE, 100);
  Send(CB_SHOWDROPDOWN, TRUE);
  Focus();
  Key(combo, VK_F4);
  Tap(combo, kWidth - 3, 5);
  EXPECT_FALSE(Dropped());
  EXPECT_TRUE(parent.received.empty());
}

TEST_F(ComboTest, ADropDownOpensFromItsButtonOnly) {
  CreateWithFruit(CBS_DROPDOWN);
  Tap(combo, 20, 5);  // the edit part
  EXPECT_EQ(parent.Codes(), (Codes{CBN_SETFOCUS}));
  EXPECT_FALSE(Dropped());
  Tap(combo, kWidth - 5, 5);  // the button
  EXPECT_TRUE(Dropped());
  parent.received.clear();
  Tap(combo, 20, 5);
  EXPECT_EQ(parent.Codes(), (Codes{CBN_SELENDOK, CBN_CLOSEUP}));
}

TEST_F(ComboTest, TheDialogCodeAsksForEnterAndEscapeOnlyWhileOpen) {
  struct Case {
    DWORD style;
    LRESULT closed;
  };
  const Case cases[] = {
      {CBS_DROPDOWNLIST, DLGC_WANTARROWS | DLGC_WANTCHARS},
      {CBS_DROPDOWN, DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL},
      {CBS_SIMPLE, DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL},
  };
  for (const Case& c : cases) {
    Create(c.style);
    EXPECT_EQ(Send(WM_GETDLGCODE), c.closed) << c.style;
    if (c.style != CBS_SIMPLE) {
      Send(CB_SHOWDROPDOWN, TRUE);
      EXPECT_EQ(Send(WM_GETDLGCODE), c.closed | DLGC_WANTALLKEYS) << c.style;
    }
    DestroyWindow(combo);
  }
}

TEST_F(ComboTest, TheWindowIsTheFieldAndTheGivenHeightTheDroppedList) {
  CreateWithFruit(CBS_DROPDOWNLIST, 100);
  RECT window{}, dropped{};
  GetWindowRect(combo, &window);
  EXPECT_EQ(window.bottom - window.top, 20);
  ASSERT_TRUE(Send(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)));
  EXPECT_EQ(dropped.left, window.left);
  EXPECT_EQ(dropped.right, window.right);
  EXPECT_EQ(dropped.top, window.top);
  EXPECT_EQ(dropped.bottom, window.top + 100);
  MoveWindow(combo, 0, 0, kWidth, 60, TRUE);
  GetWindowRect(combo, &window);
  EXPECT_EQ(window.bottom - window.top, 20);
  Send(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_EQ(dropped.bottom - dropped.top, 60);
  EXPECT_FALSE(Send(CB_GETDROPPEDCONTROLRECT, 0, 0));

  CreateWithFruit(CBS_SIMPLE, 100);
  GetWindowRect(combo, &window);
  EXPECT_EQ(window.bottom - window.top, 100);
}

// ---- the items ----

TEST_F(ComboTest, FindStringIgnoresCaseSearchesAfterTheStartAndWraps) {
  Create(CBS_DROPDOWNLIST);
  for (const char16_t* text : {u"Apple", u"Banana", u"apple", u"Apple pie"}) Add(text);
  struct Case {
    UINT message;
    int start;
    const char16_t* text;
    LRESULT expected;
  };
  const Case cases[] = {
      {CB_FINDSTRINGEXACT, -1, u"APPLE", 0},   {CB_FINDSTRINGEXACT, 0, u"apple", 2},
      {CB_FINDSTRINGEXACT, 2, u"apple", 0},    {CB_FINDSTRINGEXACT, 3, u"aPPle", 0},
      {CB_FINDSTRINGEXACT, -1, u"App", CB_ERR}, {CB_FINDSTRINGEXACT, 1, u"banana", 1},
      {CB_FINDSTRINGEXACT, 9, u"apple", 0},    {CB_FINDSTRING, -1, u"app", 0},
      {CB_FINDSTRING, 0, u"APP", 2},           {CB_FINDSTRING, 2, u"apple ", 3},
      {CB_FINDSTRING, 3, u"b", 1},             {CB_FINDSTRING, -1, u"Cherry", CB_ERR},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Send(c.message, static_cast<WPARAM>(c.start), reinterpret_cast<LPARAM>(c.text)), c.expected)
        << (c.message == CB_FINDSTRING ? "prefix " : "exact ") << c.start;
  }
  EXPECT_EQ(Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), 0), CB_ERR);
  EXPECT_EQ(CurSel(), -1);
  Pump();
  EXPECT_TRUE(parent.received.empty());
}

TEST_F(ComboTest, SelectStringSelectsByPrefixWithoutNotifying) {
  CreateWithFruit(CBS_DROPDOWNLIST);
  EXPECT_EQ(Send(CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"ch")), 2);
  EXPECT_EQ(Text(combo), u"Cherry");
  EXPECT_EQ(Send(CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"kiwi")), CB_ERR);
  EXPECT_EQ(CurSel(), 2);
  Pump();
  EXPECT_TRUE(parent.received.empty());
}

TEST_F(ComboTest, SortedComboBoxesAddInOrderIgnoringCase) {
  Create(CBS_DROPDOWNLIST | CBS_SORT | CBS_HASSTRINGS);
  EXPECT_EQ(Add(u"pear"), 0);
  EXPECT_EQ(Add(u"Apple"), 0);
  EXPECT_EQ(Add(u"banana"), 1);
  EXPECT_EQ(Add(u"apple"), 1);  // after the equal "Apple"
  EXPECT_EQ(Add(u"Cherry"), 3);
  EXPECT_EQ(Items(), (std::vector<std::u16string>{u"Apple", u"apple", u"banana", u"Cherry", u"pear"}));
  EXPECT_EQ(Send(CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(u"zucchini")), 0);  // never sorted
  EXPECT_EQ(ItemText(0), u"zucchini");
}

TEST_F(ComboTest, InsertStringPlacesTheItemAndKeepsTheSelectionOnItsItem) {
  CreateWithFruit(CBS_DROPDOWNLIST);
  Send(CB_SETCURSEL, 1);
  EXPECT_EQ(Send(CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(u"Fig")), 0);
  EXPECT_EQ(Send(CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"Kiwi")), 5);
  EXPECT_EQ(Send(CB_INSERTSTRING, 7, reinterpret_cast<LPARAM>(u"Lime")), CB_ERR);
  EXPECT_EQ(Send(CB_INSERTSTRING, 0, 0), CB_ERR);
  EXPECT_EQ(Add(nullptr), CB_ERR);
  EXPECT_EQ(Send(CB_GETCOUNT), 6);
  EXPECT_EQ(CurSel(), 2);
  EXPECT_EQ(Text(combo), u"Banana");
}

TEST_F(ComboTest, DeletingItemsAroundTheSelection) {
  struct Case {
    DWORD style;
    int deleted;
    int selection;
    const char16_t* text;
  };
  const Case cases[] = {
      {CBS_DROPDOWNLIST, 0, 1, u"Cherry"}, {CBS_DROPDOWNLIST, 2, -1, u""}, {CBS_DROPDOWNLIST, 3, 2, u"Cherry"},
      {CBS_DROPDOWN, 2, -1, u"Cherry"},  // the edit part keeps its text
  };
  for (const Case& c : cases) {
    CreateWithFruit(c.style);
    Send(CB_SETCURSEL, 2);
    EXPECT_EQ(Send(CB_DELETESTRING, static_cast<WPARAM>(c.deleted)), 3);
    EXPECT_EQ(CurSel(), c.selection) << c.deleted;
    EXPECT_EQ(Text(combo), c.text) << c.deleted;
    EXPECT_EQ(Send(CB_DELETESTRING, 3), CB_ERR);
    EXPECT_EQ(Send(CB_GETCOUNT), 3);
    DestroyWindow(combo);
  }
  Pump();
  EXPECT_TRUE(parent.received.empty());
}

TEST_F(ComboTest, ResetContentEmptiesTheListAndTheField) {
  CreateWithFruit(CBS_DROPDOWN);
  Send(CB_SETCURSEL, 2);
  EXPECT_EQ(Send(CB_RESETCONTENT), CB_OKAY);
  EXPECT_EQ(Send(CB_GETCOUNT), 0);
  EXPECT_EQ(CurSel(), -1);
  EXPECT_EQ(Text(combo), u"");
}

TEST_F(ComboTest, ItemTextAndDataWithBadIndexes) {
  CreateWithFruit(CBS_DROPDOWNLIST);
  EXPECT_EQ(Send(CB_SETITEMDATA, 1, 0x1234), TRUE);
  EXPECT_EQ(Send(CB_GETITEMDATA, 1), 0x1234);
  EXPECT_EQ(Send(CB_GETITEMDATA, 0), 0);
  EXPECT_EQ(Send(CB_GETITEMDATA, 4), CB_ERR);
  EXPECT_EQ(Send(CB_SETITEMDATA, 4, 1), CB_ERR);
  EXPECT_EQ(Send(CB_GETLBTEXTLEN, 2), 6);
  EXPECT_EQ(Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(-1)), CB_ERR);
  WCHAR buffer[16] = u"untouched";
  EXPECT_EQ(Send(CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(buffer)), 4);
  EXPECT_EQ(std::u16string(buffer), u"Date");
  EXPECT_EQ(Send(CB_GETLBTEXT, 4, reinterpret_cast<LPARAM>(buffer)), CB_ERR);
  EXPECT_EQ(std::u16string(buffer), u"Date");
  EXPECT_EQ(Send(CB_GETLBTEXT, 0, 0), CB_ERR);
}

// ---- the field ----

TEST_F(ComboTest, ADropDownListsTextIsTheSelectedItemsAndSetTextSelectsIt) {
  CreateWithFruit(CBS_DROPDOWNLIST);
  EXPECT_EQ(Text(combo), u"");
  EXPECT_TRUE(SetWindowTextW(combo, u"cherry"));
  EXPECT_EQ(CurSel(), 2);
  EXPECT_EQ(Text(combo), u"Cherry");
  EXPECT_EQ(Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"Cher")), CB_ERR);
  EXPECT_EQ(CurSel(), 2);
  EXPECT_EQ(Send(CB_GETEDITSEL), CB_ERR);
  EXPECT_EQ(Send(CB_SETEDITSEL, 0, MAKELPARAM(0, 1)), CB_ERR);
  Pump();
  EXPECT_TRUE(parent.received.empty());
}

TEST_F(ComboTest, TypingInTheEditPartKeepsToTheLimitAndClearsTheSelection) {
  CreateWithFruit(CBS_DROPDOWN);
  Send(CB_SETCURSEL, 0);
  EXPECT_TRUE(Send(CB_LIMITTEXT, 6));
  Focus();
  Send(CB_SETEDITSEL, 0, MAKELPARAM(5, 5));
  Type(combo, u"xyz");
  EXPECT_EQ(Text(combo), u"Applex");
  EXPECT_EQ(parent.Codes(), (Codes{CBN_EDITUPDATE, CBN_EDITCHANGE}));
  EXPECT_EQ(CurSel(), -1);
  EXPECT_EQ(EditSel(), (std::pair<DWORD, DWORD>{6, 6}));

  parent.received.clear();
  Type(combo, u"\b");
  EXPECT_EQ(Text(combo), u"Apple");
  EXPECT_EQ(parent.Codes(), (Codes{CBN_EDITUPDATE, CBN_EDITCHANGE}));
  EXPECT_EQ(CurSel(), -1);  // typing back the item's text does not select it
}

TEST_F(ComboTest, TypingReplacesTheSelectedEditText) {
  CreateWithFruit(CBS_DROPDOWN);
  Send(CB_SETCURSEL, 1);
  EXPECT_EQ(EditSel(), (std::pair<DWORD, DWORD>{0, 6}));
  Focus();
  Type(combo, u"Ki");
  EXPECT_EQ(Text(combo), u"Ki");
  EXPECT_EQ(parent.Codes(), (Codes{CBN_EDITUPDATE, CBN_EDITCHANGE, CBN_EDITUPDATE, CBN_EDITCHANGE}));
  Send(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  EXPECT_EQ(EditSel(), (std::pair<DWORD, DWORD>{0, 2}));
  EXPECT_EQ(Send(CB_GETEDITSEL), MAKELONG(0, 2));
  Type(combo, u"\b");
  EXPECT_EQ(Text(combo), u"");
  parent.received.clear();
  Type(combo, u"\b");  // nothing left to delete
  EXPECT_TRUE(parent.received.empty());
}

TEST_F(ComboTest, TheCaretKeysAndDeleteInTheEditPart) {
  struct Case {
    UINT key;
    const char16_t* typed;  // after the key, at the caret
    const char16_t* expected;
  };
  // Each case starts from "Cherry" with the caret after "Ch".
  const Case cases[] = {
      {VK_LEFT, u"_", u"C_herry"}, {VK_RIGHT, u"_", u"Che_rry"}, {VK_HOME, u"_", u"_Cherry"},
      {VK_END, u"_", u"Cherry_"},  {VK_DELETE, u"", u"Chrry"},
  };
  for (const Case& c : cases) {
    CreateWithFruit(CBS_DROPDOWN);
    Send(CB_SETCURSEL, 2);
    Focus();
    Send(CB_SETEDITSEL, 0, MAKELPARAM(2, 2));
    Key(combo, c.key);
    Type(combo, c.typed);
    EXPECT_EQ(Text(combo), c.expected) << c.key;
    DestroyWindow(combo);
  }
}

TEST_F(ComboTest, ATapOnTheEditPartPutsTheCaretAtTheEnd) {
  CreateWithFruit(CBS_SIMPLE, 100);
  Send(CB_SETCURSEL, 3);
  Tap(combo, 10, 5);
  EXPECT_EQ(EditSel(), (std::pair<DWORD, DWORD>{4, 4}));
  Type(combo, u"s");
  EXPECT_EQ(Text(combo), u"Dates");
}

TEST_F(ComboTest, SetTextOfAnEditPartIgnoresTheLimitAndNeverNotifies) {
  CreateWithFruit(CBS_DROPDOWN);
  Send(CB_SETCURSEL, 1);
  Send(CB_LIMITTEXT, 3);
  EXPECT_TRUE(SetWindowTextW(combo, u"Banana"));  // the item's own text: still selected
  EXPECT_EQ(CurSel(), 1);
  EXPECT_TRUE(SetWindowTextW(combo, u"Blueberry"));
  EXPECT_EQ(Text(combo), u"Blueberry");
  EXPECT_EQ(CurSel(), -1);
  EXPECT_EQ(EditSel(), (std::pair<DWORD, DWORD>{0, 0}));
  Pump();
  EXPECT_TRUE(parent.received.empty());
}

TEST_F(ComboTest, TheDialogManagersSelectAllReachesTheEditPart) {
  CreateWithFruit(CBS_DROPDOWN);
  SetWindowTextW(combo, u"Melon");
  Send(EM_SETSEL, 0, -1);
  EXPECT_EQ(EditSel(), (std::pair<DWORD, DWORD>{0, 5}));
  Send(EM_SETSEL, static_cast<WPARAM>(-1), 0);  // no selection; the caret stays
  EXPECT_EQ(EditSel(), (std::pair<DWORD, DWORD>{5, 5}));
}

TEST_F(ComboTest, TheCreationTextIsTheEditTextOfADropDownOnly) {
  combo = parent.Child(WC_COMBOBOXW, CBS_DROPDOWN, 21, u"Start");
  EXPECT_EQ(Text(combo), u"Start");
  combo = parent.Child(WC_COMBOBOXW, CBS_DROPDOWNLIST, 22, u"Start");
  EXPECT_EQ(Text(combo), u"");
}

TEST_F(ComboTest, PaintsAsAnEdit) {
  CreateWithFruit(CBS_DROPDOWNLIST);
  Pump();
  const plat::PaintRecord paint = plat::GetPaintRecord(combo);
  EXPECT_TRUE(paint.painted);
  EXPECT_EQ(paint.background, GetSysColor(COLOR_WINDOW));  // the parent's default answer to WM_CTLCOLOREDIT
  EXPECT_THAT(parent.colorRequests, plat::test::OnlyAskedFor(WM_CTLCOLOREDIT));
  EXPECT_EQ(reinterpret_cast<HFONT>(Send(WM_GETFONT)), static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
}

}  // namespace
