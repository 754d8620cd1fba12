// Tests of the records' dates and times: one clock reading for both,
// decoding, and the texts the lists show, negative values included.
#include <gtest/gtest.h>
#include <plat/system.h>
#include <recdate.h>

#include <string>

namespace {

struct ClockFixture : ::testing::Test {
  void TearDown() override { plat::UseRealClock(); }
};

using DateClock = ClockFixture;

TEST_F(DateClock, TodayAndTheTimeComeFromOneReading) {
  plat::UseManualClock(SYSTEMTIME{2026, 12, 0, 31, 23, 59, 59, 0});  // 2026/12/31 23:59:59
  const recdate::Stamp stamp = recdate::Now();
  EXPECT_EQ(stamp.date, 20261231);
  EXPECT_EQ(stamp.time, 235959);
  plat::AdvanceClock(1000);  // midnight: date and time move together
  const recdate::Stamp next = recdate::Now();
  EXPECT_EQ(next.date, 20270101);
  EXPECT_EQ(next.time, 0);
}

TEST(DateDecoding, TakesThePartsModuloTheirRanges) {
  const auto date = recdate::DecodeDate(120240131);  // the year wraps at 10000
  EXPECT_EQ(date.first, 2024);
  EXPECT_EQ(date.second, 1);
  EXPECT_EQ(date.third, 31);
  const auto time = recdate::DecodeTime(1234567);  // the hour wraps at 100
  EXPECT_EQ(time.first, 23);
  EXPECT_EQ(time.second, 45);
  EXPECT_EQ(time.third, 67);
}

struct ShowCase {
  LONG date;
  LONG time;
  std::u16string dateText;
  std::u16string dateTimeText;
};

TEST(DateTexts, FormatsAndNegativeValues) {
  const ShowCase cases[] = {
      {20240105, 90507, u"2024/ 1/ 5", u"2024/ 1/ 5  9:05:07"},
      {20241231, 235959, u"2024/12/31", u"2024/12/31 23:59:59"},
      {20240105, -1, u"2024/ 1/ 5", u"2024/ 1/ 5"},  // a negative time leaves the date alone
      {-1, 120000, u"", u""},                          // a negative date shows nothing, no time either
      {5, 0, u"   0/ 0/ 5", u"   0/ 0/ 5  0:00:00"},
  };
  for (const ShowCase& c : cases) {
    EXPECT_EQ(std::u16string(recdate::FormatDate(c.date)), c.dateText) << c.date;
    EXPECT_EQ(std::u16string(recdate::FormatDateTime(c.date, c.time)), c.dateTimeText) << c.date << " " << c.time;
  }
}

TEST(DateTexts, OnlyDatesADateControlCanShowAreShowable) {
  const std::pair<LONG, bool> cases[] = {{19000101, true}, {18991231, false}, {20240001, false},
                                         {20241301, false}, {20240100, false}, {20240132, false},
                                         {20240131, true}, {-1, false}, {0, false}};
  for (const auto& [date, showable] : cases) EXPECT_EQ(recdate::IsShowableDate(date), showable) << date;
}

}  // namespace
