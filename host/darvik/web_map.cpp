// Draws the host's map for the browser display and takes its view moves.
#include "web_map.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <sstream>

#include "map_view_input.h"

namespace darvik {
namespace {

using plat::web::JsonValue;

const char* ShapeName(GeopaneShape shape) {
  switch (shape) {
    case kGeopaneTriangle: return "triangle";
    case kGeopaneSquare: return "square";
    case kGeopaneCircle: return "circle";
    case kGeopaneCross: return "cross";
    default: return "dot";
  }
}

JsonValue PointObject(const GeopaneMapPoint& point) {
  return JsonValue::Object()
      .Set("id", point.id)
      .Set("number", point.number)
      .Set("name", point.name)
      .Set("x", point.x)
      .Set("y", point.y)
      .Set("px", point.pixel.x)
      .Set("py", point.pixel.y)
      .Set("classCode", point.classCode)
      .Set("stateCode", point.stateCode)
      .Set("shape", ShapeName(point.style.shape))
      .Set("filled", point.style.filled != 0)
      .Set("colour", plat::web::CssColor(point.style.colour))
      .Set("selected", point.selected);
}

// Changes whenever the image's path or its tie points do.
std::string BackgroundKey(const GeopaneBackground& image) {
  std::ostringstream text;
  text.precision(17);
  text << plat::web::Utf8(image.path) << '|' << image.px1 << ',' << image.py1 << ',' << image.x1 << ',' << image.y1
       << ',' << image.px2 << ',' << image.py2 << ',' << image.x2 << ',' << image.y2;
  return std::to_string(std::hash<std::string>{}(text.str()));
}

JsonValue BackgroundObject(const GeopaneMapState& state) {
  const BackgroundPlacement placement = PlaceBackground(state);
  if (!placement.placed) return JsonValue();
  return JsonValue::Object()
      .Set("key", BackgroundKey(state.background))
      .Set("left", placement.left)
      .Set("top", placement.top)
      .Set("scaleX", placement.scaleX)
      .Set("scaleY", placement.scaleY);
}

JsonValue TapPixel(const GeopaneMapState& state) {
  POINT pixel{};
  if (!state.hasTap || Geopane_MapToPixel(state.tapX, state.tapY, &pixel) != 0) return JsonValue();
  return JsonValue(JsonValue::Array{pixel.x, pixel.y});
}

bool SignedPixels(const plat::web::Fields& fields, const char* name, int* value) {
  const auto found = fields.find(name);
  if (found == fields.end()) return false;
  const std::string& text = found->second;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && *value >= -32768 && *value <= 32767;
}

}  // namespace

BackgroundPlacement PlaceBackground(const GeopaneMapState& state) {
  if (!state.hasBackground || state.scale <= 0) return {};
  const GeopaneBackground& image = state.background;
  if (image.px1 == image.px2 || image.py1 == image.py2) return {};
  const double cx = state.client.cx / 2, cy = state.client.cy / 2;
  const auto column = [&](double y) { return cx + (y - state.centreY) / state.scale; };
  const auto row = [&](double x) { return cy - (x - state.centreX) / state.scale; };
  BackgroundPlacement placement;
  placement.scaleX = (column(image.y2) - column(image.y1)) / (image.px2 - image.px1);
  placement.scaleY = (row(image.x2) - row(image.x1)) / (image.py2 - image.py1);
  placement.left = column(image.y1) - image.px1 * placement.scaleX;
  placement.top = row(image.x1) - image.py1 * placement.scaleY;
  placement.placed = std::isfinite(placement.left) && std::isfinite(placement.top) &&
                     std::isfinite(placement.scaleX) && std::isfinite(placement.scaleY) && placement.scaleX != 0 &&
                     placement.scaleY != 0;
  return placement;
}

void WebMapAdapter::Describe(HWND, JsonValue& object) {
  GeopaneMapState state{};
  std::vector<GeopaneMapPoint> points;
  if (Geopane_GetMapState(&state) != 0 || Geopane_MapPoints(&points) != 0) return;
  JsonValue drawn{JsonValue::Array{}};
  for (const GeopaneMapPoint& point : points) {
    if (point.visible) drawn.Push(PointObject(point));
  }
  object.Set("kind", "map").Set("map", JsonValue::Object()
                                           .Set("centre", JsonValue(JsonValue::Array{state.centreX, state.centreY}))
                                           .Set("scale", state.scale)
                                           .Set("pickedId", state.pickedId)
                                           .Set("selectionColour", plat::web::CssColor(kGeopaneSelectionColour))
                                           .Set("tap", TapPixel(state))
                                           .Set("points", std::move(drawn))
                                           .Set("background", BackgroundObject(state)));
}

std::string WebMapAdapter::Act(HWND map, const plat::web::Fields& action, std::vector<plat::web::Input>* input) {
  const auto kind = action.find("kind");
  const HWND host = GetParent(map);
  if (kind == action.end() || !host) return "unknown action";
  if (kind->second == "zoom-in" || kind->second == "zoom-out") {
    input->push_back({host, kMapViewMessage, kind->second == "zoom-in" ? kMapZoomIn : kMapZoomOut, 0});
    return "";
  }
  if (kind->second != "pan") return "unknown action";
  int dx = 0, dy = 0;
  if (!SignedPixels(action, "dx", &dx) || !SignedPixels(action, "dy", &dy)) return "bad or missing dx, dy";
  input->push_back({host, kMapViewMessage, kMapPan,
                    MAKELPARAM(static_cast<WORD>(static_cast<short>(dx)), static_cast<WORD>(static_cast<short>(dy)))});
  return "";
}

bool WebMapAdapter::Image(HWND, const std::string& name, plat::web::Picture* picture) {
  GeopaneBackground background{};
  if (name != "background" || Geopane_GetBackground(&background) != 0) return false;
  const auto bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, background.path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  if (!bitmap) return false;
  const bool read = plat::web::BitmapPicture(bitmap, nullptr, picture);
  DeleteObject(bitmap);
  return read;
}

}  // namespace darvik
