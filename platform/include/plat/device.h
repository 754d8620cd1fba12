// The handheld's file system on this machine: device paths such as
// "\Storage Card\survey.imf" map onto a folder, the device folder, with the
// platform's case-insensitive names; an optional capacity makes the device
// run full like a real storage card.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace plat {

// Sets the host folder that holds the device's file system (created when
// missing). Until it is called the device folder is $XDG_DATA_HOME/recon-device
// or, without XDG_DATA_HOME, ~/.local/share/recon-device (created on first use).
void SetDeviceRoot(const std::string& hostFolder);
std::string DeviceRoot();

// Device paths are absolute and separated by '\' (or '/'): "\Storage Card\a.txt".
// A path without the leading separator is taken from the root, "\" is the
// root itself and one trailing separator is ignored. Empty paths, empty
// components, "." and "..", control characters and < > : " | ? * make a path
// invalid, so no device path reaches outside the device folder.
//
// Maps a device path to a host path. Each component is matched without regard
// to letter case (ASCII and full-width Latin letters) against what exists; a
// component that does not exist keeps the given spelling. Returns false with
// ERROR_INVALID_NAME set for a path that cannot name a device file.
bool DeviceToHostPath(std::u16string_view devicePath, std::string* hostPath);

// The device path of a host path inside the device folder; false outside it.
bool HostToDevicePath(const std::string& hostPath, std::u16string* devicePath);

// Capacity of the device storage in bytes (0 = only the host's own limits).
// Writes that would take the used bytes beyond it fail with ERROR_DISK_FULL.
// The used bytes (sizes of the files in the device folder) are counted when a
// capacity is set, or the root changes while one is set, and then follow this
// process's own writes, truncations, copies and deletions.
void SetDeviceCapacity(uint64_t bytes);
uint64_t DeviceCapacity();
uint64_t DeviceUsedBytes();

}  // namespace plat
