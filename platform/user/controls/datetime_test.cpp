// Tests of the date picker on a fixed clock: the starting date, the shown
// text in each format, setting and reading the date with GDT_NONE, refused
// dates and ranges, and DTN_DATETIMECHANGE for a person's changes only.
#include <commctrl.h>
#include <gtest/gtest.h>
#include <plat/system.h>

#include <string>
#include <vector>

#include "user/controls/control_test_support.h"

namespace {

using plat::test::Gesture;
using plat::test::Key;
using plat::test::Pump;
using plat::test::RecordingParent;
using plat::test::Tap;
using plat::test::Text;

SYSTEMTIME Date(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0) {
  SYSTEMTIME t{};
  t.wYear = year;
  t.wMonth = month;
  t.wDay = day;
  t.wHour = hour;
  t.wMinute = minute;
  t.wSecond = second;
  return t;
}

// Year, month and day as YYYYMMDD, for short comparisons.
long DayOf(const SYSTEMTIME& t) { return t.wYear * 10000L + t.wMonth * 100L + t.wDay; }

class DateTimeTest : public ::testing::Test {
 protected:
  DateTimeTest() { plat::UseManualClock(Date(2024, 3, 15, 9, 5, 7)); }
  ~DateTimeTest() override { plat::UseRealClock(); }

  HWND Create(DWORD style = 0) {
    picker = parent.Child(DATETIMEPICK_CLASSW, style, 50, u"", 10, 10, 120, 20);
    return picker;
  }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(picker, message, wParam, lParam);
  }
  BOOL SetTime(DWORD flag, const SYSTEMTIME& t) {
    return static_cast<BOOL>(Send(DTM_SETSYSTEMTIME, flag, reinterpret_cast<LPARAM>(&t)));
  }
  // The flag DTM_GETSYSTEMTIME answers; the date goes to `out`.
  LRESULT GetTime(SYSTEMTIME* out) { return Send(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(out)); }
  long Day() {
    SYSTEMTIME t{};
    return GetTime(&t) == GDT_VALID ? DayOf(t) : 0;
  }

  RecordingParent parent;
  HWND picker = nullptr;
};

TEST_F(DateTimeTest, StartsOnTodayTickedWithTheDayOfTheWeek) {
  Create();
  SYSTEMTIME t{};
  EXPECT_EQ(GetTime(&t), GDT_VALID);
  EXPECT_EQ(DayOf(t), 20240315);
  EXPECT_EQ(t.wDayOfWeek, 5);  // a Friday
  EXPECT_EQ(t.wHour, 9);
  EXPECT_EQ(t.wMinute, 5);
  EXPECT_EQ(Text(picker), u"2024/03/15");
  EXPECT_EQ(GetTime(nullptr), GDT_ERROR);
}

TEST_F(DateTimeTest, ShowsTheDateInTheStylesFormat) {
  struct Case {
    DWORD style;
    const char16_t* expected;
  };
  const Case cases[] = {
      {DTS_SHORTDATEFORMAT, u"2024/03/15"},
      {DTS_LONGDATEFORMAT, u"2024年3月15日"},
      {DTS_TIMEFORMAT, u"9:05:07"},
      {DTS_UPDOWN, u"2024/03/15"},
  };
  for (const Case& c : cases) {
    Create(c.style);
    EXPECT_EQ(Text(picker), c.expected) << c.style;
    EXPECT_EQ(Send(WM_GETTEXTLENGTH), static_cast<LRESULT>(std::u16string(c.expected).size()));
    DestroyWindow(picker);
  }
}

TEST_F(DateTimeTest, ShowsTheDateInACustomFormat) {
  struct Case {
    const char16_t* format;
    const char16_t* expected;
  };
  const Case cases[] = {
      {u"yy-M-d", u"08-7-4"},
      {u"yyyy.MM.dd HH:mm:ss", u"2008.07.04 03:02:01"},
      {u"'Day 'd' of 'M", u"Day 4 of 7"},
      {u"'It''s' d", u"It's 4"},
      {u"''d''", u"'4'"},
      {u"H:m:s (x)", u"3:2:1 (x)"},
      {u"'open", u"open"},
  };
  Create();
  SetTime(GDT_VALID, Date(2008, 7, 4, 3, 2, 1));
  for (const Case& c : cases) {
    EXPECT_TRUE(Send(DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(c.format)));
    EXPECT_EQ(Text(picker), c.expected) << std::string(c.format, c.format + std::u16string(c.format).size());
  }
  Send(DTM_SETFORMATW, 0, 0);
  EXPECT_EQ(Text(picker), u"2008/07/04");
  EXPECT_FALSE(SetWindowTextW(picker, u"tomorrow"));
  EXPECT_EQ(Text(picker), u"2008/07/04");
}

