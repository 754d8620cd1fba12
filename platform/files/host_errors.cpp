// Translation of host errno values into the platform's error codes.
#include "files/host_errors.h"

#include <sys/stat.h>

#include <cerrno>

namespace plat::files {
namespace {

bool ParentFolderExists(const std::string& hostPath) {
  const size_t slash = hostPath.find_last_of('/');
  if (slash == std::string::npos) return false;
  struct stat info {};
  const std::string parent = slash == 0 ? "/" : hostPath.substr(0, slash);
  return stat(parent.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

DWORD ErrorFromErrno(int error, const std::string& hostPath) {
  switch (error) {
    case ENOENT:
      return ParentFolderExists(hostPath) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    case ENOTDIR:
      return ERROR_PATH_NOT_FOUND;
    case EEXIST:
      return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY:
      return ERROR_DIR_NOT_EMPTY;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return ERROR_DISK_FULL;
    case ENAMETOOLONG:
      return ERROR_INVALID_NAME;
    case EMFILE:
    case ENFILE:
      return ERROR_TOO_MANY_OPEN_FILES;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    case EBUSY:
    case ETXTBSY:
      return ERROR_SHARING_VIOLATION;
    case EINVAL:
      return ERROR_INVALID_PARAMETER;
    case EIO:
      return ERROR_WRITE_FAULT;
    default:  // EACCES, EPERM, EISDIR, EROFS and the rest
      return ERROR_ACCESS_DENIED;
  }
}

BOOL FailWithErrno(int error, const std::string& hostPath) { return Fail(ErrorFromErrno(error, hostPath)); }

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

}  // namespace plat::files
