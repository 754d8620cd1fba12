// Listing host folders in the device's terms.
#include "files/host_folders.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "files/device_names.h"

namespace plat::files {

bool ListFolder(const std::string& hostFolder, std::vector<FolderEntry>* entries, int* error) {
  entries->clear();
  std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(hostFolder.c_str()), closedir);
  if (!folder) {
    *error = errno;
    return false;
  }
  while (const dirent* entry = readdir(folder.get())) {
    FolderEntry item{entry->d_name, {}};
    if (item.hostName == "." || item.hostName == "..") continue;
    if (!Utf8ToWide(item.hostName, &item.name) || !IsValidName(item.name, false)) continue;
    entries->push_back(std::move(item));
  }
  std::sort(entries->begin(), entries->end(),
            [](const FolderEntry& a, const FolderEntry& b) { return NameLess(a.name, b.name); });
  return true;
}

DWORD AttributesOf(const struct stat& info) {
  const DWORD kind = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
  return kind | (IsReadOnly(info) ? FILE_ATTRIBUTE_READONLY : 0);
}

bool IsReadOnly(const struct stat& info) { return !(info.st_mode & S_IWUSR); }

FILETIME FileTimeOf(const struct timespec& time) {
  constexpr int64_t kSecondsFrom1601To1970 = 11644473600;
  const int64_t ticks = (time.tv_sec + kSecondsFrom1601To1970) * 10000000 + time.tv_nsec / 100;  // 100 ns units
  const uint64_t value = ticks > 0 ? static_cast<uint64_t>(ticks) : 0;
  return FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

std::string JoinHostPath(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace plat::files
