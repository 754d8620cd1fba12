// Modules on this machine and the resources they carry. A module's HMODULE
// (and HINSTANCE) is the base address at which the loader mapped it, as on
// the platform. Each module's compiled resources (the C++ source rcc writes)
// register their table here while the module loads and unregister it when it
// unloads; FindResource and the other resource functions look them up.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

// Host folders searched in order for a module given by a bare name (no '\'
// and no '/'), before the main executable's folder and the dynamic loader's
// own search.
void SetLibrarySearchPath(std::vector<std::string> folders);

}  // namespace plat

namespace plat::module {

// A resource type or name: a string when name is not null (stored
// upper-case, null-terminated), else the ordinal.
struct ResourceId {
  const char16_t* name;
  uint16_t ordinal;
};

struct ResourceEntry {
  ResourceId type;
  ResourceId name;
  uint16_t language;
  const void* data;
  uint32_t size;
};

// Adds the table of the module that contains anyAddressInModule. The table
// must stay valid until UnregisterResources(entries).
void RegisterResources(const ResourceEntry* entries, size_t count, const void* anyAddressInModule);
void UnregisterResources(const ResourceEntry* entries);

// The static object through which a generated resource table registers itself.
class ResourceRegistration {
 public:
  ResourceRegistration(const ResourceEntry* entries, size_t count) : entries_(entries) {
    RegisterResources(entries, count, entries);
  }
  ~ResourceRegistration() { UnregisterResources(entries_); }
  ResourceRegistration(const ResourceRegistration&) = delete;
  ResourceRegistration& operator=(const ResourceRegistration&) = delete;

 private:
  const ResourceEntry* entries_;
};

// The module that contains an address (code or data), or null.
HMODULE ModuleFromAddress(const void* address);
// The main executable's module (what GetModuleHandle(NULL) returns).
HMODULE MainModule();

}  // namespace plat::module
