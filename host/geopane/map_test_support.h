// Test support for the map database: a fresh device folder with an open map
// per test, and builders of points, cards and entries.
#pragma once
#include <geopane.h>
#include <gtest/gtest.h>
#include <plat/device.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <type_traits>

namespace geopane::testing {

inline constexpr const WCHAR* kMapPath = u"\\site.gpd";

class MapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "geopane-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    plat::SetDeviceRoot(root_);
    ASSERT_EQ(Geopane_Open(kMapPath), 0);
  }
  void TearDown() override {
    Geopane_Close();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  void Reopen() {
    Geopane_Close();
    ASSERT_EQ(Geopane_Open(kMapPath), 0);
  }
  std::string HostPath(const std::string& relative) const { return root_ + "/" + relative; }

 private:
  std::string root_;
};

inline PntRecord MakePoint(int number, const WCHAR* name = u"P") {
  PntRecord point{};
  point.number = number;
  point.name = name;
  point.x = number * 10.5;
  point.y = -number * 2.25;
  point.classCode = 81;
  point.stateCode = 32;
  return point;
}

// Creates a point and returns its id (0 when the database refused).
inline int NewPoint(int number, const WCHAR* name = u"P") {
  int id = 0;
  return MapdbPnt_Put(&id, MakePoint(number, name)) == 0 ? id : 0;
}

inline NavRecord MakeCard(int kind, const WCHAR* remarks) {
  NavRecord card{};
  card.kind = kind;
  card.origin = 2;
  card.surveyDate = 20240131;
  std::u16string_view text(remarks);
  std::memcpy(card.remarks, text.data(), text.size() * sizeof(WCHAR));
  for (LONG& code : card.attr) code = -1;
  return card;
}

inline LookEntry MakeLook(const WCHAR* direction, int sight) {
  LookEntry entry{};
  std::u16string_view text(direction);
  std::memcpy(entry.direction, text.data(), text.size() * sizeof(WCHAR));
  entry.sight = sight;
  entry.clearing = 2;
  return entry;
}

inline PhotoEntry MakePhoto(const WCHAR* comment, int kind) {
  PhotoEntry entry{};
  entry.kind = kind;
  entry.date = 20240131;
  entry.time = 93015;
  std::u16string_view text(comment);
  std::memcpy(entry.comment, text.data(), text.size() * sizeof(WCHAR));
  return entry;
}

template <class Record>
bool SameBytes(const Record& a, const Record& b) {
  return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

// A record whose every byte is the given value: "untouched" checks.
template <class Record>
Record Filled(unsigned char value) {
  static_assert(std::is_trivially_copyable_v<Record>);
  Record record;
  std::memset(static_cast<void*>(&record), value, sizeof record);
  return record;
}

}  // namespace geopane::testing