TEST_F(DateTimeTest, SetSystemTimeSetsTheDateAndTimeAndNeverNotifies) {
  Create(DTS_SHOWNONE);
  ASSERT_TRUE(SetTime(GDT_NONE, SYSTEMTIME{}));
  ASSERT_TRUE(SetTime(GDT_VALID, Date(2000, 2, 29, 23, 59, 58)));  // ticks the box again
  SYSTEMTIME t{};
  EXPECT_EQ(GetTime(&t), GDT_VALID);
  EXPECT_EQ(DayOf(t), 20000229);
  EXPECT_EQ(t.wDayOfWeek, 2);  // a Tuesday
  EXPECT_EQ(t.wHour, 23);
  EXPECT_EQ(t.wSecond, 58);
  Pump();
  EXPECT_TRUE(parent.received.empty());
}

TEST_F(DateTimeTest, GdtNoneClearsTheBoxKeepingTheDateAndTheText) {
  Create(DTS_SHOWNONE);
  ASSERT_TRUE(SetTime(GDT_VALID, Date(2023, 12, 24)));
  ASSERT_TRUE(SetTime(GDT_NONE, SYSTEMTIME{}));
  SYSTEMTIME untouched = Date(1999, 1, 2);
  EXPECT_EQ(GetTime(&untouched), GDT_NONE);
  EXPECT_EQ(DayOf(untouched), 19990102);
  EXPECT_EQ(Text(picker), u"2023/12/24");
  Pump();
  EXPECT_TRUE(parent.received.empty());
}

TEST_F(DateTimeTest, GdtNoneFailsWithoutShowNone) {
  Create();
  EXPECT_FALSE(SetTime(GDT_NONE, SYSTEMTIME{}));
  EXPECT_EQ(Day(), 20240315);
  EXPECT_FALSE(SetTime(7, Date(2020, 1, 1)));
  EXPECT_FALSE(Send(DTM_SETSYSTEMTIME, GDT_VALID, 0));
}

TEST_F(DateTimeTest, DatesThatDoNotExistAreRefusedAndChangeNothing) {
  const SYSTEMTIME bad[] = {
      Date(2024, 0, 10),  Date(2024, 13, 1),      Date(2024, 4, 31),        Date(2023, 2, 29),
      Date(1900, 2, 29),  Date(1600, 12, 31),     Date(2024, 5, 0),         Date(2024, 5, 5, 24),
      Date(2024, 5, 5, 0, 60), Date(2024, 5, 5, 0, 0, 60),
  };
  Create();
  for (const SYSTEMTIME& t : bad) {
    EXPECT_FALSE(SetTime(GDT_VALID, t)) << DayOf(t) << " " << t.wHour << ":" << t.wMinute << ":" << t.wSecond;
    EXPECT_EQ(Day(), 20240315);
  }
  EXPECT_EQ(Text(picker), u"2024/03/15");
  EXPECT_TRUE(SetTime(GDT_VALID, Date(1601, 1, 1)));
  EXPECT_TRUE(SetTime(GDT_VALID, Date(2024, 2, 29)));
}

TEST_F(DateTimeTest, TheCheckGestureSendsTheChangeWithGdtNone) {
  Create(DTS_SHOWNONE);
  Gesture(picker, plat::kGestureCheck, 0);
  ASSERT_EQ(parent.Codes(), (std::vector<UINT>{NM_SETFOCUS, DTN_DATETIMECHANGE}));
  EXPECT_EQ(parent.received[1].date.dwFlags, static_cast<DWORD>(GDT_NONE));
  EXPECT_EQ(parent.received[1].from, picker);
  EXPECT_EQ(parent.received[1].id, 50);
  SYSTEMTIME t{};
  EXPECT_EQ(GetTime(&t), GDT_NONE);

  parent.received.clear();
  Gesture(picker, plat::kGestureCheck, 0);  // already cleared
  EXPECT_TRUE(parent.received.empty());
  Gesture(picker, plat::kGestureCheck, 1);
  ASSERT_EQ(parent.Codes(), (std::vector<UINT>{DTN_DATETIMECHANGE}));
  EXPECT_EQ(parent.received[0].date.dwFlags, static_cast<DWORD>(GDT_VALID));
  EXPECT_EQ(DayOf(parent.received[0].date.st), 20240315);
  EXPECT_EQ(Day(), 20240315);
}

TEST_F(DateTimeTest, TheCheckGestureNeedsTheCheckBox) {
  Create();
  Gesture(picker, plat::kGestureCheck, 0);
  EXPECT_TRUE(parent.received.empty());
  EXPECT_EQ(Day(), 20240315);
}

TEST_F(DateTimeTest, TheDateGestureSetsTheDateTicksTheBoxAndNotifies) {
  Create(DTS_SHOWNONE);
  SetTime(GDT_NONE, SYSTEMTIME{});
  SetFocus(picker);
  parent.received.clear();
  Gesture(picker, plat::kGestureSetDate, 20241105);
  ASSERT_EQ(parent.Codes(), (std::vector<UINT>{DTN_DATETIMECHANGE}));
  EXPECT_EQ(parent.received[0].date.dwFlags, static_cast<DWORD>(GDT_VALID));
  EXPECT_EQ(DayOf(parent.received[0].date.st), 20241105);
  EXPECT_EQ(parent.received[0].date.st.wHour, 9);  // the time fields stay
  EXPECT_EQ(Text(picker), u"2024/11/05");

  parent.received.clear();
  Gesture(picker, plat::kGestureSetDate, 20241105);  // the same date
  Gesture(picker, plat::kGestureSetDate, 20240230);  // no such date
  Gesture(picker, plat::kGestureSetDate, -1);
  EXPECT_TRUE(parent.received.empty());
  EXPECT_EQ(Day(), 20241105);
}

