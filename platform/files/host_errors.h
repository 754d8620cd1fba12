// Host failures (errno values) as the platform's error codes.
#pragma once
#include <windows.h>

#include <string>

namespace plat::files {

// The platform error for a host errno. A missing entry (ENOENT) reads as
// ERROR_FILE_NOT_FOUND when the folder that should hold it exists and as
// ERROR_PATH_NOT_FOUND when it does not.
DWORD ErrorFromErrno(int error, const std::string& hostPath);

// Sets the thread's last error from a host errno; returns FALSE for the caller.
BOOL FailWithErrno(int error, const std::string& hostPath);
// Sets the thread's last error; returns FALSE for the caller.
BOOL Fail(DWORD error);

}  // namespace plat::files
