// Open files of the device: CreateFileW and the functions that work on its
// handle. A handle owns one host file descriptor (closed when the last
// reference to the object goes) and remembers the access it was opened with.
// Sharing modes are accepted and not enforced; overlapped I/O is refused.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "files/device_paths.h"
#include "files/device_space.h"
#include "files/host_errors.h"
#include "files/host_folders.h"
#include "kernel/handles.h"

namespace plat::files {
namespace {

class FileObject final : public kernel::KernelObject {
 public:
  FileObject(int descriptor, DWORD access) : descriptor_(descriptor), access_(access) {}
  ~FileObject() override { close(descriptor_); }
  FileObject(const FileObject&) = delete;
  FileObject& operator=(const FileObject&) = delete;

  int descriptor() const { return descriptor_; }
  bool CanRead() const { return access_ & GENERIC_READ; }
  bool CanWrite() const { return access_ & GENERIC_WRITE; }

 private:
  int descriptor_;
  DWORD access_;
};

struct Disposition {
  bool mayCreate;
  bool mayOpenExisting;
  bool truncates;
};

bool DispositionOf(DWORD creation, Disposition* disposition) {
  switch (creation) {
    case CREATE_NEW: *disposition = {true, false, false}; return true;
    case CREATE_ALWAYS: *disposition = {true, true, true}; return true;
    case OPEN_EXISTING: *disposition = {false, true, false}; return true;
    case OPEN_ALWAYS: *disposition = {true, true, false}; return true;
    case TRUNCATE_EXISTING: *disposition = {false, true, true}; return true;
    default: return false;
  }
}

int HostAccessFlags(DWORD access, bool truncates) {
  const bool write = (access & GENERIC_WRITE) || truncates;
  if (!write) return O_RDONLY;
  return (access & GENERIC_READ) ? O_RDWR : O_WRONLY;
}

int64_t SizeOf(int descriptor) {
  struct stat info {};
  return fstat(descriptor, &info) == 0 ? info.st_size : -1;
}

struct OpenedFile {
  int descriptor = -1;
  bool existed = false;
  int error = 0;
};

// Opens or creates the host file as the disposition says. The truncation of
// an existing file is left to the caller.
OpenedFile OpenHostFile(const std::string& hostPath, const Disposition& disposition, int flags, mode_t mode) {
  OpenedFile opened;
  if (disposition.mayCreate) {
    opened.descriptor = open(hostPath.c_str(), flags | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (opened.descriptor >= 0 || errno != EEXIST || !disposition.mayOpenExisting) {
      opened.error = opened.descriptor >= 0 ? 0 : errno;
      return opened;
    }
  }
  opened.descriptor = open(hostPath.c_str(), flags | O_CLOEXEC);
  opened.error = opened.descriptor >= 0 ? 0 : errno;
  opened.existed = true;
  return opened;
}

// Folders cannot be opened as files, nor read-only files for writing (also
// not by a host superuser).
bool RefusesOpen(const OpenedFile& opened, int flags) {
  struct stat info {};
  if (fstat(opened.descriptor, &info) != 0 || S_ISDIR(info.st_mode)) return true;
  return opened.existed && (flags & O_ACCMODE) != O_RDONLY && IsReadOnly(info);
}

HANDLE FailOpen(DWORD error) {
  SetLastError(error);
  return INVALID_HANDLE_VALUE;
}

std::shared_ptr<FileObject> FileOf(HANDLE handle) {
  auto file = kernel::LookupHandleAs<FileObject>(handle);
  if (!file) SetLastError(ERROR_INVALID_HANDLE);
  return file;
}

// Writes everything or stops at the first host failure; returns its errno (0: all written).
int WriteAll(int descriptor, const BYTE* data, DWORD size, DWORD* written) {
  *written = 0;
  while (*written < size) {
    const ssize_t n = write(descriptor, data + *written, size - *written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : ENOSPC;
    *written += static_cast<DWORD>(n);
  }
  return 0;
}

int ReadAll(int descriptor, BYTE* data, DWORD size, DWORD* read) {
  *read = 0;
  while (*read < size) {
    const ssize_t n = ::read(descriptor, data + *read, size - *read);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) break;  // end of file
    *read += static_cast<DWORD>(n);
  }
  return 0;
}

DWORD SplitLow(int64_t value, PLONG high) {
  if (high) *high = static_cast<LONG>(static_cast<uint64_t>(value) >> 32);
  return static_cast<DWORD>(value);
}

}  // namespace
}  // namespace plat::files

using namespace plat::files;

extern "C" HANDLE WINAPI CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD /*dwShareMode*/,
                                     LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/, DWORD dwCreationDisposition,
                                     DWORD dwFlagsAndAttributes, HANDLE /*hTemplateFile*/) {
  Disposition disposition{};
  if (!DispositionOf(dwCreationDisposition, &disposition)) return FailOpen(ERROR_INVALID_PARAMETER);
  if (dwCreationDisposition == TRUNCATE_EXISTING && !(dwDesiredAccess & GENERIC_WRITE)) {
    return FailOpen(ERROR_ACCESS_DENIED);
  }
  std::string hostPath;
  if (!ResolveDevicePath(lpFileName, &hostPath)) return INVALID_HANDLE_VALUE;

  const int flags = HostAccessFlags(dwDesiredAccess, disposition.truncates);
  const mode_t mode = (dwFlagsAndAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
  OpenedFile opened;
  DWORD error = ERROR_SUCCESS;
  ChangeContents([&](uint64_t) -> int64_t {
    opened = OpenHostFile(hostPath, disposition, flags, mode);
    if (opened.descriptor < 0) {
      error = opened.error == EEXIST ? ERROR_FILE_EXISTS : ErrorFromErrno(opened.error, hostPath);
      return 0;
    }
    if (RefusesOpen(opened, flags)) {
      error = ERROR_ACCESS_DENIED;
      return 0;
    }
    if (!opened.existed || !disposition.truncates) return 0;
    const int64_t oldSize = SizeOf(opened.descriptor);
    if (ftruncate(opened.descriptor, 0) != 0) {
      error = ErrorFromErrno(errno, hostPath);
      return 0;
    }
    return -oldSize;
  });
  if (error != ERROR_SUCCESS) {
    if (opened.descriptor >= 0) close(opened.descriptor);
    return FailOpen(error);
  }
  const HANDLE handle = plat::kernel::AddHandle(std::make_shared<FileObject>(opened.descriptor, dwDesiredAccess));
  const bool reportsExisting = opened.existed && disposition.mayCreate;  // CREATE_ALWAYS, OPEN_ALWAYS
  SetLastError(reportsExisting ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

extern "C" BOOL WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
                                LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped) {
  if (lpNumberOfBytesRead) *lpNumberOfBytesRead = 0;
  const auto file = FileOf(hFile);
  if (!file) return FALSE;
  if (!file->CanRead()) return Fail(ERROR_ACCESS_DENIED);
  if (lpOverlapped || (!lpBuffer && nNumberOfBytesToRead)) return Fail(ERROR_INVALID_PARAMETER);
  DWORD read = 0;
  const int error = ReadAll(file->descriptor(), static_cast<BYTE*>(lpBuffer), nNumberOfBytesToRead, &read);
  if (lpNumberOfBytesRead) *lpNumberOfBytesRead = read;
  return error ? Fail(error == EIO ? ERROR_READ_FAULT : ErrorFromErrno(error, {})) : TRUE;
}

extern "C" BOOL WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite,
                                 LPDWORD lpNumberOfBytesWritten, LPOVERLAPPED lpOverlapped) {
  if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = 0;
  const auto file = FileOf(hFile);
  if (!file) return FALSE;
  if (!file->CanWrite()) return Fail(ERROR_ACCESS_DENIED);
  if (lpOverlapped || (!lpBuffer && nNumberOfBytesToWrite)) return Fail(ERROR_INVALID_PARAMETER);
  const int descriptor = file->descriptor();
  DWORD written = 0;
  DWORD error = ERROR_SUCCESS;
  ChangeContents([&](uint64_t room) -> int64_t {
    const int64_t oldSize = SizeOf(descriptor);
    const int64_t position = lseek(descriptor, 0, SEEK_CUR);
    const int64_t end = position + static_cast<int64_t>(nNumberOfBytesToWrite);
    const uint64_t growth = end > oldSize ? static_cast<uint64_t>(end - oldSize) : 0;
    if (oldSize < 0 || position < 0 || growth > room) {
      error = growth > room ? ERROR_DISK_FULL : ERROR_WRITE_FAULT;
      return 0;
    }
    const int hostError = WriteAll(descriptor, static_cast<const BYTE*>(lpBuffer), nNumberOfBytesToWrite, &written);
    if (hostError) error = hostError == EIO ? ERROR_WRITE_FAULT : ErrorFromErrno(hostError, {});
    return SizeOf(descriptor) - oldSize;
  });
  if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = written;
  return error == ERROR_SUCCESS ? TRUE : Fail(error);
}

extern "C" DWORD WINAPI GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh) {
  const auto file = FileOf(hFile);
  const int64_t size = file ? SizeOf(file->descriptor()) : -1;
  if (size < 0) {
    if (file) SetLastError(ERROR_INVALID_HANDLE);
    return INVALID_FILE_SIZE;
  }
  if (lpFileSizeHigh) *lpFileSizeHigh = static_cast<DWORD>(static_cast<uint64_t>(size) >> 32);
  SetLastError(ERROR_SUCCESS);  // INVALID_FILE_SIZE can be a valid low part
  return static_cast<DWORD>(size);
}

