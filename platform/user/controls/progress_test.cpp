// Tests of the progress bar: the range and its defaults, clamping of every
// position, stepping with its wrap at the maximum, and that it notifies
// nothing and paints its own colours.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "user/controls/control_test_support.h"

namespace {

using plat::test::Pump;
using plat::test::RecordingParent;

class ProgressTest : public ::testing::Test {
 protected:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(bar, message, wParam, lParam);
  }
  int Position() { return static_cast<int>(Send(PBM_GETPOS)); }

  RecordingParent parent;
  HWND bar = parent.Child(PROGRESS_CLASSW, 0, 40);
};

TEST_F(ProgressTest, StartsAtZeroInZeroToHundredWithStepTen) {
  PBRANGE range{-1, -1};
  EXPECT_EQ(Send(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)), 0);
  EXPECT_EQ(range.iLow, 0);
  EXPECT_EQ(range.iHigh, 100);
  EXPECT_EQ(Send(PBM_GETRANGE, FALSE), 100);
  EXPECT_EQ(Position(), 0);
  EXPECT_EQ(Send(PBM_SETSTEP, 5), 10);
}

TEST_F(ProgressTest, SetPosAndDeltaPosClampToTheRangeAndReturnTheOldPosition) {
  struct Case {
    UINT message;
    int argument;
    int expected;
  };
  const Case cases[] = {
      {PBM_SETPOS, 40, 40},   {PBM_SETPOS, 150, 100}, {PBM_SETPOS, -5, 0},      {PBM_DELTAPOS, 30, 30},
      {PBM_DELTAPOS, 90, 100}, {PBM_DELTAPOS, -250, 0}, {PBM_DELTAPOS, INT_MAX, 100},
  };
  for (const Case& c : cases) {
    const int before = Position();
    EXPECT_EQ(Send(c.message, static_cast<WPARAM>(c.argument)), before) << c.argument;
    EXPECT_EQ(Position(), c.expected) << c.argument;
  }
}

TEST_F(ProgressTest, StepItWrapsToTheMinimumWhenItPassesTheMaximum) {
  Send(PBM_SETRANGE32, 10, 100);
  Send(PBM_SETSTEP, 30);
  std::vector<int> returned;
  for (int i = 0; i < 5; ++i) returned.push_back(static_cast<int>(Send(PBM_STEPIT)));
  EXPECT_EQ(returned, (std::vector<int>{10, 40, 70, 100, 10}));
  EXPECT_EQ(Position(), 40);
}

TEST_F(ProgressTest, NegativeStepStopsAtTheMinimum) {
  Send(PBM_SETPOS, 15);
  Send(PBM_SETSTEP, static_cast<WPARAM>(-10));
  Send(PBM_STEPIT);
  Send(PBM_STEPIT);
  EXPECT_EQ(Position(), 0);
}

TEST_F(ProgressTest, SetRangeReturnsTheOldRangeAndClampsThePosition) {
  Send(PBM_SETPOS, 80);
  EXPECT_EQ(Send(PBM_SETRANGE, 0, MAKELPARAM(20, 50)), MAKELONG(0, 100));
  EXPECT_EQ(Position(), 50);
  EXPECT_EQ(Send(PBM_SETRANGE32, static_cast<WPARAM>(-200), -100), MAKELONG(20, 50));
  EXPECT_EQ(Position(), -100);
  EXPECT_EQ(Send(PBM_GETRANGE, TRUE), -200);
  EXPECT_EQ(Send(PBM_GETRANGE, FALSE), -100);
}

TEST_F(ProgressTest, ARangeTurnedRoundIsRefusedAndChangesNothing) {
  Send(PBM_SETPOS, 30);
  EXPECT_EQ(Send(PBM_SETRANGE32, 60, 10), 0);
  EXPECT_EQ(Send(PBM_SETRANGE, 0, MAKELPARAM(60, 10)), 0);
  EXPECT_EQ(Send(PBM_GETRANGE, TRUE), 0);
  EXPECT_EQ(Send(PBM_GETRANGE, FALSE), 100);
  EXPECT_EQ(Position(), 30);
  EXPECT_EQ(Send(PBM_SETRANGE32, 30, 30), MAKELONG(0, 100));  // an empty range is taken
  EXPECT_EQ(Send(PBM_STEPIT), 30);
  EXPECT_EQ(Position(), 30);
}

TEST_F(ProgressTest, SendsNoNotificationsAndPaintsItsOwnBackground) {
  parent.answerBrush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  Send(PBM_SETPOS, 50);
  Send(PBM_STEPIT);
  Send(PBM_SETRANGE32, 0, 10);
  Pump();
  EXPECT_TRUE(parent.received.empty());
  const plat::PaintRecord paint = plat::GetPaintRecord(bar);
  EXPECT_TRUE(paint.painted);
  EXPECT_EQ(paint.background, GetSysColor(COLOR_BTNFACE));
  EXPECT_TRUE(parent.colorRequests.empty());
}

}  // namespace
