// The resource tables of the loaded modules; see resource_registry.h.
#include "module/resource_registry.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace plat::module {

namespace {

struct Table {
  HMODULE module;
  const ResourceEntry* entries;
  size_t count;
};

struct Registry {
  std::mutex lock;
  std::vector<Table> tables;
};

// Never destroyed: modules unregister from their own static destructors,
// which may run after this library's.
Registry& TheRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

char16_t FoldCase(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool NamesMatch(const char16_t* stored, const std::u16string& wanted) {
  size_t i = 0;
  for (; stored[i] != 0 && i < wanted.size(); ++i) {
    if (FoldCase(stored[i]) != FoldCase(wanted[i])) return false;
  }
  return stored[i] == 0 && i == wanted.size();
}

bool Matches(const ResourceId& id, const ResourceKey& key) {
  if (key.isOrdinal) return id.name == nullptr && id.ordinal == key.ordinal;
  return id.name != nullptr && NamesMatch(id.name, key.name);
}

// "#123" (digits only, fitting a WORD) is ordinal 123.
bool ParseOrdinalName(const std::u16string& text, WORD* ordinal) {
  if (text.size() < 2 || text.size() > 6 || text[0] != u'#') return false;
  unsigned value = 0;
  for (size_t i = 1; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return false;
    value = value * 10 + (text[i] - u'0');
  }
  if (value > 0xFFFF) return false;
  *ordinal = static_cast<WORD>(value);
  return true;
}

}  // namespace

void RegisterResources(const ResourceEntry* entries, size_t count, const void* anyAddressInModule) {
  const HMODULE module = ModuleFromAddress(anyAddressInModule);
  Registry& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  registry.tables.push_back({module, entries, count});
}

void UnregisterResources(const ResourceEntry* entries) {
  Registry& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  std::erase_if(registry.tables, [&](const Table& table) { return table.entries == entries; });
}

ResourceKey KeyFromArgument(LPCWSTR argument) {
  ResourceKey key;
  if (IS_INTRESOURCE(argument)) {
    key.isOrdinal = true;
    key.ordinal = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(argument));
    return key;
  }
  key.name = argument;
  key.isOrdinal = ParseOrdinalName(key.name, &key.ordinal);
  return key;
}

const ResourceEntry* FindResourceEntry(HMODULE module, const ResourceKey& type, const ResourceKey& name) {
  if (!module) module = MainModule();
  Registry& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  bool moduleHasResources = false;
  bool typeFound = false;
  for (const Table& table : registry.tables) {
    if (table.module != module) continue;
    moduleHasResources = true;
    for (size_t i = 0; i < table.count; ++i) {
      const ResourceEntry& entry = table.entries[i];
      if (!Matches(entry.type, type)) continue;
      typeFound = true;
      if (Matches(entry.name, name)) return &entry;
    }
  }
  SetLastError(!moduleHasResources ? ERROR_RESOURCE_DATA_NOT_FOUND
               : !typeFound        ? ERROR_RESOURCE_TYPE_NOT_FOUND
                                   : ERROR_RESOURCE_NAME_NOT_FOUND);
  return nullptr;
}

bool IsRegisteredEntry(const ResourceEntry* entry) {
  Registry& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  const auto address = reinterpret_cast<uintptr_t>(entry);
  return std::any_of(registry.tables.begin(), registry.tables.end(), [&](const Table& table) {
    const auto offset = address - reinterpret_cast<uintptr_t>(table.entries);
    return offset < table.count * sizeof(ResourceEntry) && offset % sizeof(ResourceEntry) == 0;
  });
}

}  // namespace plat::module
