// The objects the dynamic loader has mapped into the process; see
// loaded_objects.h. An object's base is the start of its lowest loadable
// segment, page-aligned, which is also what dladdr reports as dli_fbase.
#include "module/loaded_objects.h"

#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <functional>

#include <plat/module.h>

namespace plat::module {

namespace {

struct ObjectSpan {
  LoadedObject object;
  bool contains = false;
};

uintptr_t PageSize() {
  static const uintptr_t size = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  return size;
}

// Calls visit for every loaded object with its base and whether address
// (when not null) lies in one of its segments; stops when visit returns true.
void VisitObjects(const void* address, const std::function<bool(const ObjectSpan&)>& visit) {
  struct Context {
    const void* address;
    const std::function<bool(const ObjectSpan&)>* visit;
    bool first = true;
  } context{address, &visit};
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void* data) -> int {
        auto* context = static_cast<Context*>(data);
        const auto target = reinterpret_cast<uintptr_t>(context->address);
        uintptr_t lowest = UINTPTR_MAX;
        bool contains = false;
        for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
          const ElfW(Phdr)& header = info->dlpi_phdr[i];
          if (header.p_type != PT_LOAD) continue;
          const uintptr_t start = info->dlpi_addr + header.p_vaddr;
          lowest = std::min(lowest, start);
          contains = contains || (target >= start && target - start < header.p_memsz);
        }
        ObjectSpan span;
        if (lowest == UINTPTR_MAX) return 0;
        span.object.base = reinterpret_cast<HMODULE>(lowest & ~(PageSize() - 1));
        span.object.path = context->first ? MainExecutablePath() : std::string(info->dlpi_name);
        span.contains = contains;
        context->first = false;
        return (*context->visit)(span) ? 1 : 0;
      },
      &context);
}

}  // namespace

std::string MainExecutablePath() {
  static const std::string path = [] {
    std::string link(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", link.data(), link.size());
    link.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return link;
  }();
  return path;
}

std::vector<LoadedObject> LoadedObjects() {
  std::vector<LoadedObject> objects;
  VisitObjects(nullptr, [&](const ObjectSpan& span) {
    objects.push_back(span.object);
    return false;
  });
  return objects;
}

std::optional<LoadedObject> ObjectContaining(const void* address) {
  std::optional<LoadedObject> found;
  if (!address) return found;
  VisitObjects(address, [&](const ObjectSpan& span) {
    if (span.contains) found = span.object;
    return span.contains;
  });
  return found;
}

std::optional<LoadedObject> ObjectAt(HMODULE base) {
  std::optional<LoadedObject> found;
  if (!base) return found;
  VisitObjects(nullptr, [&](const ObjectSpan& span) {
    if (span.object.base == base) found = span.object;
    return span.object.base == base;
  });
  return found;
}

HMODULE ModuleFromAddress(const void* address) {
  const std::optional<LoadedObject> object = ObjectContaining(address);
  return object ? object->base : nullptr;
}

HMODULE MainModule() {
  HMODULE main = nullptr;
  VisitObjects(nullptr, [&](const ObjectSpan& span) {
    main = span.object.base;
    return true;
  });
  return main;
}

}  // namespace plat::module
