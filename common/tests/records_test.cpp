// Tests of the records as the plug-ins hand them to the map database: a
// whole card with its two lists, -1 markers and Japanese text, comes back
// byte for byte after the database is reopened; a point's name is its own.
#include <gtest/gtest.h>

#include <cstring>

#include "map_test_support.h"

namespace {

using geopane::testing::MapTest;

template <typename Record>
bool SameBytes(const Record& a, const Record& b) {
  return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

template <size_t N>
void Put(WCHAR (&field)[N], std::u16string_view text) {
  std::memcpy(field, text.data(), std::min(text.size(), N - 1) * sizeof(WCHAR));
}

class RecordsTest : public MapTest {};

TEST_F(RecordsTest, AFullCardWithItsListsComesBackByteForByte) {
  int id = 0;
  ASSERT_EQ(MapdbPnt_Put(&id, geopane::testing::MakePoint(1001, u"西公園")), 0);
  NavRecord card{};
  card.surveyed = 1;
  card.kind = 1;
  card.origin = 2;
  Put(card.remarks, u"標石は北側の歩道縁石の脇にあり確認済み");  // near the 30-character limit
  card.surveyDate = 20261211;
  for (int slot = 0; slot < 11; ++slot) card.attr[slot] = slot % 3 == 0 ? -1 : slot;
  LookEntry looks[5]{};
  for (int i = 0; i < 5; ++i) {
    Put(looks[i].direction, i == 4 ? u"一二三四五六七八九十" : u"北");
    looks[i].sight = i - 1;
    looks[i].clearing = 2;
  }
  PhotoEntry photos[9]{};
  for (int i = 0; i < 9; ++i) {
    photos[i].kind = i % 3 + 1;
    photos[i].date = i == 8 ? -1 : 20261211;
    photos[i].time = i == 7 ? -1 : 93000 + i;
    Put(photos[i].comment, u"全景");
  }
  ASSERT_EQ(MapdbNav_Put(id, card), 0);
  ASSERT_EQ(MapdbNav_PutLook(id, 5, looks), 0);
  ASSERT_EQ(MapdbNav_PutPhoto(id, 9, photos), 0);
  Reopen();

  NavRecord readCard{};
  ASSERT_EQ(MapdbNav_Get(id, &readCard), 0);
  EXPECT_TRUE(SameBytes(readCard, card));
  int count = 0;
  ASSERT_EQ(MapdbNav_CntLook(id, &count), 0);
  ASSERT_EQ(count, 5);
  LookEntry readLooks[5]{};
  ASSERT_EQ(MapdbNav_GetLook(id, readLooks), 0);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(SameBytes(readLooks[i], looks[i])) << i;
  ASSERT_EQ(MapdbNav_CntPhoto(id, &count), 0);
  ASSERT_EQ(count, 9);
  PhotoEntry readPhotos[9]{};
  ASSERT_EQ(MapdbNav_GetPhoto(id, readPhotos), 0);
  for (int i = 0; i < 9; ++i) EXPECT_TRUE(SameBytes(readPhotos[i], photos[i])) << i;
}

TEST_F(RecordsTest, APointOwnsItsNameAndKeepsEveryField) {
  PntRecord point = geopane::testing::MakePoint(7, u"街区点７");
  point.z = 12.3456;
  point.hasZ = 1;
  point.spare1 = 5;
  point.spare2 = -9;
  int id = 0;
  ASSERT_EQ(MapdbPnt_Put(&id, point), 0);
  point.name = u"changed after the put";  // the database has its own copy
  Reopen();
  PntRecord read{};
  ASSERT_EQ(MapdbPnt_Get(id, &read), 0);
  EXPECT_EQ(std::u16string(read.name), u"街区点７");
  EXPECT_EQ(read.number, 7);
  EXPECT_DOUBLE_EQ(read.z, 12.3456);
  EXPECT_EQ(read.hasZ, 1);
  EXPECT_EQ(read.spare1, 5);
  EXPECT_EQ(read.spare2, -9);
  EXPECT_EQ(read.classCode, 81);
  EXPECT_EQ(read.stateCode, 32);
  PntRecord copy = read;
  copy.name = u"copy";
  EXPECT_EQ(std::u16string(read.name), u"街区点７");
}

}  // namespace
