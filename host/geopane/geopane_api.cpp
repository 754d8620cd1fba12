// The map database's exported functions: argument checks, the one open map
// and its lock, and the 0 / non-zero results of the callers' contract.
#include <geopane.h>
#include <plat/device.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "map_database.h"

namespace {

using geopane::MapDatabase;

constexpr int kOk = 0;
constexpr int kFailed = 1;

// The lock is recursive so that a point visitor may call back into the map.
std::recursive_mutex& MapLock() {
  static std::recursive_mutex lock;
  return lock;
}

std::unique_ptr<MapDatabase>& OpenMap() {
  static std::unique_ptr<MapDatabase> map;
  return map;
}

// Runs an operation on the open map under the lock; kFailed without a map.
template <class Operation>
int WithMap(Operation operation) {
  std::lock_guard guard(MapLock());
  MapDatabase* map = OpenMap().get();
  return map && operation(*map) ? kOk : kFailed;
}

bool ValidId(int id) { return id > 0; }

// A caller's NUL-terminated path or name, read no further than MAX_PATH units;
// false when it is null or has no terminator within MAX_PATH units.
bool ReadPathText(const WCHAR* text, std::u16string* out) {
  if (!text) return false;
  for (size_t length = 0; length < MAX_PATH; ++length) {
    if (text[length] == 0) {
      out->assign(text, length);
      return true;
    }
  }
  return false;
}

bool FitsPathBuffer(const std::u16string& text) { return text.size() < MAX_PATH; }

void CopyToPathBuffer(const std::u16string& text, WCHAR* buffer) {
  std::memcpy(buffer, text.data(), text.size() * sizeof(WCHAR));
  buffer[text.size()] = 0;
}

}  // namespace

// ---- cards ----

int MapdbNav_Get(int id, NavRecord* card) {
  if (!ValidId(id) || !card) return kFailed;
  return WithMap([&](MapDatabase& map) { return map.cards().Get(id, card); });
}

int MapdbNav_Put(int id, NavRecord card) {
  if (!ValidId(id)) return kFailed;
  return WithMap([&](MapDatabase& map) { return map.cards().Put(id, card); });
}

int MapdbNav_Del(int id) {
  if (!ValidId(id)) return kFailed;
  return WithMap([&](MapDatabase& map) { return map.RemoveCardWithLists(id); });
}

int MapdbNav_Top() {
  return WithMap([](MapDatabase& map) { return map.cards().StartWalk(); });
}

int MapdbNav_Red(int* id, NavRecord* card) {
  if (!id || !card) return kFailed;
  return WithMap([&](MapDatabase& map) { return map.cards().NextInWalk(id, card); });
}

int MapdbNav_GetCnt(int* count) {
  if (!count) return kFailed;
  return WithMap([&](MapDatabase& map) { return map.cards().Count(count); });
}

// ---- lines of sight and photos ----

namespace {

int CountEntries(geopane::EntryList& (MapDatabase::*list)(), int id, int* count) {
  if (!count) return kFailed;
  *count = 0;
  if (!ValidId(id)) return kFailed;
  return WithMap([&](MapDatabase& map) { return (map.*list)().Count(id, count); });
}

int ReadEntries(geopane::EntryList& (MapDatabase::*list)(), int id, void* entries) {
  if (!ValidId(id) || !entries) return kFailed;
  return WithMap([&](MapDatabase& map) { return (map.*list)().Read(id, entries); });
}

int ReplaceEntries(geopane::EntryList& (MapDatabase::*list)(), int id, int count, const void* entries) {
  if (!ValidId(id) || count < 0 || (count > 0 && !entries)) return kFailed;
  return WithMap([&](MapDatabase& map) { return (map.*list)().Replace(id, count, entries); });
}

}  // namespace

int MapdbNav_CntLook(int id, int* count) { return CountEntries(&MapDatabase::sightLines, id, count); }
int MapdbNav_CntPhoto(int id, int* count) { return CountEntries(&MapDatabase::photos, id, count); }
int MapdbNav_GetLook(int id, LookEntry* entries) { return ReadEntries(&MapDatabase::sightLines, id, entries); }
int MapdbNav_GetPhoto(int id, PhotoEntry* entries) { return ReadEntries(&MapDatabase::photos, id, entries); }

