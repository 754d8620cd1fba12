// Brushes: solid brushes of a colour and the hollow brush, and the colour
// behind a brush handle or a system colour value (COLOR_* + 1).
#include "gdi/objects.h"

namespace plat::gdi {

std::shared_ptr<Brush> ResolveBrush(HBRUSH brush) {
  const auto value = reinterpret_cast<uintptr_t>(brush);
  if (value >= 1 && value <= COLOR_STATICTEXT + 1) return FindObjectAs<Brush>(GetSysColorBrush(int(value - 1)));
  return FindObjectAs<Brush>(brush);
}

bool BrushColor(HBRUSH brush, COLORREF* color) {
  const auto resolved = ResolveBrush(brush);
  if (!resolved || resolved->hollow()) return false;
  *color = resolved->logBrush.lbColor;
  return true;
}

}  // namespace plat::gdi

extern "C" HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  return static_cast<HBRUSH>(plat::gdi::AddObject(std::make_shared<plat::gdi::Brush>(color & 0x00FFFFFF)));
}

extern "C" HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* plbrush) {
  if (!plbrush) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  switch (plbrush->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(plbrush->lbColor);
    case BS_NULL: return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    default:
      SetLastError(ERROR_NOT_SUPPORTED);  // hatched and pattern brushes
      return nullptr;
  }
}
