// Images from the device's files and LoadImageW. SHLoadDIBitmap and
// LoadImageW(..., LR_LOADFROMFILE) read BMP files (and, for IMAGE_ICON,
// icon files) through the device's file functions; a file that is missing
// keeps the file functions' error, one that does not decode gives null with
// ERROR_INVALID_PARAMETER. Without LR_LOADFROMFILE LoadImageW hands over to
// LoadBitmapW, LoadIconW and LoadCursorW. Sizes (cx, cy) are not scaled to.
#include <cstddef>
#include <vector>

#include "gdi/objects.h"

namespace plat::gdi {
namespace {

constexpr DWORD kMaxImageFileBytes = 64u << 20;

std::nullptr_t FailWith(DWORD error) {
  SetLastError(error);
  return nullptr;
}

// The whole contents of a device file; false with the last error set.
bool ReadDeviceFile(LPCWSTR path, std::vector<uint8_t>* contents) {
  if (!path) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  const HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD high = 0;
  const DWORD size = GetFileSize(file, &high);
  bool read = false;
  if (high || size > kMaxImageFileBytes) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  } else {
    contents->resize(size);
    DWORD got = 0;
    read = ReadFile(file, contents->data(), size, &got, nullptr);
    if (read && got != size) {
      read = false;
      SetLastError(ERROR_READ_FAULT);
    }
  }
  CloseHandle(file);
  return read;
}

HBITMAP LoadBitmapFile(LPCWSTR path) {
  std::vector<uint8_t> contents;
  if (!ReadDeviceFile(path, &contents)) return nullptr;
  auto image = DecodeBmpFile(contents);
  if (!image) return FailWith(ERROR_INVALID_PARAMETER);
  return AddBitmap(std::move(*image));
}

HICON LoadIconFile(LPCWSTR path) {
  std::vector<uint8_t> contents;
  if (!ReadDeviceFile(path, &contents)) return nullptr;
  return AddIconFromIconFile(contents);
}

}  // namespace
}  // namespace plat::gdi

using namespace plat::gdi;

extern "C" HBITMAP WINAPI SHLoadDIBitmap(LPCWSTR szFileName) { return LoadBitmapFile(szFileName); }

extern "C" HANDLE WINAPI LoadImageW(HINSTANCE hInst, LPCWSTR name, UINT type, int /*cx*/, int /*cy*/,
                                    UINT fuLoad) {
  const bool fromFile = fuLoad & LR_LOADFROMFILE;
  switch (type) {
    case IMAGE_BITMAP: return fromFile ? LoadBitmapFile(name) : LoadBitmapW(hInst, name);
    case IMAGE_ICON: return fromFile ? LoadIconFile(name) : LoadIconW(hInst, name);
    case IMAGE_CURSOR: return fromFile ? FailWith(ERROR_NOT_SUPPORTED) : LoadCursorW(hInst, name);
    default: return FailWith(ERROR_INVALID_PARAMETER);
  }
}
