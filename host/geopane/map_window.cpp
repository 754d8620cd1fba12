// The map window (see map_window.h). The class is registered when the
// library loads. A second window of the class fails to create: the map's
// functions act on the one map window.
#include "map_window.h"

#include <plat/display.h>

namespace geopane {
namespace {

constexpr const WCHAR* kClassName = u"GeopaneMap";

MapWindow*& CurrentWindow() {
  static MapWindow* current = nullptr;
  return current;
}

POINT ClientPoint(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

LRESULT CALLBACK MapWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MapWindow* self = CurrentWindow();
  if (self && self->hwnd_ != hwnd) self = nullptr;
  switch (message) {
    case WM_CREATE:
      if (CurrentWindow()) return -1;
      CurrentWindow() = new MapWindow(hwnd);
      CurrentWindow()->Changed();
      return 0;
    case WM_NCDESTROY:
      if (self) {
        CurrentWindow() = nullptr;
        delete self;
      }
      break;
    case WM_SIZE:
      if (self) self->Resized(SIZE{LOWORD(lParam), HIWORD(lParam)});
      return 0;
    case WM_LBUTTONDOWN:
      if (self) {
        self->pressed_ = true;
        self->pressedAt_ = ClientPoint(lParam);
      }
      return 0;
    case WM_LBUTTONUP:
      if (self && self->pressed_) {
        self->pressed_ = false;
        self->Tapped(self->pressedAt_.x, self->pressedAt_.y);
      }
      return 0;
    case plat::WM_PLAT_GESTURE:
      if (self && wParam == plat::kGestureTap) {
        const POINT at = ClientPoint(lParam);
        self->Tapped(at.x, at.y);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

namespace {

// Registers the class as the library loads.
[[maybe_unused]] const ATOM registeredClass = [] {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = MapWindowProcedure;
  windowClass.lpszClassName = kClassName;
  return RegisterClassW(&windowClass);
}();

}  // namespace

MapWindow* MapWindow::Current() { return CurrentWindow(); }

void MapWindow::Changed() {
  view_.Reload();
  ++revision_;
  if (drawing_) InvalidateRect(hwnd_, nullptr, TRUE);
}

int MapWindow::SetDrawing(int flag) {
  const int previous = drawing_;
  drawing_ = flag != 0;
  return previous;
}

void MapWindow::Resized(SIZE client) {
  view_.geometry.client = client;
  Changed();
}

void MapWindow::Tapped(int column, int row) {
  const TapOutcome outcome = view_.Tap(column, row);
  if (outcome.changed) Changed();
  const HWND target = view_.settings.eventWindow;
  if (outcome.command != 0 && target && IsWindow(target))
    PostMessageW(target, WM_COMMAND, static_cast<WPARAM>(outcome.command), 0);
}

}  // namespace geopane
