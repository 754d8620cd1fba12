// Tests of the class library's typed array CArray: growing, inserting and
// removing, value-initialised new elements, elements passed from the array
// itself, and out-of-range indices.
#include <afxtempl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Record {
  int id;
  double value;
  char name[8];
};

template <class TYPE, class ARG_TYPE>
std::vector<TYPE> Elements(const CArray<TYPE, ARG_TYPE>& array) {
  return std::vector<TYPE>(array.GetData(), array.GetData() + array.GetSize());
}

class IntArray : public testing::Test {
 protected:
  // The array 10, 20, 30.
  void SetUp() override {
    for (int value : {10, 20, 30}) array.Add(value);
  }
  CArray<int, int> array;
};

TEST_F(IntArray, AddReturnsTheNewIndex) {
  EXPECT_EQ(array.Add(40), 3);
  EXPECT_EQ(array.GetSize(), 4);
  EXPECT_EQ(array.GetCount(), 4);
  EXPECT_EQ(array.GetUpperBound(), 3);
  EXPECT_FALSE(array.IsEmpty());
  EXPECT_EQ(array[3], 40);
  EXPECT_EQ(array.GetAt(0), 10);
}

TEST_F(IntArray, SetAndElementAccess) {
  array.SetAt(1, 21);
  array.ElementAt(2) = 31;
  array[0] = 11;
  EXPECT_EQ(Elements(array), (std::vector<int>{11, 21, 31}));
  const CArray<int, int>& constant = array;
  EXPECT_EQ(constant[1], 21);
}

TEST_F(IntArray, InsertAt) {
  array.InsertAt(1, 15);
  EXPECT_EQ(Elements(array), (std::vector<int>{10, 15, 20, 30}));
  array.InsertAt(0, 5, 2);
  EXPECT_EQ(Elements(array), (std::vector<int>{5, 5, 10, 15, 20, 30}));
  array.InsertAt(6, 35);  // at the end
  EXPECT_EQ(Elements(array), (std::vector<int>{5, 5, 10, 15, 20, 30, 35}));
  array.InsertAt(9, 1);  // past the end: grows with zeros first
  EXPECT_EQ(Elements(array), (std::vector<int>{5, 5, 10, 15, 20, 30, 35, 0, 0, 1}));
  array.InsertAt(0, 7, 0);
  EXPECT_EQ(array.GetSize(), 10);
}

TEST_F(IntArray, InsertArrayAtIncludingItself) {
  CArray<int, int> other;
  other.Add(1);
  other.Add(2);
  array.InsertAt(1, &other);
  EXPECT_EQ(Elements(array), (std::vector<int>{10, 1, 2, 20, 30}));
  array.InsertAt(0, &array);
  EXPECT_EQ(Elements(array), (std::vector<int>{10, 1, 2, 20, 30, 10, 1, 2, 20, 30}));
}

TEST_F(IntArray, RemoveAt) {
  array.Add(40);
  array.RemoveAt(1);
  EXPECT_EQ(Elements(array), (std::vector<int>{10, 30, 40}));
  array.RemoveAt(0, 2);
  EXPECT_EQ(Elements(array), (std::vector<int>{40}));
  array.RemoveAll();
  EXPECT_TRUE(array.IsEmpty());
  EXPECT_EQ(array.GetUpperBound(), -1);
}

TEST_F(IntArray, SetSizeAndSetAtGrow) {
  array.SetSize(5, 16);
  EXPECT_EQ(Elements(array), (std::vector<int>{10, 20, 30, 0, 0}));
  array.SetSize(2);
  EXPECT_EQ(Elements(array), (std::vector<int>{10, 20}));
  array.SetAtGrow(4, 50);
  EXPECT_EQ(Elements(array), (std::vector<int>{10, 20, 0, 0, 50}));
  array.SetAtGrow(0, 1);
  EXPECT_EQ(array[0], 1);
  array.FreeExtra();
  EXPECT_EQ(array.GetSize(), 5);
}

TEST_F(IntArray, AppendAndCopy) {
  CArray<int, int> other;
  other.Add(7);
  EXPECT_EQ(array.Append(other), 3);
  EXPECT_EQ(array.Append(array), 4);
  EXPECT_EQ(Elements(array), (std::vector<int>{10, 20, 30, 7, 10, 20, 30, 7}));
  other.Copy(array);
  EXPECT_EQ(Elements(other), Elements(array));
  other.Copy(other);
  EXPECT_EQ(other.GetSize(), 8);
}

TEST(CArrayElements, NewRecordsAreZeroFilled) {
  CArray<Record> records;
  records.SetSize(3);
  records.SetAtGrow(5, Record{9, 1.5, "x"});
  records.InsertAt(8, Record{1, 2.0, "y"});
  for (INT_PTR i : {0, 1, 2, 3, 4, 6, 7}) {
    EXPECT_EQ(records[i].id, 0);
    EXPECT_EQ(records[i].value, 0.0);
    EXPECT_EQ(std::string(records[i].name), "");
  }
  EXPECT_EQ(records[5].id, 9);
  EXPECT_EQ(records[8].id, 1);
}

TEST(CArrayElements, ElementsPassedFromTheArrayItself) {
  CArray<std::string> names;
  names.Add("first");
  for (int i = 0; i < 100; ++i) names.Add(names[0]);  // reallocates on the way
  names.InsertAt(0, names[50], 3);
  names.SetAtGrow(300, names[0]);
  EXPECT_EQ(names.GetSize(), 301);
  EXPECT_EQ(names[0], "first");
  EXPECT_EQ(names[101], "first");
  EXPECT_EQ(names[200], "");
  EXPECT_EQ(names[300], "first");
}

TEST_F(IntArray, OutOfRangeAssertsInDebugAndIsHarmlessOtherwise) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEBUG_DEATH(array.SetAt(3, 1), "out of range");
  EXPECT_DEBUG_DEATH(array.RemoveAt(-1), "out of range");
  EXPECT_DEBUG_DEATH(array.RemoveAt(2, 5), "out of range");
  EXPECT_DEBUG_DEATH(array.InsertAt(-1, 1), "negative");
  EXPECT_DEBUG_DEATH(array.SetSize(-1), "negative");
  EXPECT_DEBUG_DEATH(array[7] = 5, "out of range");
  EXPECT_EQ(Elements(array), (std::vector<int>{10, 20, 30}));
}

}  // namespace