int MapdbNav_PutLook(int id, int count, const LookEntry* entries) {
  return ReplaceEntries(&MapDatabase::sightLines, id, count, entries);
}

int MapdbNav_PutPhoto(int id, int count, const PhotoEntry* entries) {
  return ReplaceEntries(&MapDatabase::photos, id, count, entries);
}

int MapdbNav_DelLook(int id) { return ReplaceEntries(&MapDatabase::sightLines, id, 0, nullptr); }
int MapdbNav_DelPhoto(int id) { return ReplaceEntries(&MapDatabase::photos, id, 0, nullptr); }

// ---- the last import ----

int MapdbNav_GetInfo(WCHAR* folder, WCHAR* name, int* value) {
  if (!folder || !name || !value) return kFailed;
  return WithMap([&](MapDatabase& map) {
    geopane::ImportInfo info;
    if (!map.settings().GetImportInfo(&info) || !FitsPathBuffer(info.folder) || !FitsPathBuffer(info.name))
      return false;
    CopyToPathBuffer(info.folder, folder);
    CopyToPathBuffer(info.name, name);
    *value = info.value;
    return true;
  });
}

int MapdbNav_PutInfo(const WCHAR* folder, const WCHAR* name, int value) {
  geopane::ImportInfo info;
  info.value = value;
  if (!ReadPathText(folder, &info.folder) || !ReadPathText(name, &info.name)) return kFailed;
  return WithMap([&](MapDatabase& map) { return map.settings().PutImportInfo(info); });
}

// ---- points ----

int MapdbPnt_Get(int id, PntRecord* point) {
  if (!ValidId(id) || !point) return kFailed;
  return WithMap([&](MapDatabase& map) { return map.points().Get(id, point); });
}

int MapdbPnt_Put(int* id, PntRecord point) {
  if (!id || *id < 0) return kFailed;
  return WithMap([&](MapDatabase& map) {
    return *id == 0 ? map.points().Create(point, id) : map.points().Replace(*id, point);
  });
}

int MapdbPnt_GetId(int number, int* id) {
  if (!id) return kFailed;
  return WithMap([&](MapDatabase& map) { return map.points().FindByNumber(number, id); });
}

// ---- background image ----

int MapdbHai_Ini(double, double) {
  return WithMap([](MapDatabase& map) { return map.settings().ClearBackground(); });
}

int MapdbHai_Bmp(const WCHAR* path, int px1, int py1, double x1, double y1, int px2, int py2, double x2, double y2) {
  geopane::BackgroundImage image{{}, px1, py1, x1, y1, px2, py2, x2, y2};
  if (!ReadPathText(path, &image.path)) return kFailed;
  return WithMap([&](MapDatabase& map) { return map.settings().PutBackground(image); });
}

// ---- host only ----

int Geopane_Open(const WCHAR* devicePathOfDatabase) {
  std::string hostPath;
  if (!devicePathOfDatabase || !plat::DeviceToHostPath(devicePathOfDatabase, &hostPath)) return kFailed;
  auto map = MapDatabase::Open(hostPath);
  if (!map) return kFailed;
  std::lock_guard guard(MapLock());
  OpenMap() = std::move(map);
  return kOk;
}

void Geopane_Close() {
  std::lock_guard guard(MapLock());
  OpenMap().reset();
}

int Geopane_ForEachPoint(Geopane_PointVisitor visitor, void* context) {
  if (!visitor) return kFailed;
  return WithMap([&](MapDatabase& map) {
    std::vector<geopane::StoredPoint> points;
    if (!map.points().All(&points)) return false;
    for (const auto& stored : points) {
      if (visitor(stored.id, &stored.point, context) != 0) break;
    }
    return true;
  });
}

int Geopane_GetBackground(GeopaneBackground* background) {
  if (!background) return kFailed;
  return WithMap([&](MapDatabase& map) {
    geopane::BackgroundImage image;
    if (!map.settings().GetBackground(&image) || !FitsPathBuffer(image.path)) return false;
    CopyToPathBuffer(image.path, background->path);
    background->px1 = image.px1;
    background->py1 = image.py1;
    background->x1 = image.x1;
    background->y1 = image.y1;
    background->px2 = image.px2;
    background->py2 = image.py2;
    background->x2 = image.x2;
    background->y2 = image.y2;
    return true;
  });
}
