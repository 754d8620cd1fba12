// Opens one map's database file: journal and sync settings, and the tables
// (created in a new file, checked in an existing one).
#pragma once
#include <memory>
#include <string>

#include "sqlite_access.h"

namespace geopane {

// The file's format version, kept in PRAGMA user_version.
inline constexpr int kMapFormatVersion = 1;

// Opens or creates the map file at a host path; nullptr when it is not a map
// of this format (the file is then left as it was).
std::unique_ptr<Connection> OpenMapFile(const std::string& hostPath);

}  // namespace geopane
