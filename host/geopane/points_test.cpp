// Points of the map database: creating with id 0, replacing, reading every
// field back, finding by number (with duplicate numbers), and the walk over
// all points for drawing.
#include <vector>

#include "map_test_support.h"

namespace geopane::testing {
namespace {

using PointTest = MapTest;

void ExpectSamePoint(const PntRecord& read, const PntRecord& written) {
  EXPECT_EQ(read.number, written.number);
  EXPECT_EQ(std::u16string(read.name.GetString()), std::u16string(written.name.GetString()));
  EXPECT_EQ(read.name.GetLength(), written.name.GetLength());
  EXPECT_EQ(read.x, written.x);
  EXPECT_EQ(read.y, written.y);
  EXPECT_EQ(read.z, written.z);
  EXPECT_EQ(read.hasZ, written.hasZ);
  EXPECT_EQ(read.spare1, written.spare1);
  EXPECT_EQ(read.classCode, written.classCode);
  EXPECT_EQ(read.stateCode, written.stateCode);
  EXPECT_EQ(read.spare2, written.spare2);
}

PntRecord UnusualPoint() {
  PntRecord point{};
  point.number = -2147483647 - 1;
  point.name = u"街区点 No.1\U0001F4CD";
  point.x = -123456.789012345;
  point.y = 1e300;
  point.z = -0.0;
  point.hasZ = 1;
  point.spare1 = 0x7FFFFFFF;
  point.classCode = 10;
  point.stateCode = 11;
  point.spare2 = -1;
  return point;
}

TEST_F(PointTest, IdZeroCreatesPointsWithIdsFromOne) {
  for (int expected = 1; expected <= 3; ++expected) {
    int id = 0;
    ASSERT_EQ(MapdbPnt_Put(&id, MakePoint(expected * 100)), 0);
    EXPECT_EQ(id, expected);
  }
}

TEST_F(PointTest, EveryFieldSurvivesWriteReadAndReopen) {
  const PntRecord written = UnusualPoint();
  int id = 0;
  ASSERT_EQ(MapdbPnt_Put(&id, written), 0);
  PntRecord read{};
  ASSERT_EQ(MapdbPnt_Get(id, &read), 0);
  ExpectSamePoint(read, written);
  Reopen();
  PntRecord reread{};
  reread.name = u"old name is replaced";
  ASSERT_EQ(MapdbPnt_Get(id, &reread), 0);
  ExpectSamePoint(reread, written);
}

TEST_F(PointTest, EmptyNameStaysEmpty) {
  const int id = NewPoint(5, u"");
  PntRecord read{};
  read.name = u"something";
  ASSERT_EQ(MapdbPnt_Get(id, &read), 0);
  EXPECT_TRUE(read.name.IsEmpty());
}

TEST_F(PointTest, NameUnitsSurviveUnchanged) {
  // The file keeps UTF-16 text as is, so even an unpaired surrogate comes back.
  const WCHAR name[] = {u'A', 0xD800, u'B', 0xDFFF, 0};
  const int id = NewPoint(5, name);
  PntRecord read{};
  ASSERT_EQ(MapdbPnt_Get(id, &read), 0);
  EXPECT_EQ(std::u16string(read.name.GetString()), std::u16string(name));
}

TEST_F(PointTest, ReadOfAMissingPointFailsAndLeavesTheRecord) {
  const int id = NewPoint(1);
  PntRecord read = MakePoint(77, u"mine");
  EXPECT_NE(MapdbPnt_Get(id + 1, &read), 0);
  ExpectSamePoint(read, MakePoint(77, u"mine"));
}

TEST_F(PointTest, PutWithAnIdReplacesThatPoint) {
  const int a = NewPoint(1, u"a"), b = NewPoint(2, u"b");
  int id = a;
  const PntRecord changed = UnusualPoint();
  ASSERT_EQ(MapdbPnt_Put(&id, changed), 0);
  EXPECT_EQ(id, a);
  PntRecord read{};
  ASSERT_EQ(MapdbPnt_Get(a, &read), 0);
  ExpectSamePoint(read, changed);
  ASSERT_EQ(MapdbPnt_Get(b, &read), 0);
  ExpectSamePoint(read, MakePoint(2, u"b"));
}

TEST_F(PointTest, PutWithAMissingOrNegativeIdCreatesNothing) {
  const int a = NewPoint(1);
  for (int bad : {a + 1, -1}) {
    int id = bad;
    EXPECT_NE(MapdbPnt_Put(&id, MakePoint(9)), 0) << bad;
    EXPECT_EQ(id, bad);
  }
  EXPECT_NE(MapdbPnt_Put(nullptr, MakePoint(9)), 0);
  int found = 0;
  EXPECT_NE(MapdbPnt_GetId(9, &found), 0);
  EXPECT_EQ(NewPoint(3), a + 1) << "no id was used up";
}

// Points created in order with these numbers; those marked get a card.
struct NumberCase {
  const char* name;
  std::vector<int> numbers;
  std::vector<bool> withCard;
  int number;
  int expectedIndex;  // index into the created points, -1 = not found
};

const NumberCase kNumberCases[] = {
    {"single", {7}, {false}, 7, 0},
    {"other_numbers_ignored", {5, 7, 9}, {true, false, true}, 7, 1},
    {"duplicates_without_cards_earliest", {7, 3, 7, 7}, {false, false, false, false}, 7, 0},
    {"duplicates_earliest_with_card", {7, 7, 7}, {false, true, true}, 7, 1},
    {"duplicates_only_last_has_card", {7, 7, 7}, {false, false, true}, 7, 2},
    {"missing_number", {5, 6}, {true, false}, 7, -1},
};

class PointNumberTest : public MapTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(PointNumberTest, FindsThePreferredPointOfANumber) {
  const NumberCase& c = GetParam();
  std::vector<int> ids;
  for (size_t i = 0; i < c.numbers.size(); ++i) {
    ids.push_back(NewPoint(c.numbers[i]));
    if (c.withCard[i]) {
      ASSERT_EQ(MapdbNav_Put(ids.back(), MakeCard(1, u"x")), 0);
    }
  }
  int id = -5;
  const int result = MapdbPnt_GetId(c.number, &id);
  if (c.expectedIndex < 0) {
    EXPECT_NE(result, 0);
    EXPECT_EQ(id, -5);
  } else {
    EXPECT_EQ(result, 0);
    EXPECT_EQ(id, ids[static_cast<size_t>(c.expectedIndex)]);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, PointNumberTest, ::testing::ValuesIn(kNumberCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PointTest, DeletedCardNoLongerDecidesTheNumber) {
  const int first = NewPoint(7), second = NewPoint(7);
  ASSERT_EQ(MapdbNav_Put(second, MakeCard(1, u"x")), 0);
  ASSERT_EQ(MapdbNav_Del(second), 0);
  int id = 0;
  ASSERT_EQ(MapdbPnt_GetId(7, &id), 0);
  EXPECT_EQ(id, first);
}

struct Visit {
  std::vector<int> ids;
  std::vector<std::u16string> names;
  size_t stopAfter = 1000;
};

int Collect(int id, const PntRecord* point, void* context) {
  auto* visit = static_cast<Visit*>(context);
  visit->ids.push_back(id);
  visit->names.emplace_back(point->name.GetString());
  return visit->ids.size() >= visit->stopAfter ? 1 : 0;
}

TEST_F(PointTest, ForEachPointVisitsAllInIdOrderUntilStopped) {
  const int a = NewPoint(3, u"a"), b = NewPoint(1, u"b"), c = NewPoint(2, u"c");
  Visit all;
  ASSERT_EQ(Geopane_ForEachPoint(Collect, &all), 0);
  EXPECT_EQ(all.ids, (std::vector<int>{a, b, c}));
  EXPECT_EQ(all.names, (std::vector<std::u16string>{u"a", u"b", u"c"}));

  Visit stopped;
  stopped.stopAfter = 2;
  ASSERT_EQ(Geopane_ForEachPoint(Collect, &stopped), 0);
  EXPECT_EQ(stopped.ids, (std::vector<int>{a, b}));
  EXPECT_NE(Geopane_ForEachPoint(nullptr, &all), 0);
}

int ReadCardOfEachPoint(int id, const PntRecord*, void* context) {
  NavRecord card{};
  if (MapdbNav_Get(id, &card) == 0) ++*static_cast<int*>(context);
  return 0;
}

TEST_F(PointTest, VisitorMayCallTheMapDatabase) {
  const int a = NewPoint(1);
  NewPoint(2);
  ASSERT_EQ(MapdbNav_Put(a, MakeCard(1, u"x")), 0);
  int withCard = 0;
  ASSERT_EQ(Geopane_ForEachPoint(ReadCardOfEachPoint, &withCard), 0);
  EXPECT_EQ(withCard, 1);
}

}  // namespace
}  // namespace geopane::testing
