// Fonts and their text metrics. There are no font files: a font is its
// LOGFONT, and text is measured by fixed rules (see TextExtent in
// plat/gdi.h): half-width characters are half the font's pixel height wide,
// all others as wide as it is high.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "gdi/objects.h"

namespace plat::gdi {
namespace {

constexpr int kDefaultPixelHeight = 12;
constexpr int64_t kMaxPixelHeight = 1 << 15;

bool IsHalfWidth(char16_t c) { return (c >= 0x20 && c <= 0x7E) || (c >= 0xFF61 && c <= 0xFF9F); }
bool IsSurrogatePair(const WCHAR* text, int at, int length) {
  return at + 1 < length && text[at] >= 0xD800 && text[at] <= 0xDBFF && text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF;
}

int LengthUpToNul(const WCHAR* text) {
  int length = 0;
  while (text[length] && length < std::numeric_limits<int>::max()) ++length;
  return length;
}

}  // namespace

int Font::PixelHeight() const {
  if (logFont.lfHeight == 0) return kDefaultPixelHeight;
  return static_cast<int>(std::min(std::abs(int64_t{logFont.lfHeight}), kMaxPixelHeight));
}

int FontPixelHeight(HFONT font) {
  auto found = FindObjectAs<Font>(font);
  if (!found) found = FindObjectAs<Font>(SystemFont());
  return found->PixelHeight();
}

SIZE TextExtent(HFONT font, const WCHAR* text, int length) {
  const int height = FontPixelHeight(font);
  if (!text) length = 0;
  if (length < 0) length = LengthUpToNul(text);
  int64_t width = 0;
  for (int i = 0; i < length; ++i) {
    if (IsSurrogatePair(text, i, length)) ++i;
    width += IsHalfWidth(text[i]) ? height / 2 : height;
  }
  return SIZE{static_cast<LONG>(std::min<int64_t>(width, std::numeric_limits<LONG>::max())), height};
}

}  // namespace plat::gdi

extern "C" HFONT WINAPI CreateFontIndirectW(const LOGFONTW* lplf) {
  if (!lplf) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return static_cast<HFONT>(plat::gdi::AddObject(std::make_shared<plat::gdi::Font>(*lplf)));
}
