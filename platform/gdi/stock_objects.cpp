// The stock objects: the five solid brushes and the hollow brush, the white,
// black and null pens, the system font ("System", 9 points: 12 pixels at
// 96 dpi; DEFAULT_GUI_FONT is the same face) and the 1 x 1 monochrome
// bitmap that memory device contexts start with. Created once, never deleted.
#include <array>

#include "gdi/objects.h"

namespace plat::gdi {
namespace {

constexpr int kStockCount = DEFAULT_GUI_FONT + 1;
constexpr int kSystemFontPixels = 12;

LOGFONTW SystemLogFont() {
  LOGFONTW font{};
  font.lfHeight = -kSystemFontPixels;
  font.lfWeight = FW_NORMAL;
  const char16_t face[] = u"System";
  std::copy(std::begin(face), std::end(face), font.lfFaceName);
  return font;
}

struct StockObjects {
  std::array<HGDIOBJ, kStockCount> objects{};
  HBITMAP defaultBitmap = nullptr;
};

const StockObjects& Stock() {
  static const StockObjects stock = [] {
    StockObjects made;
    auto brush = [](COLORREF color) { return AddObject(std::make_shared<Brush>(color), true); };
    made.objects[WHITE_BRUSH] = brush(RGB(255, 255, 255));
    made.objects[LTGRAY_BRUSH] = brush(RGB(192, 192, 192));
    made.objects[GRAY_BRUSH] = brush(RGB(128, 128, 128));
    made.objects[DKGRAY_BRUSH] = brush(RGB(64, 64, 64));
    made.objects[BLACK_BRUSH] = brush(RGB(0, 0, 0));
    made.objects[NULL_BRUSH] = AddObject(std::make_shared<Brush>(0, true), true);
    for (int pen : {WHITE_PEN, BLACK_PEN, NULL_PEN}) made.objects[pen] = AddObject(std::make_shared<Pen>(), true);
    made.objects[SYSTEM_FONT] = AddObject(std::make_shared<Font>(SystemLogFont()), true);
    made.objects[DEFAULT_GUI_FONT] = AddObject(std::make_shared<Font>(SystemLogFont()), true);
    made.defaultBitmap = static_cast<HBITMAP>(AddObject(std::make_shared<Bitmap>(Image{1, 1, 1, {0}}), true));
    return made;
  }();
  return stock;
}

}  // namespace

HGDIOBJ StockObject(int index) {
  if (index < 0 || index >= kStockCount) return nullptr;
  return Stock().objects[static_cast<size_t>(index)];
}

HFONT SystemFont() { return static_cast<HFONT>(StockObject(SYSTEM_FONT)); }
HBITMAP DefaultBitmap() { return Stock().defaultBitmap; }

}  // namespace plat::gdi

extern "C" HGDIOBJ WINAPI GetStockObject(int i) {
  const HGDIOBJ object = plat::gdi::StockObject(i);
  if (!object) SetLastError(ERROR_INVALID_PARAMETER);
  return object;
}
