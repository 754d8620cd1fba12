// Tests of the common controls' wrappers against their controls: CTabCtrl's
// item overloads, selection, focus, highlight and geometry; CProgressCtrl's
// ranges and positions; CDateTimeCtrl's date, "no date", range and format;
// CToolBarCtrl's buttons, states, sizes, images, placement and clicks.
#include <afxcmn.h>
#include <afxdtctl.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "bar_resources.h"
#include "ctrl_test_support.h"
#include "user/controls/control_test_support.h"

namespace {

using afx::test::HostWindow;

const CRect kPlace(10, 10, 210, 110);

// ---- CTabCtrl ----

class TabCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE | TCS_FIXEDWIDTH, kPlace, &host, 11)); }
  CString TextOf(int index) {
    WCHAR text[32] = {};
    TCITEM item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 32;
    return tabs.GetItem(index, &item) ? CString(text) : CString(u"<none>");
  }
  DWORD StateOf(int index) {
    TCITEM item{};
    item.mask = TCIF_STATE;
    item.dwStateMask = TCIS_HIGHLIGHTED | TCIS_BUTTONPRESSED;
    tabs.GetItem(index, &item);
    return item.dwState;
  }
  HostWindow host;
  CTabCtrl tabs;
};

TEST_F(TabCtrlTest, InsertItemOverloadsSetTextDataAndState) {
  EXPECT_EQ(tabs.InsertItem(0, u"One"), 0);
  EXPECT_EQ(tabs.InsertItem(1, u"Two", 2), 1);
  EXPECT_EQ(tabs.InsertItem(TCIF_TEXT | TCIF_PARAM, 2, u"Three", 0, 33), 2);
  EXPECT_EQ(tabs.InsertItem(TCIF_TEXT | TCIF_STATE, 3, u"Four", 0, 0, TCIS_HIGHLIGHTED, TCIS_HIGHLIGHTED), 3);
  ASSERT_EQ(tabs.GetItemCount(), 4);

  EXPECT_EQ(TextOf(1), CString(u"Two"));
  TCITEM item{};
  item.mask = TCIF_PARAM;
  ASSERT_TRUE(tabs.GetItem(2, &item));
  EXPECT_EQ(item.lParam, 33);
  EXPECT_EQ(StateOf(3), DWORD(TCIS_HIGHLIGHTED));

  TCITEM renamed{};
  renamed.mask = TCIF_TEXT;
  renamed.pszText = const_cast<LPWSTR>(u"Uno");
  EXPECT_TRUE(tabs.SetItem(0, &renamed));
  EXPECT_EQ(TextOf(0), CString(u"Uno"));
  EXPECT_TRUE(tabs.DeleteItem(3));
  EXPECT_FALSE(tabs.DeleteItem(3));
  EXPECT_TRUE(tabs.DeleteAllItems());
  EXPECT_EQ(tabs.GetItemCount(), 0);
}

TEST_F(TabCtrlTest, SelectionFocusAndHighlight) {
  for (const char16_t* text : {u"A", u"B", u"C"}) tabs.InsertItem(tabs.GetItemCount(), text);
  EXPECT_EQ(tabs.GetCurSel(), 0);
  EXPECT_EQ(tabs.SetCurSel(2), 0);
  EXPECT_EQ(tabs.GetCurSel(), 2);
  EXPECT_EQ(tabs.GetCurFocus(), 2);
  EXPECT_EQ(tabs.SetCurSel(9), -1);
  tabs.SetCurFocus(1);
  EXPECT_EQ(tabs.GetCurFocus(), 1);
  EXPECT_EQ(tabs.GetCurSel(), 1) << "without TCS_BUTTONS the focus tab is selected";

  EXPECT_TRUE(tabs.HighlightItem(1));
  EXPECT_EQ(StateOf(1), DWORD(TCIS_HIGHLIGHTED));
  EXPECT_TRUE(tabs.HighlightItem(1, FALSE));
  EXPECT_EQ(StateOf(1), 0u);
}

