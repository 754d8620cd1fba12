// The window tree as the page draws it: the screen with its visible
// top-level windows (bottom first, owned windows above their owners) and, in each window, its geometry, frame,
// colours, the state of its kind of control and its visible children (bottom
// first). Read on the UI thread; reading changes no window.
//
// Screen: {"version", "screen": {"width", "height"}, "cursor": "arrow"|"wait",
//   "beeps", "lastBeep", "boxes", "dropped", "focus": id, "active": id,
//   "windows": [window...]}
// Window: {"id", "className", "kind", "ctrlId", "text", "enabled",
//   "rect": [x, y, w, h] in the parent's client co-ordinates (the screen's
//   for top-level windows), "client": [x, y, w, h] within the window,
//   "border" (frame width), "caption": {"close", "ok"} when it has one,
//   "maximized", "vscroll": {"min", "max", "page", "pos"} when shown,
//   "colors": {"background", "text"} as "#rrggbb" (or null) after a painting
//   pass, then the members of its kind (control_fields.h), "children": [...]}
#pragma once
#include <plat/web_display.h>
#include <plat/web_json.h>
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

namespace plat::web {

// Adapters by window class name (compared without regard to ASCII case).
class Adapters {
 public:
  void Add(const std::u16string& className, WindowAdapter* adapter);
  WindowAdapter* For(HWND window) const;

 private:
  std::map<std::u16string, WindowAdapter*> byClass_;
};

// What the display has heard besides the windows.
struct DisplayEvents {
  uint64_t beeps = 0;
  UINT lastBeep = 0;
  uint64_t boxes = 0;
  uint64_t dropped = 0;
  bool waitCursor = false;
};

JsonValue DescribeScreen(uint64_t version, const DisplayEvents& events, const Adapters& adapters);
JsonValue DescribeWindow(HWND window, const Adapters& adapters);

// Helpers shared with the control fields.
std::u16string WindowText(HWND window);
std::u16string ClassNameOf(HWND window);
JsonValue RectArray(const RECT& rect);  // [left, top, width, height]

}  // namespace plat::web
