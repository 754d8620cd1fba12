// The objects the dynamic loader has mapped into the process (the main
// executable first, then the shared libraries), each known by its base
// address, which is its HMODULE.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace plat::module {

struct LoadedObject {
  HMODULE base = nullptr;
  std::string path;  // the host path of the file
};

std::vector<LoadedObject> LoadedObjects();
// The object whose segments contain the address.
std::optional<LoadedObject> ObjectContaining(const void* address);
// The object that starts at base.
std::optional<LoadedObject> ObjectAt(HMODULE base);
// The main executable's host path.
std::string MainExecutablePath();

}  // namespace plat::module