TEST_F(TabCtrlTest, ItemSizeAndGeometry) {
  tabs.InsertItem(0, u"A");
  tabs.InsertItem(1, u"B");
  EXPECT_EQ(tabs.SetItemSize(CSize(50, 24)), CSize(0, 20));
  EXPECT_EQ(tabs.SetItemSize(CSize(60, 24)), CSize(50, 24));
  CRect second;
  ASSERT_TRUE(tabs.GetItemRect(1, second));
  EXPECT_EQ(second, CRect(60, 0, 120, 24));
  EXPECT_FALSE(tabs.GetItemRect(5, second));

  CRect area(0, 0, 200, 100);
  tabs.AdjustRect(FALSE, area);
  EXPECT_EQ(area, CRect(0, 24, 200, 100));
  tabs.AdjustRect(TRUE, area);
  EXPECT_EQ(area, CRect(0, 0, 200, 100));
  EXPECT_EQ(tabs.GetRowCount(), 1);
}

// ---- CProgressCtrl ----

TEST(ProgressCtrl, RangesAndPositions) {
  HostWindow host;
  CProgressCtrl progress;
  ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, kPlace, &host, 12));
  int lower = -1, upper = -1;
  progress.GetRange(lower, upper);
  EXPECT_EQ(lower, 0);
  EXPECT_EQ(upper, 100);

  struct Case {
    int lower, upper;
    bool wide;
  };
  for (const Case& c : {Case{0, 200, false}, Case{-50, 50000, true}, Case{5, 5, true}}) {
    if (c.wide) {
      progress.SetRange32(c.lower, c.upper);
    } else {
      progress.SetRange(static_cast<short>(c.lower), static_cast<short>(c.upper));
    }
    progress.GetRange(lower, upper);
    EXPECT_EQ(lower, c.lower);
    EXPECT_EQ(upper, c.upper);
  }

  progress.SetRange32(0, 100);
  EXPECT_EQ(progress.SetPos(40), 5) << "the position was held in the last range";
  EXPECT_EQ(progress.OffsetPos(15), 40);
  EXPECT_EQ(progress.GetPos(), 55);
  EXPECT_EQ(progress.SetStep(20), 10);
  EXPECT_EQ(progress.StepIt(), 55);
  EXPECT_EQ(progress.GetPos(), 75);
  progress.SetPos(1000);
  EXPECT_EQ(progress.GetPos(), 100);
}

// ---- CDateTimeCtrl ----

SYSTEMTIME Date(WORD year, WORD month, WORD day) {
  SYSTEMTIME date{};
  date.wYear = year, date.wMonth = month, date.wDay = day;
  return date;
}

bool SameDay(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

class DateTimeCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE | DTS_SHOWNONE, kPlace, &host, 13)); }
  HostWindow host;
  CDateTimeCtrl picker;
};

TEST_F(DateTimeCtrlTest, SetTimeWithNullMeansNoDate) {
  const SYSTEMTIME spring = Date(2024, 3, 5);
  ASSERT_TRUE(picker.SetTime(&spring));
  SYSTEMTIME read{};
  EXPECT_EQ(picker.GetTime(&read), DWORD(GDT_VALID));
  EXPECT_TRUE(SameDay(read, spring));

  EXPECT_TRUE(picker.SetTime(nullptr));
  EXPECT_EQ(picker.GetTime(&read), DWORD(GDT_NONE));
  EXPECT_TRUE(picker.SetTime());
  EXPECT_EQ(picker.GetTime(&read), DWORD(GDT_NONE));

  EXPECT_TRUE(picker.SetTime(Date(2025, 12, 31)));
  EXPECT_EQ(picker.GetTime(&read), DWORD(GDT_VALID));
  EXPECT_TRUE(SameDay(read, Date(2025, 12, 31)));
  EXPECT_EQ(picker.GetTime(nullptr), DWORD(GDT_ERROR));
}