extern "C" DWORD WINAPI SetFilePointer(HANDLE hFile, LONG lDistanceToMove, PLONG lpDistanceToMoveHigh,
                                       DWORD dwMoveMethod) {
  const auto file = FileOf(hFile);
  if (!file) return INVALID_SET_FILE_POINTER;
  const int descriptor = file->descriptor();
  int64_t base = 0;
  switch (dwMoveMethod) {
    case FILE_BEGIN: base = 0; break;
    case FILE_CURRENT: base = lseek(descriptor, 0, SEEK_CUR); break;
    case FILE_END: base = SizeOf(descriptor); break;
    default: Fail(ERROR_INVALID_PARAMETER); return INVALID_SET_FILE_POINTER;
  }
  const int64_t distance =
      lpDistanceToMoveHigh
          ? static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(*lpDistanceToMoveHigh)) << 32) |
                                 static_cast<uint32_t>(lDistanceToMove))
          : lDistanceToMove;
  const int64_t target = base + distance;
  const bool fits = lpDistanceToMoveHigh || target <= std::numeric_limits<uint32_t>::max() - 1;
  if (base < 0 || target < 0 || !fits || lseek(descriptor, target, SEEK_SET) < 0) {
    Fail(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  SetLastError(ERROR_SUCCESS);  // INVALID_SET_FILE_POINTER can be a valid low part
  return SplitLow(target, lpDistanceToMoveHigh);
}

extern "C" BOOL WINAPI SetEndOfFile(HANDLE hFile) {
  const auto file = FileOf(hFile);
  if (!file) return FALSE;
  if (!file->CanWrite()) return Fail(ERROR_ACCESS_DENIED);
  const int descriptor = file->descriptor();
  DWORD error = ERROR_SUCCESS;
  ChangeContents([&](uint64_t room) -> int64_t {
    const int64_t oldSize = SizeOf(descriptor);
    const int64_t end = lseek(descriptor, 0, SEEK_CUR);
    if (oldSize < 0 || end < 0) {
      error = ERROR_INVALID_HANDLE;
      return 0;
    }
    if (end > oldSize && static_cast<uint64_t>(end - oldSize) > room) {
      error = ERROR_DISK_FULL;
      return 0;
    }
    if (ftruncate(descriptor, end) != 0) error = ErrorFromErrno(errno, {});
    return SizeOf(descriptor) - oldSize;
  });
  return error == ERROR_SUCCESS ? TRUE : Fail(error);
}

extern "C" BOOL WINAPI FlushFileBuffers(HANDLE hFile) {
  const auto file = FileOf(hFile);
  if (!file) return FALSE;
  if (fsync(file->descriptor()) != 0 && errno != EINVAL) return Fail(ErrorFromErrno(errno, {}));
  return TRUE;
}