TEST_F(DateTimeTest, ArrowKeysMoveTheDayWhileFocusedAndTicked) {
  Create(DTS_SHOWNONE);
  SetTime(GDT_VALID, Date(2024, 3, 1));
  Key(picker, VK_DOWN);  // no focus yet
  EXPECT_EQ(Day(), 20240301);
  Tap(picker, 5, 5);
  EXPECT_EQ(GetFocus(), picker);
  parent.received.clear();
  Key(picker, VK_DOWN);
  EXPECT_EQ(Day(), 20240229);
  Key(picker, VK_UP);
  Key(picker, VK_UP);
  EXPECT_EQ(Day(), 20240302);
  EXPECT_EQ(parent.Codes(), (std::vector<UINT>(3, DTN_DATETIMECHANGE)));
  EXPECT_EQ(DayOf(parent.received[0].date.st), 20240229);

  SetTime(GDT_NONE, SYSTEMTIME{});
  parent.received.clear();
  Key(picker, VK_UP);
  EXPECT_TRUE(parent.received.empty());
}

TEST_F(DateTimeTest, TheRangeRefusesDatesOutsideItAndHoldsTheDateIn) {
  Create();
  SYSTEMTIME range[2] = {Date(2024, 1, 1), Date(2024, 3, 10)};
  ASSERT_TRUE(Send(DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range)));
  EXPECT_EQ(Day(), 20240310);  // moved in, without notification
  EXPECT_FALSE(SetTime(GDT_VALID, Date(2023, 12, 31)));
  EXPECT_FALSE(SetTime(GDT_VALID, Date(2024, 3, 11)));
  EXPECT_TRUE(SetTime(GDT_VALID, Date(2024, 1, 1, 8)));
  SetFocus(picker);
  Key(picker, VK_DOWN);
  Gesture(picker, plat::kGestureSetDate, 20240401);
  EXPECT_EQ(Day(), 20240101);

  SYSTEMTIME read[2] = {};
  EXPECT_EQ(Send(DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(read)), GDTR_MIN | GDTR_MAX);
  EXPECT_EQ(DayOf(read[0]), 20240101);
  EXPECT_EQ(DayOf(read[1]), 20240310);
  EXPECT_EQ(parent.Codes(), (std::vector<UINT>{NM_SETFOCUS}));

  ASSERT_TRUE(Send(DTM_SETRANGE, GDTR_MAX, reinterpret_cast<LPARAM>(range)));
  EXPECT_EQ(Send(DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(read)), GDTR_MAX);
  EXPECT_EQ(DayOf(read[0]), 0);
  EXPECT_TRUE(SetTime(GDT_VALID, Date(1700, 1, 1)));
}

TEST_F(DateTimeTest, BadRangesAreRefusedAndChangeNothing) {
  Create();
  SYSTEMTIME turned[2] = {Date(2024, 5, 1), Date(2024, 4, 1)};
  SYSTEMTIME missing[2] = {Date(2024, 4, 31), Date(2024, 6, 1)};
  EXPECT_FALSE(Send(DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(turned)));
  EXPECT_FALSE(Send(DTM_SETRANGE, GDTR_MIN, reinterpret_cast<LPARAM>(missing)));
  EXPECT_FALSE(Send(DTM_SETRANGE, GDTR_MIN, 0));
  SYSTEMTIME read[2] = {};
  EXPECT_EQ(Send(DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(read)), 0);
  EXPECT_EQ(Day(), 20240315);
}

TEST_F(DateTimeTest, ATapTakesTheFocusWithItsNotifications) {
  Create();
  Tap(picker, 5, 5);
  EXPECT_EQ(GetFocus(), picker);
  SetFocus(parent.hwnd);
  EXPECT_EQ(parent.Codes(), (std::vector<UINT>{NM_SETFOCUS, NM_KILLFOCUS}));
}

TEST_F(DateTimeTest, AnswersArrowsAndCharactersAndPaintsAsAnEdit) {
  Create();
  EXPECT_EQ(Send(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
  Pump();
  const plat::PaintRecord paint = plat::GetPaintRecord(picker);
  EXPECT_TRUE(paint.painted);
  EXPECT_EQ(paint.background, GetSysColor(COLOR_WINDOW));  // the parent's default answer to WM_CTLCOLOREDIT
  EXPECT_THAT(parent.colorRequests, plat::test::OnlyAskedFor(WM_CTLCOLOREDIT));
}

}  // namespace
