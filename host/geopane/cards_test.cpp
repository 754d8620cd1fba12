// Cards of the map database: reading and writing whole records byte for
// byte, the card order under replace and delete, the walk and the count.
#include <cstdint>
#include <vector>

#include "map_test_support.h"

namespace geopane::testing {
namespace {

using CardTest = MapTest;

// The ids of the walk's cards, in walk order.
std::vector<int> WalkIds() {
  std::vector<int> ids;
  if (MapdbNav_Top() != 0) return ids;
  int id = 0;
  NavRecord card{};
  while (MapdbNav_Red(&id, &card) == 0) ids.push_back(id);
  return ids;
}

int CardCount() {
  int count = -1;
  EXPECT_EQ(MapdbNav_GetCnt(&count), 0);
  return count;
}

TEST_F(CardTest, ReadOfAPointWithoutCardFailsAndFillsNothing) {
  const int id = NewPoint(1);
  NavRecord card = Filled<NavRecord>(0xAB);
  EXPECT_NE(MapdbNav_Get(id, &card), 0);
  EXPECT_TRUE(SameBytes(card, Filled<NavRecord>(0xAB)));
  EXPECT_NE(MapdbNav_Get(id + 1, &card), 0);
}

struct BytePattern {
  const char* name;
  unsigned char (*byteAt)(size_t index);
};

const BytePattern kPatterns[] = {
    {"zeros", [](size_t) -> unsigned char { return 0x00; }},
    {"ones", [](size_t) -> unsigned char { return 0xFF; }},
    {"counting", [](size_t i) -> unsigned char { return static_cast<unsigned char>(i); }},
    {"alternating", [](size_t i) -> unsigned char { return i % 2 ? 0x00 : 0x80; }},
    {"scrambled", [](size_t i) -> unsigned char { return static_cast<unsigned char>(i * 37 + 11); }},
};

class CardBytesTest : public MapTest, public ::testing::WithParamInterface<BytePattern> {};

TEST_P(CardBytesTest, EveryByteSurvivesWriteReadAndReopen) {
  NavRecord written;
  auto* bytes = reinterpret_cast<unsigned char*>(&written);
  for (size_t i = 0; i < sizeof written; ++i) bytes[i] = GetParam().byteAt(i);
  const int id = NewPoint(1);
  ASSERT_EQ(MapdbNav_Put(id, written), 0);

  NavRecord read{};
  ASSERT_EQ(MapdbNav_Get(id, &read), 0);
  EXPECT_TRUE(SameBytes(read, written));
  Reopen();
  NavRecord reread{};
  ASSERT_EQ(MapdbNav_Get(id, &reread), 0);
  EXPECT_TRUE(SameBytes(reread, written));
}

INSTANTIATE_TEST_SUITE_P(Patterns, CardBytesTest, ::testing::ValuesIn(kPatterns),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CardTest, EveryByteValueSurvivesAtEveryOffset) {
  // 256 cards: card k holds byte (k + i) at offset i, so each offset sees every value.
  std::vector<int> ids;
  for (int k = 0; k < 256; ++k) {
    NavRecord card;
    auto* bytes = reinterpret_cast<unsigned char*>(&card);
    for (size_t i = 0; i < sizeof card; ++i) bytes[i] = static_cast<unsigned char>(k + i);
    ids.push_back(NewPoint(k));
    ASSERT_EQ(MapdbNav_Put(ids.back(), card), 0);
  }
  for (int k = 0; k < 256; ++k) {
    NavRecord read{};
    ASSERT_EQ(MapdbNav_Get(ids[k], &read), 0);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&read);
    for (size_t i = 0; i < sizeof read; ++i) ASSERT_EQ(bytes[i], static_cast<unsigned char>(k + i)) << k << " " << i;
  }
}

TEST_F(CardTest, WalkFollowsCreationOrderAndAReplacedCardKeepsItsPlace) {
  const int a = NewPoint(1), b = NewPoint(2), c = NewPoint(3);
  ASSERT_EQ(MapdbNav_Put(b, MakeCard(1, u"b")), 0);
  ASSERT_EQ(MapdbNav_Put(a, MakeCard(2, u"a")), 0);
  ASSERT_EQ(MapdbNav_Put(c, MakeCard(3, u"c")), 0);
  ASSERT_EQ(MapdbNav_Put(b, MakeCard(3, u"b again")), 0);

  EXPECT_EQ(WalkIds(), (std::vector<int>{b, a, c}));
  EXPECT_EQ(CardCount(), 3);
  NavRecord card{};
  ASSERT_EQ(MapdbNav_Get(b, &card), 0);
  EXPECT_TRUE(SameBytes(card, MakeCard(3, u"b again")));
  Reopen();
  EXPECT_EQ(WalkIds(), (std::vector<int>{b, a, c}));
}

TEST_F(CardTest, DeletedCardIsGoneAndComesBackAtTheEnd) {
  const int a = NewPoint(1), b = NewPoint(2), c = NewPoint(3);
  for (int id : {a, b, c}) ASSERT_EQ(MapdbNav_Put(id, MakeCard(1, u"x")), 0);

  EXPECT_EQ(MapdbNav_Del(a), 0);
  NavRecord card = Filled<NavRecord>(0x5A);
  EXPECT_NE(MapdbNav_Get(a, &card), 0);
  EXPECT_TRUE(SameBytes(card, Filled<NavRecord>(0x5A)));
  EXPECT_EQ(CardCount(), 2);
  EXPECT_NE(MapdbNav_Del(a), 0) << "a point without a card";

  ASSERT_EQ(MapdbNav_Put(a, MakeCard(1, u"new")), 0);
  EXPECT_EQ(WalkIds(), (std::vector<int>{b, c, a}));
}

TEST_F(CardTest, WalkUsesTheOrderTakenAtTop) {
  const int a = NewPoint(1), b = NewPoint(2), c = NewPoint(3), d = NewPoint(4);
  for (int id : {a, b, c}) ASSERT_EQ(MapdbNav_Put(id, MakeCard(1, u"x")), 0);
  ASSERT_EQ(MapdbNav_Top(), 0);

  int id = 0;
  NavRecord card{};
  ASSERT_EQ(MapdbNav_Red(&id, &card), 0);
  EXPECT_EQ(id, a);
  ASSERT_EQ(MapdbNav_Del(b), 0);
  ASSERT_EQ(MapdbNav_Put(c, MakeCard(2, u"changed")), 0);
  ASSERT_EQ(MapdbNav_Put(d, MakeCard(1, u"late")), 0);

  ASSERT_EQ(MapdbNav_Red(&id, &card), 0);
  EXPECT_EQ(id, c) << "the deleted card is skipped";
  EXPECT_TRUE(SameBytes(card, MakeCard(2, u"changed")));
  id = -7;
  card = Filled<NavRecord>(0x11);
  EXPECT_NE(MapdbNav_Red(&id, &card), 0) << "cards created after Top are not visited";
  EXPECT_EQ(id, -7);
  EXPECT_TRUE(SameBytes(card, Filled<NavRecord>(0x11)));
  EXPECT_EQ(WalkIds(), (std::vector<int>{a, c, d})) << "a new Top takes the new order";
}

TEST_F(CardTest, EmptyMapHasNoWalkAndNoCards) {
  EXPECT_NE(MapdbNav_Top(), 0);
  int id = -7;
  NavRecord card{};
  EXPECT_NE(MapdbNav_Red(&id, &card), 0);
  EXPECT_EQ(id, -7);
  EXPECT_EQ(CardCount(), 0);
}

TEST_F(CardTest, ReadWithoutTopIsAtTheEnd) {
  ASSERT_EQ(MapdbNav_Put(NewPoint(1), MakeCard(1, u"x")), 0);
  int id = 0;
  NavRecord card{};
  EXPECT_NE(MapdbNav_Red(&id, &card), 0);
}

TEST_F(CardTest, CardNeedsAnExistingPoint) {
  const int id = NewPoint(1);
  EXPECT_NE(MapdbNav_Put(id + 1, MakeCard(1, u"orphan")), 0);
  EXPECT_EQ(CardCount(), 0);
  NavRecord card{};
  EXPECT_NE(MapdbNav_Get(id + 1, &card), 0);
}

}  // namespace
}  // namespace geopane::testing
