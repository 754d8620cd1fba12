// Sets up the device folder with the host's standard folders.
#include "device_layout.h"

#include <plat/device.h>
#include <windows.h>

namespace darvik {

namespace {

constexpr const char16_t* kStandardFolders[] = {
    u"\\Storage Card",
    u"\\Built-in Storage",
    u"\\Built-in Storage\\Program Files",
    kHostFolder,
    kCommandFolder,
    u"\\Built-in Storage\\Program Files\\Darvik\\Map",
    u"\\Windows",
};

bool EnsureFolder(const char16_t* devicePath) {
  const DWORD attributes = GetFileAttributesW(devicePath);
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return CreateDirectoryW(devicePath, nullptr) != FALSE;
}

}  // namespace

bool PrepareDevice(const std::string& hostFolder) {
  if (!hostFolder.empty()) plat::SetDeviceRoot(hostFolder);
  for (const char16_t* folder : kStandardFolders) {
    if (!EnsureFolder(folder)) return false;
  }
  return true;
}

}  // namespace darvik
