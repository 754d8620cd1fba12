// Device paths inside the files area: splitting and checking them, and
// mapping their components onto the device folder without regard to case.
#pragma once
#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plat::files {

// Whether the last component is matched against existing entries or taken as
// spelled (renaming a file to another case of its own name).
enum class FinalName { MatchCase, AsGiven };

// The components of a device path, checked by the rules in plat/device.h;
// wildcardsInLast lets the last component hold * and ?. False with
// ERROR_INVALID_NAME set.
bool SplitDevicePath(std::u16string_view path, bool wildcardsInLast, std::vector<std::u16string>* parts);

// The host path of checked components below the device root.
std::string MapParts(std::span<const std::u16string> parts, FinalName finalName = FinalName::MatchCase);

// What the file functions start with: the host path of a NUL-terminated
// device path. False with the last error set (ERROR_INVALID_PARAMETER for null).
bool ResolveDevicePath(LPCWSTR path, std::string* hostPath, FinalName finalName = FinalName::MatchCase);

bool IsDeviceRoot(const std::string& hostPath);

}  // namespace plat::files
