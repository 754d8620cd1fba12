// The system colours: a fixed light classic scheme (grey faces, white
// windows, black text, navy captions and highlight). GetSysColorBrush hands
// out one stock brush per colour.
#include <array>

#include "gdi/objects.h"

namespace plat::gdi {
namespace {

constexpr std::array<COLORREF, COLOR_STATICTEXT + 1> kSystemColors = {
    RGB(192, 192, 192),  // COLOR_SCROLLBAR
    RGB(0, 128, 128),    // COLOR_BACKGROUND
    RGB(0, 0, 128),      // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(192, 192, 192),  // COLOR_ACTIVEBORDER
    RGB(192, 192, 192),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(0, 0, 128),      // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(192, 192, 192),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(0, 0, 0),        // COLOR_3DDKSHADOW
    RGB(224, 224, 224),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(192, 192, 192),  // COLOR_STATIC
    RGB(0, 0, 0),        // COLOR_STATICTEXT
};

bool IsSystemColor(int index) { return index >= 0 && index < static_cast<int>(kSystemColors.size()); }

const std::array<HBRUSH, kSystemColors.size()>& SystemColorBrushes() {
  static const auto brushes = [] {
    std::array<HBRUSH, kSystemColors.size()> made{};
    for (size_t i = 0; i < made.size(); ++i) {
      made[i] = static_cast<HBRUSH>(AddObject(std::make_shared<Brush>(kSystemColors[i]), true));
    }
    return made;
  }();
  return brushes;
}

}  // namespace
}  // namespace plat::gdi

using namespace plat::gdi;

extern "C" DWORD WINAPI GetSysColor(int nIndex) {
  if (!IsSystemColor(nIndex)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return kSystemColors[static_cast<size_t>(nIndex)];
}

extern "C" HBRUSH WINAPI GetSysColorBrush(int nIndex) {
  if (!IsSystemColor(nIndex)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return SystemColorBrushes()[static_cast<size_t>(nIndex)];
}
