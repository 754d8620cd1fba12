// Reading host folders as the device sees them: the entries whose host names
// are valid device names, sorted by name without regard to case, and the
// attributes and times of host entries.
#pragma once
#include <sys/stat.h>
#include <windows.h>

#include <string>
#include <vector>

namespace plat::files {

struct FolderEntry {
  std::string hostName;  // as stored on the host (UTF-8)
  std::u16string name;   // as the device shows it
};

// The entries of a host folder except "." and ".." and names that no device
// path can spell. False with *error set to the host errno when the folder
// cannot be read.
bool ListFolder(const std::string& hostFolder, std::vector<FolderEntry>* entries, int* error);

// Folders report FILE_ATTRIBUTE_DIRECTORY, files FILE_ATTRIBUTE_ARCHIVE; an
// entry without the owner's write permission adds FILE_ATTRIBUTE_READONLY.
DWORD AttributesOf(const struct stat& info);
bool IsReadOnly(const struct stat& info);
FILETIME FileTimeOf(const struct timespec& time);

// Joins a host folder and a host name.
std::string JoinHostPath(const std::string& folder, const std::string& name);

}  // namespace plat::files
