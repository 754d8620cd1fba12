// What the map window shows and how a tap acts on it, without any window:
// the geometry between map and pixels, the points and background image as
// last loaded from the map database, the selection, the pick settings and
// the remembered picks and tapped coordinate. The window (map_window.h)
// owns one and turns its outcomes into repaints and posted commands.
#pragma once
#include <geopane.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace geopane {

// A pixel position before rounding, in client co-ordinates.
struct MapPixel {
  double column;
  double row;
};

// Map <-> pixel, as geopane.h describes: X (northing) up, Y (easting) right.
struct MapGeometry {
  double centreX = 0;
  double centreY = 0;
  double scale = 1;  // map units per pixel
  SIZE client{0, 0};

  MapPixel ToPixel(double x, double y) const;
  void ToMap(double column, double row, double* x, double* y) const;
  bool Inside(const MapPixel& pixel) const;
};

// The nearest whole pixel (clamped far outside any screen).
POINT RoundedPixel(const MapPixel& pixel);

struct MapViewPoint {
  int id;
  int number;
  std::u16string name;
  double x;
  double y;
  int classCode;
  int stateCode;
};

struct PickSettings {
  HWND eventWindow = nullptr;
  UINT pointCommand = 0;
  UINT coordCommand = 0;
  int pickCount = 1;
  int flag = 0;
};

// What a tap did: whether the map changed, and the command to post (0 none).
struct TapOutcome {
  bool changed = false;
  UINT command = 0;
};

class MapView {
 public:
  MapGeometry geometry;
  PickSettings settings;

  // Points and background image from the open map (none when no map is open).
  void Reload();
  const std::vector<MapViewPoint>& points() const { return points_; }
  const MapViewPoint* FindPoint(int id) const;
  const std::optional<GeopaneBackground>& background() const { return background_; }

  const std::set<int>& selection() const { return selection_; }
  void ClearSelection() { selection_.clear(); }
  void AddToSelection(const int* ids, int count);

  // The pick list of the last point pick, nearest first.
  bool ChoosePick(int index);
  bool PickId(int index, int* id) const;
  int PickedId() const { return picked_; }

  // The coordinate of the last coordinate tap.
  bool TappedCoordinate(double* x, double* y) const;

  // A person's tap at a client pixel.
  TapOutcome Tap(int column, int row);

 private:
  // The points within the pick radius of a pixel, nearest first (on equal
  // distance the later point, drawn on top, first).
  std::vector<int> PointsNear(int column, int row) const;

  std::vector<MapViewPoint> points_;
  std::optional<GeopaneBackground> background_;
  std::set<int> selection_;
  std::vector<int> picks_;
  int picked_ = -1;
  bool hasTap_ = false;
  double tapX_ = 0;
  double tapY_ = 0;
};

}  // namespace geopane
