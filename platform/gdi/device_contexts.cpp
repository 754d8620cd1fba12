// Device contexts: window device contexts for painting, memory device
// contexts, the objects selected into them and their colours and modes. A
// new device context has the system font, WHITE_BRUSH and BLACK_PEN
// selected, an opaque white background and black text; a memory device
// context also holds a 1 x 1 monochrome bitmap until another is selected.
#include <utility>

#include "gdi/objects.h"

namespace plat::gdi {
namespace {

constexpr COLORREF kInvalidColor = 0xFFFFFFFF;

HDC AddDc(HWND window, bool memory) {
  auto dc = std::make_shared<DeviceContext>();
  dc->state.window = window;
  dc->state.font = SystemFont();
  dc->state.brush = static_cast<HBRUSH>(StockObject(WHITE_BRUSH));
  dc->state.bitmap = memory ? DefaultBitmap() : nullptr;
  dc->pen = static_cast<HPEN>(StockObject(BLACK_PEN));
  dc->memory = memory;
  return static_cast<HDC>(AddObject(std::move(dc)));
}

// Reads or changes a device context's state under its lock; `failed` for an unknown handle.
template <class T, class Access>
T WithState(HDC hdc, T failed, Access access) {
  const auto dc = FindDc(hdc);
  if (!dc) return failed;
  std::lock_guard guard(dc->lock);
  return access(dc->state);
}

HGDIOBJ Refuse(DWORD error) {
  SetLastError(error);
  return nullptr;
}

}  // namespace

std::shared_ptr<DeviceContext> FindDc(HDC dc) {
  auto found = FindObjectAs<DeviceContext>(dc);
  if (!found) SetLastError(ERROR_INVALID_HANDLE);
  return found;
}

HDC CreateWindowDC(HWND window) { return AddDc(window, false); }

void ReleaseWindowDC(HDC dc) {
  const auto found = FindObjectAs<DeviceContext>(dc);
  if (found && !found->memory) RemoveObject(dc);
}

bool GetDcState(HDC dc, DcState* state) {
  return WithState(dc, false, [state](const DcState& current) {
    *state = current;
    return true;
  });
}

}  // namespace plat::gdi

using namespace plat::gdi;

extern "C" HDC WINAPI CreateCompatibleDC(HDC hdc) {
  if (hdc && !FindDc(hdc)) return nullptr;
  return AddDc(nullptr, true);
}

extern "C" BOOL WINAPI DeleteDC(HDC hdc) {
  if (!FindDc(hdc)) return FALSE;
  RemoveObject(hdc);
  return TRUE;
}

extern "C" HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
  const auto dc = FindDc(hdc);
  if (!dc) return nullptr;
  const auto object = FindObject(h);
  if (!object) return Refuse(ERROR_INVALID_HANDLE);
  std::lock_guard guard(dc->lock);
  switch (object->Type()) {
    case OBJ_BRUSH: return std::exchange(dc->state.brush, static_cast<HBRUSH>(h));
    case OBJ_FONT: return std::exchange(dc->state.font, static_cast<HFONT>(h));
    case OBJ_PEN: return std::exchange(dc->pen, static_cast<HPEN>(h));
    case OBJ_BITMAP:
      if (!dc->memory) return Refuse(ERROR_INVALID_PARAMETER);
      return std::exchange(dc->state.bitmap, static_cast<HBITMAP>(h));
    default: return Refuse(ERROR_INVALID_PARAMETER);
  }
}

extern "C" int WINAPI SetBkMode(HDC hdc, int mode) {
  if (mode != OPAQUE && mode != TRANSPARENT) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return WithState(hdc, 0, [mode](DcState& state) { return std::exchange(state.bkMode, mode); });
}

extern "C" int WINAPI GetBkMode(HDC hdc) {
  return WithState(hdc, 0, [](const DcState& state) { return state.bkMode; });
}

extern "C" COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
  return WithState(hdc, kInvalidColor, [color](DcState& state) { return std::exchange(state.bkColor, color); });
}

extern "C" COLORREF WINAPI GetBkColor(HDC hdc) {
  return WithState(hdc, kInvalidColor, [](const DcState& state) { return state.bkColor; });
}

extern "C" COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  return WithState(hdc, kInvalidColor, [color](DcState& state) { return std::exchange(state.textColor, color); });
}

extern "C" COLORREF WINAPI GetTextColor(HDC hdc) {
  return WithState(hdc, kInvalidColor, [](const DcState& state) { return state.textColor; });
}
