// UTF-8 to UTF-16 conversion and the letter-case folding of resource names.
#include "utf.h"

namespace rcc {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

bool DecodeUtf8(std::string_view text, size_t* pos, char32_t* codePoint) {
  const size_t start = *pos;
  const auto lead = static_cast<unsigned char>(text[start]);
  size_t length = 1;
  char32_t value = lead;
  char32_t minimum = 0;
  if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else if (lead >= 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xC2 && lead < 0xE0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0x80) {
    return false;
  }
  if (lead >= 0xF5 || start + length > text.size()) return false;
  for (size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[start + i]);
    if (!IsContinuation(byte)) return false;
    value = (value << 6) | (byte & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
  *codePoint = value;
  *pos = start + length;
  return true;
}

void AppendUtf16(char32_t codePoint, std::u16string* out) {
  if (codePoint < 0x10000) {
    out->push_back(static_cast<char16_t>(codePoint));
    return;
  }
  codePoint -= 0x10000;
  out->push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
  out->push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

std::optional<std::u16string> Utf16FromUtf8(std::string_view text) {
  std::u16string out;
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t codePoint = 0;
    if (!DecodeUtf8(text, &pos, &codePoint)) return std::nullopt;
    AppendUtf16(codePoint, &out);
  }
  return out;
}

std::u16string UpperCased(std::u16string text) {
  for (char16_t& unit : text) {
    if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
  }
  return text;
}

}  // namespace rcc
