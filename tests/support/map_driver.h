// For the plug-ins' tests: the host's map as a test reaches it through a
// headless desktop's user-interface thread, whether the host program or the
// test process itself runs the map window: points made, stored and tapped,
// coordinates tapped, and the map's selection and event registration read;
// and points made and compared field by field.
#pragma once
#include <codetables.h>
#include <geopane.h>
#include <plat/headless_desktop.h>

#include <string>
#include <tuple>
#include <vector>

namespace plugin_test {

// A point record with the usual fields and no height; by default the codes
// of a point without a card.
inline PntRecord MakePoint(LONG number, const char16_t* name, double x, double y,
                           LONG classCode = codes::kNoCardClass, LONG stateCode = codes::kNoCardState) {
  PntRecord point{};
  point.number = number;
  point.name = name;
  point.x = x;
  point.y = y;
  point.classCode = classCode;
  point.stateCode = stateCode;
  return point;
}

// Every field of a point, as one value a test compares and prints.
inline auto PointFields(const PntRecord& point) {
  return std::tuple(point.number, std::u16string(point.name.GetString()), point.x, point.y, point.z, point.hasZ,
                    point.spare1, point.classCode, point.stateCode, point.spare2);
}

// The top-level window with this caption, shown or hidden, or null.
inline HWND WindowCaptioned(plat::HeadlessDesktop& desktop, const std::u16string& caption) {
  return desktop.Ui([&] { return ::FindWindowW(nullptr, caption.c_str()); });
}

inline HWND MapWindow(plat::HeadlessDesktop& desktop) {
  return desktop.Ui([] { return Geopane_MapWindow(); });
}

// Stores the point as a new one and redraws the map; its id, 0 on failure.
inline int StorePoint(plat::HeadlessDesktop& desktop, const PntRecord& point) {
  return desktop.Ui([&] {
    int id = 0;
    if (MapdbPnt_Put(&id, point) != 0) id = 0;
    MapWin_DrwAll(MapWin_DrwFlg(0));
    return id;
  });
}

// Taps the map at pixel once the lookup that found it (0 when it did) succeeded.
inline bool TapMapAt(plat::HeadlessDesktop& desktop, int lookup, const POINT& pixel) {
  return lookup == 0 && desktop.Tap(MapWindow(desktop), pixel.x, pixel.y);
}

// Taps the map where the point of this number is drawn.
inline bool TapPointNumbered(plat::HeadlessDesktop& desktop, int number) {
  POINT pixel{};
  const int lookup = desktop.Ui([&] { return Geopane_PointPixelByNumber(number, &pixel); });
  return TapMapAt(desktop, lookup, pixel);
}

// Taps the map where the point of this id is drawn.
inline bool TapPointWithId(plat::HeadlessDesktop& desktop, int id) {
  POINT pixel{};
  const int lookup = desktop.Ui([&] { return Geopane_PointPixel(id, &pixel); });
  return TapMapAt(desktop, lookup, pixel);
}

// Taps the map at map point (x, y).
inline bool TapCoordinate(plat::HeadlessDesktop& desktop, double x, double y) {
  POINT pixel{};
  const int lookup = desktop.Ui([&] { return Geopane_MapToPixel(x, y, &pixel); });
  return TapMapAt(desktop, lookup, pixel);
}

// The ids of the points selected on the map.
inline std::vector<int> MapSelection(plat::HeadlessDesktop& desktop) {
  std::vector<int> ids;
  desktop.Ui([&] { Geopane_MapSelection(&ids); });
  return ids;
}

// The map's view, its event window with the commands posted there, and its picks.
inline GeopaneMapState MapState(plat::HeadlessDesktop& desktop) {
  GeopaneMapState state{};
  desktop.Ui([&] { Geopane_GetMapState(&state); });
  return state;
}

}  // namespace plugin_test
