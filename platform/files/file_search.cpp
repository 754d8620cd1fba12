// Searches of a device folder: FindFirstFileW takes a snapshot of the
// entries whose names match the pattern (* and ?, without regard to case),
// sorted by name, and FindNextFileW hands them out one by one. "." and ".."
// are never reported, nor host names too long for cFileName.
#include <algorithm>
#include <cerrno>
#include <mutex>

#include "files/device_names.h"
#include "files/device_paths.h"
#include "files/host_errors.h"
#include "files/host_folders.h"
#include "kernel/handles.h"

namespace plat::files {
namespace {

class SearchObject final : public kernel::KernelObject {
 public:
  explicit SearchObject(std::vector<WIN32_FIND_DATAW> found) : found_(std::move(found)) {}

  bool Next(WIN32_FIND_DATAW* data) {
    std::lock_guard guard(lock_);
    if (next_ == found_.size()) return false;
    *data = found_[next_++];
    return true;
  }

 private:
  std::mutex lock_;
  std::vector<WIN32_FIND_DATAW> found_;
  size_t next_ = 0;
};

bool Describe(const std::string& folder, const FolderEntry& entry, WIN32_FIND_DATAW* data) {
  struct stat info {};
  if (entry.name.size() >= MAX_PATH || stat(JoinHostPath(folder, entry.hostName).c_str(), &info) != 0) return false;
  *data = WIN32_FIND_DATAW{};
  data->dwFileAttributes = AttributesOf(info);
  data->ftCreationTime = FileTimeOf(info.st_mtim);
  data->ftLastAccessTime = FileTimeOf(info.st_atim);
  data->ftLastWriteTime = FileTimeOf(info.st_mtim);
  const uint64_t size = S_ISDIR(info.st_mode) ? 0 : static_cast<uint64_t>(info.st_size);
  data->nFileSizeHigh = static_cast<DWORD>(size >> 32);
  data->nFileSizeLow = static_cast<DWORD>(size);
  std::copy(entry.name.begin(), entry.name.end(), data->cFileName);
  return true;
}

// The matching entries of the folder the pattern names; false with the last error set.
bool FindMatches(LPCWSTR pattern, std::vector<WIN32_FIND_DATAW>* found) {
  if (!pattern) return Fail(ERROR_INVALID_PARAMETER);
  std::vector<std::u16string> parts;
  if (!SplitDevicePath(pattern, true, &parts)) return false;
  if (parts.empty()) return Fail(ERROR_FILE_NOT_FOUND);
  const std::string folder = MapParts(std::span(parts).first(parts.size() - 1));
  std::vector<FolderEntry> entries;
  int error = 0;
  if (!ListFolder(folder, &entries, &error)) {
    return Fail(error == ENOENT || error == ENOTDIR ? ERROR_PATH_NOT_FOUND : ErrorFromErrno(error, folder));
  }
  for (const auto& entry : entries) {
    WIN32_FIND_DATAW data;
    if (MatchesPattern(parts.back(), entry.name) && Describe(folder, entry, &data)) found->push_back(data);
  }
  return found->empty() ? Fail(ERROR_FILE_NOT_FOUND) : true;
}

}  // namespace
}  // namespace plat::files

using namespace plat::files;

extern "C" HANDLE WINAPI FindFirstFileW(LPCWSTR lpFileName, LPWIN32_FIND_DATAW lpFindFileData) {
  std::vector<WIN32_FIND_DATAW> found;
  if (!lpFindFileData) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  if (!FindMatches(lpFileName, &found)) return INVALID_HANDLE_VALUE;
  auto search = std::make_shared<SearchObject>(std::move(found));
  search->Next(lpFindFileData);
  return plat::kernel::AddHandle(std::move(search));
}

extern "C" BOOL WINAPI FindNextFileW(HANDLE hFindFile, LPWIN32_FIND_DATAW lpFindFileData) {
  const auto search = plat::kernel::LookupHandleAs<SearchObject>(hFindFile);
  if (!search) return Fail(ERROR_INVALID_HANDLE);
  if (!lpFindFileData) return Fail(ERROR_INVALID_PARAMETER);
  return search->Next(lpFindFileData) ? TRUE : Fail(ERROR_NO_MORE_FILES);
}

extern "C" BOOL WINAPI FindClose(HANDLE hFindFile) {
  if (!plat::kernel::LookupHandleAs<SearchObject>(hFindFile)) return Fail(ERROR_INVALID_HANDLE);
  plat::kernel::RemoveHandle(hFindFile);
  return TRUE;
}
