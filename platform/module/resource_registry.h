// The resource tables of the loaded modules and lookup in them by type and
// name. Types and names are ordinals or strings; strings compare without
// regard to ASCII letter case, and "#123" means ordinal 123.
#pragma once
#include <windows.h>

#include <string>

#include <plat/module.h>

namespace plat::module {

// A type or name as the resource functions receive it (MAKEINTRESOURCE or a string).
struct ResourceKey {
  bool isOrdinal = false;
  WORD ordinal = 0;
  std::u16string name;
};
ResourceKey KeyFromArgument(LPCWSTR argument);

// The first entry of the module (null: the main executable) with that type and
// name. On failure sets ERROR_RESOURCE_DATA_NOT_FOUND (the module has no
// resources), ERROR_RESOURCE_TYPE_NOT_FOUND or ERROR_RESOURCE_NAME_NOT_FOUND.
const ResourceEntry* FindResourceEntry(HMODULE module, const ResourceKey& type, const ResourceKey& name);

// Whether the entry belongs to a table that is still registered.
bool IsRegisteredEntry(const ResourceEntry* entry);

}  // namespace plat::module