TEST(DateTimeCtrl, NoDateNeedsShowNone) {
  HostWindow host;
  CDateTimeCtrl picker;
  ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE, kPlace, &host, 14));
  EXPECT_FALSE(picker.SetTime(nullptr));
  SYSTEMTIME read{};
  EXPECT_EQ(picker.GetTime(&read), DWORD(GDT_VALID));
}

TEST_F(DateTimeCtrlTest, RangeBoundsTheDate) {
  const SYSTEMTIME first = Date(2024, 1, 1), last = Date(2024, 12, 31);
  ASSERT_TRUE(picker.SetRange(&first, &last));
  SYSTEMTIME low{}, high{};
  EXPECT_EQ(picker.GetRange(&low, &high), DWORD(GDTR_MIN | GDTR_MAX));
  EXPECT_TRUE(SameDay(low, first));
  EXPECT_TRUE(SameDay(high, last));
  EXPECT_FALSE(picker.SetTime(Date(2025, 6, 1))) << "outside the range";

  ASSERT_TRUE(picker.SetRange(nullptr, &last));
  EXPECT_EQ(picker.GetRange(&low, nullptr), DWORD(GDTR_MAX));
  EXPECT_EQ(low.wYear, 0) << "a bound that is not set reads as zeros";
  EXPECT_TRUE(picker.SetTime(Date(1999, 6, 1)));
}

TEST_F(DateTimeCtrlTest, FormatDecidesTheText) {
  ASSERT_TRUE(picker.SetTime(Date(2024, 3, 5)));
  EXPECT_TRUE(picker.SetFormat(u"yyyy-MM-dd"));
  CString text;
  picker.GetWindowText(text);
  EXPECT_EQ(text, CString(u"2024-03-05"));
  EXPECT_TRUE(picker.SetFormat(nullptr));
  picker.GetWindowText(text);
  EXPECT_EQ(text, CString(u"2024/03/05"));
}

// ---- CToolBarCtrl ----

constexpr int kFirst = 100, kCheck = 101, kUnknown = 555;

class ToolBarCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(toolbar.Create(WS_CHILD | WS_VISIBLE | CCS_TOP, CRect(0, 0, 0, 0), &host, 15));
    TBBUTTON buttons[3] = {};
    buttons[0] = TBBUTTON{0, kFirst, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0};
    buttons[1] = TBBUTTON{0, 0, 0, TBSTYLE_SEP, {}, 0, 0};
    buttons[2] = TBBUTTON{1, kCheck, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0};
    ASSERT_TRUE(toolbar.AddButtons(3, buttons));
  }
  HostWindow host;
  CToolBarCtrl toolbar;
};

TEST_F(ToolBarCtrlTest, ButtonsAndTheirIndexes) {
  EXPECT_EQ(toolbar.GetButtonCount(), 3);
  TBBUTTON button{};
  ASSERT_TRUE(toolbar.GetButton(2, &button));
  EXPECT_EQ(button.idCommand, kCheck);
  EXPECT_EQ(toolbar.CommandToIndex(kCheck), 2u);
  EXPECT_EQ(toolbar.CommandToIndex(kUnknown), UINT(-1));
  EXPECT_FALSE(toolbar.GetButton(3, &button));

  TBBUTTON extra{2, 102, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0};
  EXPECT_TRUE(toolbar.InsertButton(0, &extra));
  EXPECT_EQ(toolbar.CommandToIndex(kFirst), 1u);
  EXPECT_TRUE(toolbar.DeleteButton(0));
  EXPECT_FALSE(toolbar.DeleteButton(7));
  EXPECT_EQ(toolbar.GetButtonCount(), 3);
}

