// The lines of sight and photos of a card: counting, reading in stored
// order, replacing and emptying whole lists, and the card delete that empties
// both. The same cases run for both lists.
#include <vector>

#include "map_test_support.h"

namespace geopane::testing {
namespace {

struct SightLines {
  using Entry = LookEntry;
  static Entry Make(int n) { return MakeLook(n % 2 ? u"north" : u"南東の鉄塔", n); }
  static int Count(int id, int* count) { return MapdbNav_CntLook(id, count); }
  static int Get(int id, Entry* entries) { return MapdbNav_GetLook(id, entries); }
  static int Put(int id, int count, const Entry* entries) { return MapdbNav_PutLook(id, count, entries); }
  static int Del(int id) { return MapdbNav_DelLook(id); }
};

struct Photos {
  using Entry = PhotoEntry;
  static Entry Make(int n) { return MakePhoto(n % 2 ? u"near" : u"標識の全景", n % 3 + 1); }
  static int Count(int id, int* count) { return MapdbNav_CntPhoto(id, count); }
  static int Get(int id, Entry* entries) { return MapdbNav_GetPhoto(id, entries); }
  static int Put(int id, int count, const Entry* entries) { return MapdbNav_PutPhoto(id, count, entries); }
  static int Del(int id) { return MapdbNav_DelPhoto(id); }
};

template <class List>
class ListTest : public MapTest {
 protected:
  using Entry = typename List::Entry;

