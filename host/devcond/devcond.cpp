// The device's settings: IsR7 and GetIntJkn read "\Windows\Devcond.ini",
// Devcond_SetInt writes it for the host and the tests.
#include <devcond.h>

#include <charconv>
#include <string>

#include "settings_file.h"

namespace {

const host::SettingsFile& DeviceSettings() {
  static const host::SettingsFile file(u"\\Windows\\Devcond.ini");
  return file;
}

// The decimal integer that is the whole of text; 0 for anything else.
int ParseInt(const std::u16string& text) {
  std::string ascii;
  for (char16_t c : text) {
    if (c > 0x7F) return 0;
    ascii += static_cast<char>(c);
  }
  int value = 0;
  const char* end = ascii.data() + ascii.size();
  const auto [stop, error] = std::from_chars(ascii.data(), end, value);
  return error == std::errc() && stop == end ? value : 0;
}

}  // namespace

BOOL IsR7() { return GetIntJkn(u"R7") != 0; }

int GetIntJkn(const WCHAR* key) {
  std::u16string value;
  if (key == nullptr || !DeviceSettings().Read(key, &value)) return 0;
  return ParseInt(value);
}

int Devcond_SetInt(const WCHAR* key, int value) {
  if (key == nullptr) return 1;
  const std::string digits = std::to_string(value);
  return DeviceSettings().Write(key, std::u16string(digits.begin(), digits.end())) ? 0 : 1;
}
