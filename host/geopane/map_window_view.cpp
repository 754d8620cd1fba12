// The map window's contents and tap rules (see map_window_view.h).
#include "map_window_view.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace geopane {
namespace {

// Pixel positions beyond this are clamped before rounding: far off any
// screen, and well inside int.
constexpr double kFarPixel = 1e6;

int VisitPoint(int id, const PntRecord* point, void* context) {
  auto* points = static_cast<std::vector<MapViewPoint>*>(context);
  points->push_back(MapViewPoint{id, point->number,
                                 std::u16string(point->name.GetString(), static_cast<size_t>(point->name.GetLength())),
                                 point->x, point->y, point->classCode, point->stateCode});
  return 0;
}

double ClientCentre(LONG extent) { return static_cast<double>(extent / 2); }

}  // namespace

MapPixel MapGeometry::ToPixel(double x, double y) const {
  return MapPixel{ClientCentre(client.cx) + (y - centreY) / scale, ClientCentre(client.cy) - (x - centreX) / scale};
}

void MapGeometry::ToMap(double column, double row, double* x, double* y) const {
  *x = centreX + (ClientCentre(client.cy) - row) * scale;
  *y = centreY + (column - ClientCentre(client.cx)) * scale;
}

bool MapGeometry::Inside(const MapPixel& pixel) const {
  const POINT rounded = RoundedPixel(pixel);
  return rounded.x >= 0 && rounded.x < client.cx && rounded.y >= 0 && rounded.y < client.cy;
}

POINT RoundedPixel(const MapPixel& pixel) {
  auto round = [](double value) { return static_cast<LONG>(std::lround(std::clamp(value, -kFarPixel, kFarPixel))); };
  return POINT{round(pixel.column), round(pixel.row)};
}

void MapView::Reload() {
  points_.clear();
  if (Geopane_ForEachPoint(VisitPoint, &points_) != 0) points_.clear();
  GeopaneBackground image{};
  background_.reset();
  if (Geopane_GetBackground(&image) == 0) background_ = image;
}

const MapViewPoint* MapView::FindPoint(int id) const {
  const auto found = std::find_if(points_.begin(), points_.end(), [id](const MapViewPoint& p) { return p.id == id; });
  return found == points_.end() ? nullptr : &*found;
}

void MapView::AddToSelection(const int* ids, int count) { selection_.insert(ids, ids + count); }

bool MapView::ChoosePick(int index) {
  if (index < 0 || index >= static_cast<int>(picks_.size())) return false;
  picked_ = picks_[static_cast<size_t>(index)];
  selection_ = {picked_};
  return true;
}

bool MapView::PickId(int index, int* id) const {
  if (index < 0 || index >= static_cast<int>(picks_.size())) return false;
  *id = picks_[static_cast<size_t>(index)];
  return true;
}

bool MapView::TappedCoordinate(double* x, double* y) const {
  if (!hasTap_) return false;
  *x = tapX_;
  *y = tapY_;
  return true;
}

TapOutcome MapView::Tap(int column, int row) {
  std::vector<int> near = PointsNear(column, row);
  // Without point picks, a window asking for coordinates gets coordinates
  // over points too; with neither, a tap on a point still selects it.
  const bool pointPick = !near.empty() && (settings.pointCommand != 0 || settings.coordCommand == 0);
  if (pointPick) {
    near.resize(std::min(near.size(), static_cast<size_t>(settings.pickCount)));
    picks_ = std::move(near);
    ChoosePick(0);
    return TapOutcome{true, settings.pointCommand};
  }
  if (settings.coordCommand == 0) return TapOutcome{};
  geometry.ToMap(column, row, &tapX_, &tapY_);
  hasTap_ = true;
  return TapOutcome{true, settings.coordCommand};
}

std::vector<int> MapView::PointsNear(int column, int row) const {
  std::vector<std::pair<double, int>> hits;  // squared distance, id
  for (const MapViewPoint& point : points_) {
    const MapPixel pixel = geometry.ToPixel(point.x, point.y);
    const double dx = pixel.column - column;
    const double dy = pixel.row - row;
    const double distance2 = dx * dx + dy * dy;
    if (distance2 <= kGeopanePickRadius * kGeopanePickRadius) hits.emplace_back(distance2, point.id);
  }
  std::sort(hits.begin(), hits.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first < b.first : a.second > b.second;
  });
  std::vector<int> ids;
  for (const auto& hit : hits) ids.push_back(hit.second);
  return ids;
}

}  // namespace geopane
