// A settings file of the device folder: UTF-8 text, one "key=value" a line,
// read and written by key. Shared by the device settings (Devcond) and the
// per-command settings store (Cmdcond).
//
// - Lines end in LF (a CR before it is dropped when reading). A line's key
//   is the text before its first '='; keys compare without regard to ASCII
//   letter case and the first line of a key counts. Lines without '=' are
//   kept as they are and otherwise ignored.
// - Writing replaces the key's first line (or appends one) and keeps every
//   other line. The new file is written beside the old one, flushed to the
//   disk and renamed over it, then the folder is flushed: a crash leaves the
//   old file or the new one, whole. Folders are created when missing.
// - The file is read and written on the host's own file system, outside the
//   device capacity accounting.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace host {

// Whether key may name a setting: 1 to 255 units of valid UTF-16 without '=', CR or LF.
bool IsValidSettingKey(std::u16string_view key);
// Whether value may be stored: valid UTF-16 without CR or LF.
bool IsValidSettingValue(std::u16string_view value);
// The first units of text, at most maxUnits, never ending inside a surrogate pair.
std::u16string_view CutToUnits(std::u16string_view text, size_t maxUnits);

class SettingsFile {
 public:
  explicit SettingsFile(std::u16string devicePath) : devicePath_(std::move(devicePath)) {}

  // The value of key; false when the file or the key is missing, the key is
  // invalid or the value is not valid UTF-8.
  bool Read(std::u16string_view key, std::u16string* value) const;
  // Stores value under key, durably; false (the file unchanged) for an
  // invalid key or value or when the file cannot be written.
  bool Write(std::u16string_view key, std::u16string_view value) const;

 private:
  std::u16string devicePath_;
};

}  // namespace host
