// The host's map window ("GeopaneMap") on the browser display: what the
// page draws of it, the view moves it asks for, and the background image.
//
// Describe sets "kind": "map" and "map": {"centre": [X, Y], "scale",
// "pickedId", "selectionColour", "tap": [column, row] of the remembered
// coordinate tap (null when none or off the window), "points": the points
// drawn inside the window, in drawing order, each {"id", "number", "name",
// "x", "y", "px", "py", "classCode", "stateCode", "shape": dot|triangle|
// square|circle|cross, "filled", "colour", "selected"}, "background": null
// or {"key", "left", "top", "scaleX", "scaleY"}: the image's pixel (u, v)
// lies at client pixel (left + u * scaleX, top + v * scaleY)}.
// Act takes kind=zoom-in, kind=zoom-out and kind=pan with dx, dy (pixels
// the content is dragged by) and posts them as map view moves to the map's
// parent, the host's main window (map_view_input.h). Image "background"
// is the placed image file, loaded through the platform's bitmap loader.
#pragma once
#include <geopane.h>
#include <plat/web_display.h>

#include <string>
#include <vector>

namespace darvik {

struct BackgroundPlacement {
  bool placed = false;  // false without an image or for tie points that coincide
  double left = 0, top = 0, scaleX = 0, scaleY = 0;
};
// Where the state's background image lies in the map window's client area.
BackgroundPlacement PlaceBackground(const GeopaneMapState& state);

class WebMapAdapter : public plat::web::WindowAdapter {
 public:
  void Describe(HWND map, plat::web::JsonValue& object) override;
  std::string Act(HWND map, const plat::web::Fields& action, std::vector<plat::web::Input>* input) override;
  bool Image(HWND map, const std::string& name, plat::web::Picture* picture) override;
};

}  // namespace darvik
