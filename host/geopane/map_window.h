// The map window "GeopaneMap": the one window of its class, the owner of
// the map's view, and the turning of a person's taps into view changes,
// repaints and the map commands posted to the event window.
#pragma once
#include <windows.h>

#include "map_window_view.h"

namespace geopane {

class MapWindow {
 public:
  // The map window, or null while none exists.
  static MapWindow* Current();

  HWND hwnd() const { return hwnd_; }
  MapView& view() { return view_; }
  const MapView& view() const { return view_; }
  int drawing() const { return drawing_; }
  unsigned revision() const { return revision_; }

  // After every change: reloads the points and background, counts the
  // change and repaints (unless the drawing flag holds repaints).
  void Changed();
  // Sets the drawing flag and returns the one it replaced.
  int SetDrawing(int flag);

 private:
  explicit MapWindow(HWND hwnd) : hwnd_(hwnd) {}
  friend LRESULT CALLBACK MapWindowProcedure(HWND, UINT, WPARAM, LPARAM);

  void Resized(SIZE client);
  void Tapped(int column, int row);

  HWND hwnd_;
  MapView view_;
  int drawing_ = 1;
  unsigned revision_ = 0;
  bool pressed_ = false;
  POINT pressedAt_{0, 0};
};

}  // namespace geopane
