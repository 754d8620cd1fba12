// Operations on whole files and folders of the device by path: delete, move,
// copy, folders, attributes. A file without the host's write permission is
// the platform's read-only file: it cannot be deleted, copied over or opened
// for writing.
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <vector>

#include "files/device_paths.h"
#include "files/device_space.h"
#include "files/host_errors.h"
#include "files/host_folders.h"

namespace plat::files {
namespace {

bool StatHost(const std::string& hostPath, struct stat* info, DWORD* error) {
  if (stat(hostPath.c_str(), info) == 0) return true;
  *error = ErrorFromErrno(errno, hostPath);
  return false;
}

class Descriptor {
 public:
  explicit Descriptor(int value) : value_(value) {}
  ~Descriptor() {
    if (value_ >= 0) close(value_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return value_; }

 private:
  int value_;
};

// Copies all bytes of one descriptor to another; returns the host errno (0: done).
int CopyBytes(int from, int to) {
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    const ssize_t n = read(from, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return 0;
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = write(to, buffer.data() + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return w < 0 ? errno : ENOSPC;
      done += w;
    }
  }
}

// Where a copy goes: refuses folders, a kept target and the source itself.
bool CheckCopyTarget(const std::string& target, const struct stat& source, bool failIfExists, off_t* oldSize,
                     DWORD* error) {
  *oldSize = 0;
  struct stat info {};
  if (stat(target.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return true;  // opening it reports a missing folder
    *error = ErrorFromErrno(errno, target);
    return false;
  }
  if (failIfExists) *error = ERROR_FILE_EXISTS;
  else if (S_ISDIR(info.st_mode) || IsReadOnly(info)) *error = ERROR_ACCESS_DENIED;
  else if (info.st_dev == source.st_dev && info.st_ino == source.st_ino) *error = ERROR_SHARING_VIOLATION;
  else *oldSize = info.st_size;
  return *error == ERROR_SUCCESS;
}

}  // namespace
}  // namespace plat::files

using namespace plat::files;

extern "C" BOOL WINAPI DeleteFileW(LPCWSTR lpFileName) {
  std::string hostPath;
  if (!ResolveDevicePath(lpFileName, &hostPath)) return FALSE;
  DWORD error = ERROR_SUCCESS;
  ChangeContents([&](uint64_t) -> int64_t {
    struct stat info {};
    if (!StatHost(hostPath, &info, &error)) return 0;
    if (S_ISDIR(info.st_mode) || IsReadOnly(info)) {
      error = ERROR_ACCESS_DENIED;
      return 0;
    }
    if (unlink(hostPath.c_str()) != 0) {
      error = ErrorFromErrno(errno, hostPath);
      return 0;
    }
    return -static_cast<int64_t>(info.st_size);
  });
  return error == ERROR_SUCCESS ? TRUE : Fail(error);
}

extern "C" BOOL WINAPI MoveFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName) {
  std::string from, to;
  if (!ResolveDevicePath(lpExistingFileName, &from) || !ResolveDevicePath(lpNewFileName, &to)) return FALSE;
  if (IsDeviceRoot(from) || IsDeviceRoot(to)) return Fail(ERROR_ACCESS_DENIED);
  // A new spelling of the same name renames to that spelling.
  if (to == from && !ResolveDevicePath(lpNewFileName, &to, FinalName::AsGiven)) return FALSE;
  struct stat info {};
  DWORD error = ERROR_SUCCESS;
  if (!StatHost(from, &info, &error)) return Fail(error);
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
    return FailWithErrno(errno, errno == ENOENT ? to : from);
  }
  return TRUE;  // the contents only moved: the used bytes stay
}

extern "C" BOOL WINAPI CopyFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName, BOOL bFailIfExists) {
  std::string from, to;
  if (!ResolveDevicePath(lpExistingFileName, &from) || !ResolveDevicePath(lpNewFileName, &to)) return FALSE;
  Descriptor source(open(from.c_str(), O_RDONLY | O_CLOEXEC));
  if (source.get() < 0) return FailWithErrno(errno, from);
  struct stat sourceInfo {};
  if (fstat(source.get(), &sourceInfo) != 0 || S_ISDIR(sourceInfo.st_mode)) return Fail(ERROR_ACCESS_DENIED);
  DWORD error = ERROR_SUCCESS;
  ChangeContents([&](uint64_t room) -> int64_t {
    off_t oldSize = 0;
    if (!CheckCopyTarget(to, sourceInfo, bFailIfExists, &oldSize, &error)) return 0;
    if (sourceInfo.st_size > oldSize && static_cast<uint64_t>(sourceInfo.st_size - oldSize) > room) {
      error = ERROR_DISK_FULL;
      return 0;
    }
    Descriptor target(open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (target.get() < 0) {
      error = ErrorFromErrno(errno, to);
      return 0;
    }
    const int hostError = CopyBytes(source.get(), target.get());
    if (hostError) error = ErrorFromErrno(hostError, to);
    struct stat copied {};
    return fstat(target.get(), &copied) == 0 ? copied.st_size - oldSize : -oldSize;
  });
  return error == ERROR_SUCCESS ? TRUE : Fail(error);
}

extern "C" BOOL WINAPI CreateDirectoryW(LPCWSTR lpPathName, LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/) {
  std::string hostPath;
  if (!ResolveDevicePath(lpPathName, &hostPath)) return FALSE;
  if (mkdir(hostPath.c_str(), 0777) != 0) return FailWithErrno(errno, hostPath);
  return TRUE;
}

extern "C" BOOL WINAPI RemoveDirectoryW(LPCWSTR lpPathName) {
  std::string hostPath;
  if (!ResolveDevicePath(lpPathName, &hostPath)) return FALSE;
  if (IsDeviceRoot(hostPath)) return Fail(ERROR_ACCESS_DENIED);
  if (rmdir(hostPath.c_str()) != 0) return Fail(errno == EEXIST ? ERROR_DIR_NOT_EMPTY : ErrorFromErrno(errno, hostPath));
  return TRUE;
}

extern "C" DWORD WINAPI GetFileAttributesW(LPCWSTR lpFileName) {
  std::string hostPath;
  if (!ResolveDevicePath(lpFileName, &hostPath)) return INVALID_FILE_ATTRIBUTES;
  struct stat info {};
  DWORD error = ERROR_SUCCESS;
  if (!StatHost(hostPath, &info, &error)) {
    SetLastError(error);
    return INVALID_FILE_ATTRIBUTES;
  }
  return AttributesOf(info);
}
