// The simulated capacity of the device. The used bytes (the sizes of all
// regular files in the device folder) are counted by walking the folder when
// a capacity is set, or the folder changes while one is set, and are then
// kept up to date by this process's own changes. Without a capacity nothing
// is tracked and DeviceUsedBytes walks the folder each time.
#include "files/device_space.h"

#include <plat/device.h>

#include <filesystem>
#include <limits>
#include <mutex>

namespace plat {
namespace {

struct Space {
  std::mutex lock;
  uint64_t capacity = 0;
  uint64_t used = 0;
};

Space& DeviceSpace() {
  static Space space;
  return space;
}

uint64_t CountFileBytes(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  uint64_t total = 0;
  for (fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
       !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (it->is_regular_file(ignored) && !it->is_symlink(ignored)) total += it->file_size(ignored);
  }
  return total;
}

}  // namespace

void SetDeviceCapacity(uint64_t bytes) {
  auto& space = DeviceSpace();
  std::lock_guard guard(space.lock);
  space.capacity = bytes;
  space.used = bytes ? CountFileBytes(DeviceRoot()) : 0;
}

uint64_t DeviceCapacity() {
  auto& space = DeviceSpace();
  std::lock_guard guard(space.lock);
  return space.capacity;
}

uint64_t DeviceUsedBytes() {
  auto& space = DeviceSpace();
  std::lock_guard guard(space.lock);
  return space.capacity ? space.used : CountFileBytes(DeviceRoot());
}

namespace files {

void ChangeContents(const std::function<int64_t(uint64_t room)>& change) {
  auto& space = DeviceSpace();
  std::lock_guard guard(space.lock);
  if (!space.capacity) {
    change(std::numeric_limits<uint64_t>::max());
    return;
  }
  const uint64_t room = space.used < space.capacity ? space.capacity - space.used : 0;
  const int64_t delta = change(room);
  const uint64_t freed = delta < 0 ? static_cast<uint64_t>(-delta) : 0;
  space.used = delta >= 0 ? space.used + static_cast<uint64_t>(delta) : (freed > space.used ? 0 : space.used - freed);
}

void RecountUsedBytes() {
  auto& space = DeviceSpace();
  std::lock_guard guard(space.lock);
  if (space.capacity) space.used = CountFileBytes(DeviceRoot());
}

}  // namespace files
}  // namespace plat
