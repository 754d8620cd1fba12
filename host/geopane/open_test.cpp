// Opening and closing maps, and the calls that must fail without touching
// anything: every call without an open map, and bad arguments.
#include <sqlite3.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "map_test_support.h"

namespace geopane::testing {
namespace {

using OpenTest = MapTest;

std::string Contents(const std::string& hostPath) {
  std::ifstream in(hostPath, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int CardCount() {
  int count = -1;
  return MapdbNav_GetCnt(&count) == 0 ? count : -1;
}

TEST_F(OpenTest, UnusablePathsFailAndKeepTheOpenMap) {
  ASSERT_EQ(MapdbNav_Put(NewPoint(1), MakeCard(1, u"x")), 0);
  {
    std::ofstream(HostPath("notes.txt"), std::ios::binary) << std::string(5000, 'z');
  }
  const WCHAR* const kBad[] = {nullptr, u"", u"\\a\\..\\b.gpd", u"\\no such folder\\map.gpd", u"\\notes.txt"};
  for (const WCHAR* path : kBad) {
    EXPECT_NE(Geopane_Open(path), 0);
    EXPECT_EQ(CardCount(), 1) << "the open map stays open";
  }
  EXPECT_EQ(Contents(HostPath("notes.txt")), std::string(5000, 'z')) << "a file that is no map is left alone";
}

TEST_F(OpenTest, OpeningAnotherMapSwitchesToIt) {
  ASSERT_EQ(MapdbNav_Put(NewPoint(1), MakeCard(1, u"x")), 0);
  ASSERT_EQ(Geopane_Open(u"\\other.gpd"), 0);
  EXPECT_EQ(CardCount(), 0);
  ASSERT_EQ(Geopane_Open(kMapPath), 0);
  EXPECT_EQ(CardCount(), 1);
}

TEST_F(OpenTest, FileUsesTheWriteAheadLog) {
  Geopane_Close();
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(HostPath("site.gpd").c_str(), &db), SQLITE_OK);
  sqlite3_stmt* statement = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &statement, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), "wal");
  sqlite3_finalize(statement);
  sqlite3_close(db);
}

// Calls with the arguments a caller would use; each must fail when no map is open.
struct Call {
  const char* name;
  std::function<int()> run;
};

std::vector<Call> EveryCall() {
  static NavRecord card{};
  static LookEntry look{};
  static PhotoEntry photo{};
  static WCHAR folder[MAX_PATH], name[MAX_PATH];
  static PntRecord point;
  static GeopaneBackground background;
  static int id = 1, count, value;
  return {
      {"NavGet", [] { return MapdbNav_Get(1, &card); }},
      {"NavPut", [] { return MapdbNav_Put(1, card); }},
      {"NavDel", [] { return MapdbNav_Del(1); }},
      {"NavTop", [] { return MapdbNav_Top(); }},
      {"NavRed", [] { return MapdbNav_Red(&id, &card); }},
      {"NavGetCnt", [] { return MapdbNav_GetCnt(&count); }},
      {"CntLook", [] { return MapdbNav_CntLook(1, &count); }},
      {"CntPhoto", [] { return MapdbNav_CntPhoto(1, &count); }},
      {"GetLook", [] { return MapdbNav_GetLook(1, &look); }},
      {"GetPhoto", [] { return MapdbNav_GetPhoto(1, &photo); }},
      {"PutLook", [] { return MapdbNav_PutLook(1, 1, &look); }},
      {"PutPhoto", [] { return MapdbNav_PutPhoto(1, 1, &photo); }},
      {"DelLook", [] { return MapdbNav_DelLook(1); }},
      {"DelPhoto", [] { return MapdbNav_DelPhoto(1); }},
      {"GetInfo", [] { return MapdbNav_GetInfo(folder, name, &value); }},
      {"PutInfo", [] { return MapdbNav_PutInfo(u"\\f", u"n", -1); }},
      {"PntGet", [] { return MapdbPnt_Get(1, &point); }},
      {"PntPut", [] {
         int newId = 0;
         return MapdbPnt_Put(&newId, MakePoint(1));
       }},
      {"PntGetId", [] { return MapdbPnt_GetId(1, &id); }},
      {"HaiIni", [] { return MapdbHai_Ini(0, 0); }},
      {"HaiBmp", [] { return MapdbHai_Bmp(u"\\a.bmp", 0, 1, 0, 0, 1, 0, 1, 1); }},
      {"ForEachPoint", [] { return Geopane_ForEachPoint([](int, const PntRecord*, void*) { return 0; }, nullptr); }},
      {"GetBackground", [] { return Geopane_GetBackground(&background); }},
  };
}

TEST_F(OpenTest, EveryCallFailsWithoutAnOpenMap) {
  Geopane_Close();
  Geopane_Close();  // closing twice is harmless
  for (const Call& call : EveryCall()) EXPECT_NE(call.run(), 0) << call.name;
  ASSERT_EQ(Geopane_Open(kMapPath), 0);
  EXPECT_EQ(CardCount(), 0) << "nothing was written";
}

// Bad arguments against a map with one point, its card and lists.
TEST_F(OpenTest, BadArgumentsFailAndChangeNothing) {
  const int id = NewPoint(1);
  const NavRecord card = MakeCard(1, u"kept");
  ASSERT_EQ(MapdbNav_Put(id, card), 0);
  int count = 0, other = 0;
  const Call kBad[] = {
      {"NavGet null", [&] { return MapdbNav_Get(id, nullptr); }},
      {"NavGet id 0", [&] {
         NavRecord read{};
         return MapdbNav_Get(0, &read);
       }},
      {"NavPut id 0", [&] { return MapdbNav_Put(0, card); }},
      {"NavPut negative id", [&] { return MapdbNav_Put(-id, card); }},
      {"NavDel id 0", [&] { return MapdbNav_Del(0); }},
      {"NavRed null id", [&] {
         NavRecord read{};
         MapdbNav_Top();
         return MapdbNav_Red(nullptr, &read);
       }},
      {"NavRed null card", [&] { return MapdbNav_Red(&other, nullptr); }},
      {"NavGetCnt null", [&] { return MapdbNav_GetCnt(nullptr); }},
      {"GetInfo null folder", [&] {
         WCHAR name[MAX_PATH];
         return MapdbNav_GetInfo(nullptr, name, &other);
       }},
      {"PutInfo null name", [&] { return MapdbNav_PutInfo(u"\\f", nullptr, -1); }},
      {"PntGet null", [&] { return MapdbPnt_Get(id, nullptr); }},
      {"PntGetId null", [&] { return MapdbPnt_GetId(1, nullptr); }},
  };
  for (const Call& call : kBad) EXPECT_NE(call.run(), 0) << call.name;

  NavRecord read{};
  ASSERT_EQ(MapdbNav_Get(id, &read), 0);
  EXPECT_TRUE(SameBytes(read, card));
  ASSERT_EQ(MapdbNav_GetCnt(&count), 0);
  EXPECT_EQ(count, 1);
  WCHAR folder[MAX_PATH], name[MAX_PATH];
  EXPECT_NE(MapdbNav_GetInfo(folder, name, &other), 0) << "no info was stored";
}

}  // namespace
}  // namespace geopane::testing