  static std::vector<Entry> Entries(int first, int count) {
    std::vector<Entry> entries;
    for (int n = first; n < first + count; ++n) entries.push_back(List::Make(n));
    return entries;
  }
  static int CountOf(int id) {
    int count = -1;
    EXPECT_EQ(List::Count(id, &count), 0);
    return count;
  }
  // Reads the list into a buffer one entry larger than the count; the extra
  // entry must stay untouched.
  static std::vector<Entry> Read(int id) {
    const int count = CountOf(id);
    std::vector<Entry> buffer(static_cast<size_t>(count) + 1, Filled<Entry>(0xCD));
    const int result = List::Get(id, buffer.data());
    EXPECT_TRUE(SameBytes(buffer.back(), Filled<Entry>(0xCD)));
    buffer.pop_back();
    EXPECT_EQ(result == 0, count > 0) << "a read succeeds exactly when there are entries";
    return buffer;
  }
  static bool SameEntries(const std::vector<Entry>& a, const std::vector<Entry>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (!SameBytes(a[i], b[i])) return false;
    return true;
  }
};

using ListKinds = ::testing::Types<SightLines, Photos>;
class ListNames {
 public:
  template <class List>
  static std::string GetName(int) {
    return std::is_same_v<List, SightLines> ? "SightLines" : "Photos";
  }
};
TYPED_TEST_SUITE(ListTest, ListKinds, ListNames);

TYPED_TEST(ListTest, NewPointHasAnEmptyList) {
  const int id = NewPoint(1);
  int count = -1;
  EXPECT_EQ(TypeParam::Count(id, &count), 0);
  EXPECT_EQ(count, 0);
  auto entry = Filled<typename TypeParam::Entry>(0xCD);
  EXPECT_NE(TypeParam::Get(id, &entry), 0);
  EXPECT_TRUE(SameBytes(entry, Filled<typename TypeParam::Entry>(0xCD)));
}

TYPED_TEST(ListTest, PutStoresTheListInOrderByteForByte) {
  const int id = NewPoint(1);
  const auto entries = this->Entries(0, 5);
  ASSERT_EQ(TypeParam::Put(id, 5, entries.data()), 0);
  EXPECT_TRUE(this->SameEntries(this->Read(id), entries));
  this->Reopen();
  EXPECT_TRUE(this->SameEntries(this->Read(id), entries));
}

TYPED_TEST(ListTest, PutReplacesTheWholeList) {
  const int id = NewPoint(1);
  ASSERT_EQ(TypeParam::Put(id, 5, this->Entries(0, 5).data()), 0);
  const auto shorter = this->Entries(10, 2);
  ASSERT_EQ(TypeParam::Put(id, 2, shorter.data()), 0);
  EXPECT_TRUE(this->SameEntries(this->Read(id), shorter));
  const auto longer = this->Entries(20, 9);
  ASSERT_EQ(TypeParam::Put(id, 9, longer.data()), 0);
  EXPECT_TRUE(this->SameEntries(this->Read(id), longer));
}

TYPED_TEST(ListTest, CountZeroAndDelEmptyTheList) {
  const int id = NewPoint(1);
  const auto entries = this->Entries(0, 3);
  ASSERT_EQ(TypeParam::Put(id, 3, entries.data()), 0);
  ASSERT_EQ(TypeParam::Put(id, 0, nullptr), 0);
  EXPECT_EQ(this->CountOf(id), 0);

  ASSERT_EQ(TypeParam::Put(id, 3, entries.data()), 0);
  ASSERT_EQ(TypeParam::Del(id), 0);
  EXPECT_EQ(this->CountOf(id), 0);
  EXPECT_EQ(TypeParam::Del(id), 0) << "emptying an empty list";
}

TYPED_TEST(ListTest, ListsOfPointsAreApart) {
  const int a = NewPoint(1), b = NewPoint(2);
  const auto ofA = this->Entries(0, 3), ofB = this->Entries(5, 1);
  ASSERT_EQ(TypeParam::Put(a, 3, ofA.data()), 0);
  ASSERT_EQ(TypeParam::Put(b, 1, ofB.data()), 0);
  ASSERT_EQ(TypeParam::Del(b), 0);
  EXPECT_TRUE(this->SameEntries(this->Read(a), ofA));
}

TYPED_TEST(ListTest, EntriesNeedAnExistingPoint) {
  const int id = NewPoint(1);
  EXPECT_NE(TypeParam::Put(id + 1, 2, this->Entries(0, 2).data()), 0);
  EXPECT_EQ(this->CountOf(id + 1), 0);
}

TYPED_TEST(ListTest, BadArgumentsChangeNothing) {
  const int id = NewPoint(1);
  const auto entries = this->Entries(0, 2);
  ASSERT_EQ(TypeParam::Put(id, 2, entries.data()), 0);

  EXPECT_NE(TypeParam::Put(id, -1, entries.data()), 0);
  EXPECT_NE(TypeParam::Put(id, 2, nullptr), 0);
  EXPECT_NE(TypeParam::Put(0, 2, entries.data()), 0);
  EXPECT_NE(TypeParam::Del(-id), 0);
  EXPECT_NE(TypeParam::Get(id, nullptr), 0);
  EXPECT_NE(TypeParam::Count(id, nullptr), 0);
  int count = -1;
  EXPECT_NE(TypeParam::Count(0, &count), 0);
  EXPECT_EQ(count, 0) << "the count is set even when the call fails";
  EXPECT_TRUE(this->SameEntries(this->Read(id), entries));
}

using CardDeleteTest = MapTest;

TEST_F(CardDeleteTest, DeletingTheCardEmptiesBothLists) {
  const int id = NewPoint(1), other = NewPoint(2);
  const LookEntry looks[] = {MakeLook(u"a", 1), MakeLook(u"b", 2)};
  const PhotoEntry photos[] = {MakePhoto(u"c", 1)};
  for (int point : {id, other}) {
    ASSERT_EQ(MapdbNav_Put(point, MakeCard(1, u"x")), 0);
    ASSERT_EQ(MapdbNav_PutLook(point, 2, looks), 0);
    ASSERT_EQ(MapdbNav_PutPhoto(point, 1, photos), 0);
  }
  ASSERT_EQ(MapdbNav_Del(id), 0);

  int looksLeft = -1, photosLeft = -1;
  EXPECT_EQ(MapdbNav_CntLook(id, &looksLeft), 0);
  EXPECT_EQ(MapdbNav_CntPhoto(id, &photosLeft), 0);
  EXPECT_EQ(looksLeft, 0);
  EXPECT_EQ(photosLeft, 0);
  EXPECT_EQ(MapdbNav_CntLook(other, &looksLeft), 0);
  EXPECT_EQ(MapdbNav_CntPhoto(other, &photosLeft), 0);
  EXPECT_EQ(looksLeft, 2);
  EXPECT_EQ(photosLeft, 1);
}

TEST_F(CardDeleteTest, DeleteWithoutCardStillEmptiesTheLists) {
  const int id = NewPoint(1);
  const LookEntry look = MakeLook(u"a", 1);
  ASSERT_EQ(MapdbNav_PutLook(id, 1, &look), 0);
  EXPECT_NE(MapdbNav_Del(id), 0) << "there was no card";
  int count = -1;
  EXPECT_EQ(MapdbNav_CntLook(id, &count), 0);
  EXPECT_EQ(count, 0);
}

}  // namespace
}  // namespace geopane::testing
