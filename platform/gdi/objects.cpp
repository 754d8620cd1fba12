// The handle table of the graphics objects and the functions that work on
// any kind of object: DeleteObject, GetObjectW, GetObjectType. Deleting a
// stock object does nothing and succeeds; device contexts go with DeleteDC.
// Icons are deleted with DeleteObject as well.
#include "gdi/objects.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace plat::gdi {
namespace {

struct Entry {
  std::shared_ptr<GdiObject> object;
  bool stock = false;
};

struct ObjectTable {
  std::mutex lock;
  std::unordered_map<uintptr_t, Entry> entries;
  uintptr_t next = 0x10000;
};

ObjectTable& Table() {
  static ObjectTable table;
  return table;
}

}  // namespace

HGDIOBJ AddObject(std::shared_ptr<GdiObject> object, bool stock) {
  auto& table = Table();
  std::lock_guard guard(table.lock);
  const uintptr_t value = table.next;
  table.next += 4;
  table.entries.emplace(value, Entry{std::move(object), stock});
  return reinterpret_cast<HGDIOBJ>(value);
}

std::shared_ptr<GdiObject> FindObject(HGDIOBJ handle) {
  auto& table = Table();
  std::lock_guard guard(table.lock);
  const auto it = table.entries.find(reinterpret_cast<uintptr_t>(handle));
  return it == table.entries.end() ? nullptr : it->second.object;
}

Removal RemoveObject(HGDIOBJ handle) {
  std::shared_ptr<GdiObject> doomed;  // released after the table lock
  auto& table = Table();
  std::lock_guard guard(table.lock);
  const auto it = table.entries.find(reinterpret_cast<uintptr_t>(handle));
  if (it == table.entries.end()) return Removal::Unknown;
  if (it->second.stock) return Removal::Stock;
  doomed = std::move(it->second.object);
  table.entries.erase(it);
  return Removal::Removed;
}

}  // namespace plat::gdi

using namespace plat::gdi;

extern "C" BOOL WINAPI DeleteObject(HGDIOBJ ho) {
  const auto object = FindObject(ho);
  if (!object || object->Type() == OBJ_DC) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  RemoveObject(ho);
  return TRUE;
}

extern "C" int WINAPI GetObjectW(HGDIOBJ h, int c, LPVOID pv) {
  const auto object = FindObject(h);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  int size = 0;
  const void* description = object->Description(&size);
  if (!description) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  if (!pv) return size;
  const int copied = std::clamp(c, 0, size);
  std::memcpy(pv, description, static_cast<size_t>(copied));
  return copied;
}

extern "C" DWORD WINAPI GetObjectType(HGDIOBJ h) {
  const auto object = FindObject(h);
  if (!object || !object->Type()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return object->Type();
}
