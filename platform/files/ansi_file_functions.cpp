// The 8-bit forms of the file functions: names in code page 932 are
// converted to UTF-16 and passed on to the wide forms. Search results whose
// names do not convert or do not fit cFileName are skipped.
#include <algorithm>
#include <string>

#include "files/device_names.h"
#include "files/host_errors.h"

namespace plat::files {
namespace {

// The wide form of an 8-bit path; false with the last error set.
bool WidePath(LPCSTR path, std::u16string* wide) {
  if (!path) return Fail(ERROR_INVALID_PARAMETER);
  return AnsiToWide(path, wide) ? true : Fail(ERROR_INVALID_NAME);
}

bool ToAnsiFindData(const WIN32_FIND_DATAW& wide, WIN32_FIND_DATAA* narrow) {
  std::string name;
  if (!WideToAnsi(wide.cFileName, &name) || name.size() >= MAX_PATH) return false;
  narrow->dwFileAttributes = wide.dwFileAttributes;
  narrow->ftCreationTime = wide.ftCreationTime;
  narrow->ftLastAccessTime = wide.ftLastAccessTime;
  narrow->ftLastWriteTime = wide.ftLastWriteTime;
  narrow->nFileSizeHigh = wide.nFileSizeHigh;
  narrow->nFileSizeLow = wide.nFileSizeLow;
  narrow->dwOID = wide.dwOID;
  std::fill(std::begin(narrow->cFileName), std::end(narrow->cFileName), '\0');
  std::copy(name.begin(), name.end(), narrow->cFileName);
  return true;
}

// Moves on from `wide` (the entry just found) to the first entry that the 8-bit form can show.
BOOL NextShowable(HANDLE search, WIN32_FIND_DATAW* wide, WIN32_FIND_DATAA* narrow) {
  while (!ToAnsiFindData(*wide, narrow)) {
    if (!FindNextFileW(search, wide)) return FALSE;
  }
  return TRUE;
}

}  // namespace
}  // namespace plat::files

using namespace plat::files;

extern "C" HANDLE WINAPI CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                                     LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition,
                                     DWORD dwFlagsAndAttributes, HANDLE hTemplateFile) {
  std::u16string path;
  if (!WidePath(lpFileName, &path)) return INVALID_HANDLE_VALUE;
  return CreateFileW(path.c_str(), dwDesiredAccess, dwShareMode, lpSecurityAttributes, dwCreationDisposition,
                     dwFlagsAndAttributes, hTemplateFile);
}

extern "C" BOOL WINAPI DeleteFileA(LPCSTR lpFileName) {
  std::u16string path;
  return WidePath(lpFileName, &path) && DeleteFileW(path.c_str());
}

extern "C" BOOL WINAPI MoveFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName) {
  std::u16string from, to;
  return WidePath(lpExistingFileName, &from) && WidePath(lpNewFileName, &to) && MoveFileW(from.c_str(), to.c_str());
}

extern "C" BOOL WINAPI CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES lpSecurityAttributes) {
  std::u16string path;
  return WidePath(lpPathName, &path) && CreateDirectoryW(path.c_str(), lpSecurityAttributes);
}

extern "C" DWORD WINAPI GetFileAttributesA(LPCSTR lpFileName) {
  std::u16string path;
  return WidePath(lpFileName, &path) ? GetFileAttributesW(path.c_str()) : INVALID_FILE_ATTRIBUTES;
}

extern "C" HANDLE WINAPI FindFirstFileA(LPCSTR lpFileName, LPWIN32_FIND_DATAA lpFindFileData) {
  std::u16string pattern;
  if (!WidePath(lpFileName, &pattern)) return INVALID_HANDLE_VALUE;
  if (!lpFindFileData) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  WIN32_FIND_DATAW wide;
  const HANDLE search = FindFirstFileW(pattern.c_str(), &wide);
  if (search == INVALID_HANDLE_VALUE) return search;
  if (!NextShowable(search, &wide, lpFindFileData)) {
    FindClose(search);
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  return search;
}

extern "C" BOOL WINAPI FindNextFileA(HANDLE hFindFile, LPWIN32_FIND_DATAA lpFindFileData) {
  if (!lpFindFileData) return Fail(ERROR_INVALID_PARAMETER);
  WIN32_FIND_DATAW wide;
  return FindNextFileW(hFindFile, &wide) && NextShowable(hFindFile, &wide, lpFindFileData);
}
