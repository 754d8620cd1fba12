// What painting code asks of a device context: filling rectangles (drawn
// into the bitmap of a memory device context; recorded nowhere for window
// device contexts, whose pixels the displays own), text extents and the
// device's capabilities (96 dpi, 16 bits per pixel, the screen's size).
#include <algorithm>

#include <plat/display.h>

#include "gdi/objects.h"

namespace plat::gdi {
namespace {

constexpr int kDotsPerInch = 96;
constexpr int kBitsPerPixel = 16;

void Fill(Bitmap& bitmap, const RECT& rect, uint32_t pixel) {
  const LONG left = std::max<LONG>(rect.left, 0), right = std::min<LONG>(rect.right, bitmap.image.width);
  const LONG top = std::max<LONG>(rect.top, 0), bottom = std::min<LONG>(rect.bottom, bitmap.image.height);
  for (LONG y = top; y < bottom; ++y) {
    uint32_t* row = bitmap.image.pixels.data() + static_cast<size_t>(y) * bitmap.image.width;
    std::fill(row + std::min(left, right), row + right, pixel);
  }
}

int FailWith(DWORD error) {
  SetLastError(error);
  return 0;
}

}  // namespace

}  // namespace plat::gdi

using namespace plat::gdi;

extern "C" int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  const auto dc = FindDc(hDC);
  if (!dc) return 0;
  if (!lprc) return FailWith(ERROR_INVALID_PARAMETER);
  const auto brush = ResolveBrush(hbr);
  if (!brush) return FailWith(ERROR_INVALID_HANDLE);
  std::lock_guard guard(dc->lock);
  const auto bitmap = dc->memory ? FindObjectAs<Bitmap>(dc->state.bitmap) : nullptr;
  if (bitmap && !brush->hollow()) Fill(*bitmap, *lprc, PixelOf(brush->logBrush.lbColor));
  return 1;
}

extern "C" BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl) {
  const auto dc = FindDc(hdc);
  if (!dc) return FALSE;
  if (!psizl || c < 0 || (c > 0 && !lpString)) return FailWith(ERROR_INVALID_PARAMETER);
  HFONT font = nullptr;
  {
    std::lock_guard guard(dc->lock);
    font = dc->state.font;
  }
  *psizl = TextExtent(font, lpString, c);
  return TRUE;
}

extern "C" int WINAPI GetDeviceCaps(HDC hdc, int index) {
  if (!FindDc(hdc)) return 0;
  switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return kDotsPerInch;
    case BITSPIXEL: return kBitsPerPixel;
    case HORZRES: return plat::ScreenSize().cx;
    case VERTRES: return plat::ScreenSize().cy;
    default: return 0;
  }
}
