// Tests of the tab control: items and their masks, the selection kept by
// insertion and deletion, the selection notifications of a person's taps,
// keys and gestures (and their veto) but never of TCM_SETCURSEL, the
// highlight state, the item size and layout, and the focus.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "user/controls/control_test_support.h"

namespace {

using plat::test::Gesture;
using plat::test::Key;
using plat::test::PrintTo;  // named cases print as their names
using plat::test::Pump;
using plat::test::RecordingParent;
using plat::test::Tap;

using Edges = std::array<LONG, 4>;
Edges EdgesOf(const RECT& r) { return Edges{r.left, r.top, r.right, r.bottom}; }

class TabTest : public ::testing::Test {
 protected:
  HWND Create(DWORD style = 0) {
    tabs = parent.Child(WC_TABCONTROLW, style, 30, u"", 0, 0, 200, 100);
    return tabs;
  }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(tabs, message, wParam, lParam);
  }
  int Insert(int index, const char16_t* text, LPARAM data = 0) {
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<LPWSTR>(text);
    item.lParam = data;
    return static_cast<int>(Send(TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
  }
  void InsertThree() {
    Insert(0, u"One");
    Insert(1, u"Two");
    Insert(2, u"Three");
  }
  int CurSel() { return static_cast<int>(Send(TCM_GETCURSEL)); }
  std::u16string TextOf(int index) {
    WCHAR buffer[32] = u"?";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 32;
    Send(TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return buffer;
  }
  DWORD StateOf(int index, DWORD mask) {
    TCITEMW item{};
    item.mask = TCIF_STATE;
    item.dwStateMask = mask;
    item.dwState = 0xFFFF;
    Send(TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item.dwState;
  }
  RECT ItemRect(int index) {
    RECT r{};
    Send(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
  }

  RecordingParent parent;
  HWND tabs = nullptr;
};

TEST_F(TabTest, InsertReturnsTheIndexAndTheFirstTabBecomesSelected) {
  Create();
  EXPECT_EQ(CurSel(), -1);
  EXPECT_EQ(Insert(0, u"Two"), 0);
  EXPECT_EQ(CurSel(), 0);
  EXPECT_EQ(Insert(0, u"One"), 0);
  EXPECT_EQ(Insert(99, u"Three"), 2);  // past the end: appended
  EXPECT_EQ(Insert(-1, u"Bad"), -1);
  EXPECT_EQ(Send(TCM_INSERTITEMW, 0, 0), -1);
  EXPECT_EQ(Send(TCM_GETITEMCOUNT), 3);
  EXPECT_EQ(CurSel(), 1);  // "Two" kept its selection when "One" came before it
  EXPECT_EQ(Send(TCM_GETCURFOCUS), 1);
  EXPECT_EQ(TextOf(0), u"One");
  EXPECT_EQ(TextOf(2), u"Three");
  Pump();
  EXPECT_TRUE(parent.received.empty());
}

TEST_F(TabTest, GetAndSetItemHonourTheirMasks) {
  Create();
  Insert(0, u"Settings", 77);
  WCHAR small[4] = u"???";
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = small;
  item.cchTextMax = 4;
  ASSERT_TRUE(Send(TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(std::u16string(small), u"Set");  // cut to the buffer, terminated
  EXPECT_EQ(item.lParam, 77);

  TCITEMW change{};
  change.mask = TCIF_PARAM | TCIF_STATE;
  change.lParam = 5;
  change.dwState = TCIS_HIGHLIGHTED | TCIS_BUTTONPRESSED;
  change.dwStateMask = TCIS_BUTTONPRESSED;
  ASSERT_TRUE(Send(TCM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change)));
  EXPECT_EQ(TextOf(0), u"Settings");  // no TCIF_TEXT: the text stays
  EXPECT_EQ(StateOf(0, TCIS_BUTTONPRESSED | TCIS_HIGHLIGHTED), static_cast<DWORD>(TCIS_BUTTONPRESSED));
  EXPECT_EQ(StateOf(0, TCIS_HIGHLIGHTED), 0u);
  EXPECT_FALSE(Send(TCM_SETITEMW, 3, reinterpret_cast<LPARAM>(&change)));
  EXPECT_FALSE(Send(TCM_GETITEMW, 3, reinterpret_cast<LPARAM>(&item)));
}

TEST_F(TabTest, HighlightItemSetsAndClearsTheHighlightedState) {
  Create();
  InsertThree();
  EXPECT_TRUE(Send(TCM_HIGHLIGHTITEM, 1, MAKELPARAM(TRUE, 0)));
  EXPECT_EQ(StateOf(1, TCIS_HIGHLIGHTED), static_cast<DWORD>(TCIS_HIGHLIGHTED));
  EXPECT_EQ(StateOf(0, TCIS_HIGHLIGHTED), 0u);
  EXPECT_TRUE(Send(TCM_HIGHLIGHTITEM, 1, MAKELPARAM(FALSE, 0)));
  EXPECT_EQ(StateOf(1, TCIS_HIGHLIGHTED), 0u);
  EXPECT_FALSE(Send(TCM_HIGHLIGHTITEM, 5, MAKELPARAM(TRUE, 0)));
}

TEST_F(TabTest, SetCurSelReturnsThePreviousSelectionAndNeverNotifies) {
  Create();
  InsertThree();
  EXPECT_EQ(Send(TCM_SETCURSEL, 2), 0);
  EXPECT_EQ(Send(TCM_SETCURSEL, 1), 2);
  EXPECT_EQ(Send(TCM_SETCURSEL, 7), -1);
  EXPECT_EQ(CurSel(), 1);
  EXPECT_EQ(Send(TCM_GETCURFOCUS), 1);
  Pump();
  EXPECT_TRUE(parent.received.empty());
}

TEST_F(TabTest, DeletingTabsKeepsTheSelectionOnItsTab) {
  struct Case {
    int deleted;
    int expectedSelection;
  };
  for (const Case c : {Case{0, 0}, Case{1, -1}, Case{2, 1}}) {
    Create();
    InsertThree();
    Send(TCM_SETCURSEL, 1);
    EXPECT_TRUE(Send(TCM_DELETEITEM, static_cast<WPARAM>(c.deleted)));
    EXPECT_EQ(CurSel(), c.expectedSelection) << c.deleted;
    EXPECT_EQ(Send(TCM_GETITEMCOUNT), 2);
    DestroyWindow(tabs);
  }
  Create();
  InsertThree();
  EXPECT_FALSE(Send(TCM_DELETEITEM, 3));
  EXPECT_TRUE(Send(TCM_DELETEALLITEMS));
  EXPECT_EQ(Send(TCM_GETITEMCOUNT), 0);
  EXPECT_EQ(CurSel(), -1);
}

// A person's ways of selecting the tab "Two" (index 1) while "One" is selected.
struct PersonsSelection {
  const char* name;
  std::function<void(HWND)> act;
};


class TabPersonTest : public TabTest, public ::testing::WithParamInterface<PersonsSelection> {};

TEST_P(TabPersonTest, SelectingAsksFirstThenChangesThenTells) {
  Create();
  InsertThree();
  SetFocus(tabs);
  GetParam().act(tabs);
  EXPECT_EQ(parent.Codes(), (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE}));
  EXPECT_EQ(parent.received[0].from, tabs);
  EXPECT_EQ(parent.received[0].id, 30);
  EXPECT_EQ(CurSel(), 1);
  EXPECT_EQ(Send(TCM_GETCURFOCUS), 1);
}

TEST_P(TabPersonTest, ANonZeroAnswerToSelChangingKeepsTheCurrentTab) {
  Create();
  InsertThree();
  SetFocus(tabs);
  parent.notifyResult = TRUE;
  GetParam().act(tabs);
  EXPECT_EQ(parent.Codes(), (std::vector<UINT>{TCN_SELCHANGING}));
  EXPECT_EQ(CurSel(), 0);
}

// The default tabs are 20 high and as wide as their text + 12: "One" is 0-30, "Two" 30-60.
INSTANTIATE_TEST_SUITE_P(
    Ways, TabPersonTest,
    ::testing::Values(PersonsSelection{"Tap", [](HWND h) { Tap(h, 40, 10); }},
                      PersonsSelection{"Choose", [](HWND h) { Gesture(h, plat::kGestureChoose, 1); }},
                      PersonsSelection{"TapGesture", [](HWND h) { Gesture(h, plat::kGestureTap, MAKELPARAM(40, 10)); }},
                      PersonsSelection{"RightKey", [](HWND h) { Key(h, VK_RIGHT); }}),
    plat::test::CaseName{});

TEST_F(TabTest, TheCurrentTabAndPlacesBesideTheTabsSendNothing) {
  Create();
  InsertThree();
  Tap(tabs, 10, 10);                          // the current tab
  Tap(tabs, 190, 10);                         // right of the last tab
  Tap(tabs, 40, 50);                          // below the row
  Gesture(tabs, plat::kGestureChoose, 0);     // the current tab again
  Gesture(tabs, plat::kGestureChoose, 3);     // no such tab
  Key(tabs, VK_LEFT);                         // already the first
  EXPECT_TRUE(parent.received.empty());
  EXPECT_EQ(CurSel(), 0);
}

TEST_F(TabTest, KeysActOnlyWithTheFocus) {
  Create();
  InsertThree();
  SetFocus(parent.hwnd);
  Key(tabs, VK_RIGHT);
  EXPECT_EQ(CurSel(), 0);
  SetFocus(tabs);
  Key(tabs, VK_RIGHT);
  Key(tabs, VK_RIGHT);
  Key(tabs, VK_RIGHT);
  EXPECT_EQ(CurSel(), 2);
  Key(tabs, VK_LEFT);
  EXPECT_EQ(CurSel(), 1);
}

TEST_F(TabTest, ATapTakesTheFocusUnlessFocusNever) {
  for (const DWORD style : {DWORD{0}, DWORD{TCS_FOCUSNEVER}}) {
    Create(style);
    InsertThree();
    SetFocus(parent.hwnd);
    Tap(tabs, 40, 10);
    EXPECT_EQ(GetFocus() == tabs, style == 0) << style;
    EXPECT_EQ(CurSel(), 1) << style;
    DestroyWindow(tabs);
  }
}

TEST_F(TabTest, SetCurFocusSelectsWithNotificationsUnlessButtons) {
  Create();
  InsertThree();
  Send(TCM_SETCURFOCUS, 2);
  EXPECT_EQ(parent.Codes(), (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE}));
  EXPECT_EQ(CurSel(), 2);
  DestroyWindow(tabs);

  parent.received.clear();
  Create(TCS_BUTTONS);
  InsertThree();
  Send(TCM_SETCURFOCUS, 2);
  EXPECT_TRUE(parent.received.empty());
  EXPECT_EQ(CurSel(), 0);
  EXPECT_EQ(Send(TCM_GETCURFOCUS), 2);
}

TEST_F(TabTest, SetItemSizeReturnsTheOldSizeAndLaysOutTheTabs) {
  struct Case {
    DWORD style;
    RECT second;  // the rectangle of "Two" after TCM_SETITEMSIZE(50, 26)
  };
  const Case cases[] = {
      {0, RECT{30, 0, 60, 26}},               // widths still from the text
      {TCS_FIXEDWIDTH, RECT{50, 0, 100, 26}},
  };
  for (const Case& c : cases) {
    Create(c.style);
    InsertThree();
    EXPECT_EQ(EdgesOf(ItemRect(1)), (Edges{30, 0, 60, 20})) << c.style;
    EXPECT_EQ(Send(TCM_SETITEMSIZE, 0, MAKELPARAM(50, 26)), MAKELONG(0, 20)) << c.style;
    EXPECT_EQ(EdgesOf(ItemRect(1)), EdgesOf(c.second)) << c.style;
    EXPECT_EQ(Send(TCM_SETITEMSIZE, 0, MAKELPARAM(40, 22)), MAKELONG(50, 26)) << c.style;
    DestroyWindow(tabs);
  }
}

TEST_F(TabTest, ItemRectsFollowTheTextExtentAndTheDisplayAreaLiesBelow) {
  Create();
  Insert(0, u"日本");  // two full-width characters: 24 + 12
  Insert(1, u"ab");    // 12 + 12
  EXPECT_EQ(EdgesOf(ItemRect(0)), (Edges{0, 0, 36, 20}));
  EXPECT_EQ(EdgesOf(ItemRect(1)), (Edges{36, 0, 60, 20}));
  RECT bad{1, 2, 3, 4};
  EXPECT_FALSE(Send(TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&bad)));
  EXPECT_EQ(Send(TCM_GETROWCOUNT), 1);

  RECT area{0, 0, 200, 100};
  Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  EXPECT_EQ(EdgesOf(area), (Edges{0, 20, 200, 100}));
  Send(TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&area));
  EXPECT_EQ(EdgesOf(area), (Edges{0, 0, 200, 100}));
}

TEST_F(TabTest, AnswersArrowsAndCharactersAndPaintsItsOwnBackground) {
  Create();
  parent.answerBrush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  EXPECT_EQ(Send(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
  Pump();
  const plat::PaintRecord paint = plat::GetPaintRecord(tabs);
  EXPECT_TRUE(paint.painted);
  EXPECT_EQ(paint.background, GetSysColor(COLOR_BTNFACE));
  EXPECT_TRUE(parent.colorRequests.empty());
}

}  // namespace
