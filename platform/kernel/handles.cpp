// The process-wide handle table.
#include "kernel/handles.h"

#include <mutex>
#include <unordered_map>

namespace plat::kernel {
namespace {

struct HandleTable {
  std::mutex lock;
  std::unordered_map<uintptr_t, std::shared_ptr<KernelObject>> objects;
  uintptr_t next = 0x1000;
};

HandleTable& Table() {
  static HandleTable table;
  return table;
}

}  // namespace

HANDLE AddHandle(std::shared_ptr<KernelObject> object) {
  auto& table = Table();
  std::lock_guard guard(table.lock);
  const uintptr_t value = table.next;
  table.next += 4;  // handle values are multiples of four, as on the platform
  table.objects.emplace(value, std::move(object));
  return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> LookupHandle(HANDLE handle) {
  auto& table = Table();
  std::lock_guard guard(table.lock);
  auto it = table.objects.find(reinterpret_cast<uintptr_t>(handle));
  return it == table.objects.end() ? nullptr : it->second;
}

bool RemoveHandle(HANDLE handle) {
  std::shared_ptr<KernelObject> doomed;  // released after the table lock
  auto& table = Table();
  std::lock_guard guard(table.lock);
  auto it = table.objects.find(reinterpret_cast<uintptr_t>(handle));
  if (it == table.objects.end()) return false;
  doomed = std::move(it->second);
  table.objects.erase(it);
  return true;
}

}  // namespace plat::kernel