TEST_F(ToolBarCtrlTest, StatesRoundTrip) {
  struct Case {
    const char* name;
    std::function<BOOL(CToolBarCtrl&, BOOL)> set;
    std::function<BOOL(CToolBarCtrl&)> get;
    int id;
  };
  const Case cases[] = {
      {"enabled", [](CToolBarCtrl& t, BOOL on) { return t.EnableButton(kFirst, on); },
       [](CToolBarCtrl& t) { return t.IsButtonEnabled(kFirst); }, kFirst},
      {"checked", [](CToolBarCtrl& t, BOOL on) { return t.CheckButton(kCheck, on); },
       [](CToolBarCtrl& t) { return t.IsButtonChecked(kCheck); }, kCheck},
      {"pressed", [](CToolBarCtrl& t, BOOL on) { return t.PressButton(kFirst, on); },
       [](CToolBarCtrl& t) { return BOOL((t.GetState(kFirst) & TBSTATE_PRESSED) != 0); }, kFirst},
      {"hidden", [](CToolBarCtrl& t, BOOL on) { return t.HideButton(kFirst, on); },
       [](CToolBarCtrl& t) { return BOOL((t.GetState(kFirst) & TBSTATE_HIDDEN) != 0); }, kFirst},
  };
  for (const Case& c : cases) {
    const BOOL before = c.get(toolbar) != FALSE;
    EXPECT_TRUE(c.set(toolbar, !before)) << c.name;
    EXPECT_EQ(c.get(toolbar) != FALSE, !before) << c.name;
    EXPECT_TRUE(c.set(toolbar, before)) << c.name;
    EXPECT_EQ(c.get(toolbar) != FALSE, before) << c.name;
  }
  EXPECT_TRUE(toolbar.SetState(kFirst, TBSTATE_ENABLED | TBSTATE_CHECKED));
  EXPECT_EQ(toolbar.GetState(kFirst), TBSTATE_ENABLED | TBSTATE_CHECKED);
  EXPECT_EQ(toolbar.GetState(kUnknown), -1);
  EXPECT_FALSE(toolbar.EnableButton(kUnknown));
  EXPECT_FALSE(toolbar.IsButtonChecked(kUnknown));
}

TEST_F(ToolBarCtrlTest, SizesImagesAndPlacement) {
  EXPECT_TRUE(toolbar.SetBitmapSize(CSize(34, 17)));
  EXPECT_EQ(toolbar.GetButtonSize(), DWORD(MAKELONG(42, 24))) << "the button grows round the image";
  EXPECT_TRUE(toolbar.SetButtonSize(CSize(41, 23)));
  EXPECT_EQ(toolbar.GetButtonSize(), DWORD(MAKELONG(41, 23)));

  CBitmap strip;
  ASSERT_TRUE(strip.LoadBitmap(IDR_BAR));
  EXPECT_EQ(toolbar.AddBitmap(2, &strip), 0);
  EXPECT_EQ(toolbar.AddBitmap(2, IDR_BAR), 2);
  EXPECT_EQ(toolbar.AddBitmap(1, static_cast<CBitmap*>(nullptr)), -1);
  EXPECT_EQ(toolbar.AddBitmap(1, IDB_MISSING), -1);

  toolbar.AutoSize();
  CRect bar;
  toolbar.GetWindowRect(bar);
  CRect client;
  host.GetClientRect(client);
  EXPECT_EQ(bar.Width(), client.Width());
  EXPECT_EQ(bar.Height(), 23 + 4);
  CRect first;
  ASSERT_TRUE(toolbar.GetItemRect(0, first));
  EXPECT_EQ(first.Size(), CSize(41, 23));
}

TEST_F(ToolBarCtrlTest, AClickReachesTheParentAsACommand) {
  plat::test::Gesture(toolbar.m_hWnd, plat::kGestureChoose, 2);
  EXPECT_EQ(host.commands, (std::vector<UINT>{UINT(kCheck)}));
  EXPECT_TRUE(toolbar.IsButtonChecked(kCheck));
  toolbar.EnableButton(kFirst, FALSE);
  plat::test::Gesture(toolbar.m_hWnd, plat::kGestureChoose, 0);
  EXPECT_EQ(host.commands.size(), 1u) << "a disabled button takes no click";
}

}  // namespace
