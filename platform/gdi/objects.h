// The graphics objects inside the gdi area: the kinds of objects, the handle
// table that owns them and the shared lookups (stock objects, brushes that
// may be system colour values, fonts' pixel heights).
#pragma once
#include <plat/gdi.h>
#include <windows.h>

#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "gdi/dib_decoder.h"

namespace plat::gdi {

class GdiObject {
 public:
  virtual ~GdiObject() = default;
  // OBJ_BRUSH, OBJ_FONT, ...; 0 for kinds without one (icons).
  virtual DWORD Type() const = 0;
  // The object's GetObject description (LOGBRUSH, LOGFONTW, BITMAP), or null.
  virtual const void* Description(int* size) const {
    *size = 0;
    return nullptr;
  }
};

struct Brush final : GdiObject {
  explicit Brush(COLORREF c, bool isHollow = false)
      : logBrush{isHollow ? UINT(BS_NULL) : UINT(BS_SOLID), isHollow ? 0 : c, 0} {}
  DWORD Type() const override { return OBJ_BRUSH; }
  const void* Description(int* size) const override {
    *size = sizeof logBrush;
    return &logBrush;
  }
  bool hollow() const { return logBrush.lbStyle == BS_NULL; }
  LOGBRUSH logBrush;
};

struct Pen final : GdiObject {
  DWORD Type() const override { return OBJ_PEN; }
};

struct Font final : GdiObject {
  explicit Font(const LOGFONTW& font) : logFont(font) { logFont.lfFaceName[LF_FACESIZE - 1] = 0; }
  DWORD Type() const override { return OBJ_FONT; }
  const void* Description(int* size) const override {
    *size = sizeof logFont;
    return &logFont;
  }
  // The height that the text metrics use: |lfHeight|, or 12 pixels for 0.
  int PixelHeight() const;
  LOGFONTW logFont;
};

struct Bitmap final : GdiObject {
  explicit Bitmap(Image picture);
  DWORD Type() const override { return OBJ_BITMAP; }
  const void* Description(int* size) const override {
    *size = sizeof info;
    return &info;
  }
  Image image;
  BITMAP info;
};

struct Icon final : GdiObject {
  DWORD Type() const override { return 0; }
  std::vector<IconPicture> images;
};

struct DeviceContext final : GdiObject {
  DWORD Type() const override { return OBJ_DC; }
  std::mutex lock;  // guards the fields below
  DcState state;
  HPEN pen = nullptr;
  bool memory = false;  // from CreateCompatibleDC: may hold a bitmap
};

// The device context behind a handle; null with ERROR_INVALID_HANDLE set.
std::shared_ptr<DeviceContext> FindDc(HDC dc);

// The handle table. Stock objects stay when deleted.
HGDIOBJ AddObject(std::shared_ptr<GdiObject> object, bool stock = false);
std::shared_ptr<GdiObject> FindObject(HGDIOBJ handle);
template <class T>
std::shared_ptr<T> FindObjectAs(HGDIOBJ handle) {
  return std::dynamic_pointer_cast<T>(FindObject(handle));
}
enum class Removal { Removed, Stock, Unknown };
Removal RemoveObject(HGDIOBJ handle);

// The stock objects of GetStockObject, the system font and the 1 x 1
// monochrome bitmap that a memory device context starts with.
HGDIOBJ StockObject(int index);
HFONT SystemFont();
HBITMAP DefaultBitmap();

// A brush handle, or a system colour value COLOR_* + 1 as FillRect and
// window classes accept one; null when it is neither.
std::shared_ptr<Brush> ResolveBrush(HBRUSH brush);

// A new bitmap object of a decoded image.
HBITMAP AddBitmap(Image image);

// An icon from an icon file (ICONDIR with the images' file offsets); null
// with ERROR_INVALID_PARAMETER when no image decodes.
HICON AddIconFromIconFile(std::span<const uint8_t> file);

// The pixel height of a font; the system font's for null or unknown handles.
int FontPixelHeight(HFONT font);

// COLORREF (0x00BBGGRR) as a display pixel (0x00RRGGBB).
inline uint32_t PixelOf(COLORREF color) {
  return (uint32_t(GetRValue(color)) << 16) | (uint32_t(GetGValue(color)) << 8) | GetBValue(color);
}

}  // namespace plat::gdi
