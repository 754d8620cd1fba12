// The map window's exported functions: the MapWin_ calls of the plug-ins
// and the host's Geopane_ calls that create the window and read it for
// displays; argument checks and the 0 / non-zero results.
#include <afxwin.h>
#include <geopane.h>

#include <cmath>

#include "map_window.h"

namespace {

using geopane::MapView;
using geopane::MapWindow;

constexpr int kOk = 0;
constexpr int kFailed = 1;

// Runs a change on the map window; it repaints when the change was made.
template <class Change>
int ChangeMap(Change&& change) {
  MapWindow* window = MapWindow::Current();
  if (!window || !change(window->view())) return kFailed;
  window->Changed();
  return kOk;
}

// Runs a reading of the map window.
template <class Reading>
int ReadMap(Reading&& reading) {
  const MapWindow* window = MapWindow::Current();
  return window && reading(*window) ? kOk : kFailed;
}

bool SetScale(MapView& view, double scale) {
  if (!(scale >= kGeopaneMinScale && scale <= kGeopaneMaxScale)) return false;
  view.geometry.scale = scale;
  return true;
}

bool VisiblePixel(const MapView& view, double x, double y, POINT* pixel) {
  const geopane::MapPixel exact = view.geometry.ToPixel(x, y);
  if (!pixel || !view.geometry.Inside(exact)) return false;
  *pixel = geopane::RoundedPixel(exact);
  return true;
}

int PixelOfPoint(int id, POINT* pixel) {
  return ReadMap([&](const MapWindow& window) {
    const geopane::MapViewPoint* point = window.view().FindPoint(id);
    return point && VisiblePixel(window.view(), point->x, point->y, pixel);
  });
}

}  // namespace

// ---- the plug-ins' calls ----

int MapWin_EvtWnd(CWnd* eventWindow) {
  const HWND target = eventWindow ? eventWindow->GetSafeHwnd() : nullptr;
  if (target && !IsWindow(target)) return kFailed;
  return ChangeMap([&](MapView& view) {
    view.settings.eventWindow = target;
    return true;
  });
}

int MapWin_SetPicEvt(UINT pointCommand, UINT coordCommand, int pickCount, int flag) {
  if (pickCount < 1) return kFailed;
  return ChangeMap([&](MapView& view) {
    view.settings = {view.settings.eventWindow, pointCommand, coordCommand, pickCount, flag};
    return true;
  });
}

int MapWin_SetSelPicId(int index) {
  return ChangeMap([&](MapView& view) { return view.ChoosePick(index); });
}

int MapWin_GetPicIdxId(int index, int* id) {
  return ReadMap([&](const MapWindow& window) { return id && window.view().PickId(index, id); });
}

int MapWin_GetPicCrd(double* x, double* y) {
  return ReadMap([&](const MapWindow& window) { return x && y && window.view().TappedCoordinate(x, y); });
}

int MapWin_ClrSelId() {
  return ChangeMap([](MapView& view) {
    view.ClearSelection();
    return true;
  });
}

int MapWin_SetSelId(int count, const int* ids) {
  if (count < 0 || (count > 0 && !ids)) return kFailed;
  for (int i = 0; i < count; ++i)
    if (ids[i] < 1) return kFailed;
  return ChangeMap([&](MapView& view) {
    view.AddToSelection(ids, count);
    return true;
  });
}

int MapWin_Pan(double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return kFailed;
  return ChangeMap([&](MapView& view) {
    view.geometry.centreX = x;
    view.geometry.centreY = y;
    return true;
  });
}

int MapWin_DrwFlg(int flag) {
  MapWindow* window = MapWindow::Current();
  return window ? window->SetDrawing(flag) : 0;
}

int MapWin_DrwAll(int flag) {
  MapWindow* window = MapWindow::Current();
  if (!window) return kFailed;
  window->SetDrawing(1);
  window->Changed();
  window->SetDrawing(flag);
  return kOk;
}

// ---- the host's calls ----

HWND Geopane_CreateMapWindow(HWND parent, RECT rect) {
  if (!parent || !IsWindow(parent)) return nullptr;
  return CreateWindowExW(0, u"GeopaneMap", u"", WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
}

HWND Geopane_MapWindow() {
  const MapWindow* window = MapWindow::Current();
  return window ? window->hwnd() : nullptr;
}

int Geopane_SetMapScale(double unitsPerPixel) {
  return ChangeMap([&](MapView& view) { return SetScale(view, unitsPerPixel); });
}

int Geopane_ZoomIn() {
  return ChangeMap([](MapView& view) { return SetScale(view, view.geometry.scale / 2); });
}

int Geopane_ZoomOut() {
  return ChangeMap([](MapView& view) { return SetScale(view, view.geometry.scale * 2); });
}

int Geopane_GetMapState(GeopaneMapState* state) {
  return ReadMap([&](const MapWindow& window) {
    if (!state) return false;
    const MapView& view = window.view();
    GeopaneMapState read{};
    read.centreX = view.geometry.centreX;
    read.centreY = view.geometry.centreY;
    read.scale = view.geometry.scale;
    read.client = view.geometry.client;
    read.eventWindow = view.settings.eventWindow;
    read.pointCommand = view.settings.pointCommand;
    read.coordCommand = view.settings.coordCommand;
    read.pickCount = view.settings.pickCount;
    read.pickFlag = view.settings.flag;
    read.pickedId = view.PickedId();
    read.hasTap = view.TappedCoordinate(&read.tapX, &read.tapY);
    read.drawing = window.drawing();
    read.revision = window.revision();
    read.hasBackground = view.background().has_value();
    if (view.background()) read.background = *view.background();
    *state = read;
    return true;
  });
}

int Geopane_PointPixel(int id, POINT* pixel) { return PixelOfPoint(id, pixel); }

int Geopane_PointPixelByNumber(int number, POINT* pixel) {
  int id = 0;
  return MapdbPnt_GetId(number, &id) == 0 ? PixelOfPoint(id, pixel) : kFailed;
}

int Geopane_MapToPixel(double x, double y, POINT* pixel) {
  return ReadMap([&](const MapWindow& window) { return VisiblePixel(window.view(), x, y, pixel); });
}

int Geopane_PixelToMap(int column, int row, double* x, double* y) {
  return ReadMap([&](const MapWindow& window) {
    const SIZE client = window.view().geometry.client;
    if (!x || !y || column < 0 || row < 0 || column >= client.cx || row >= client.cy) return false;
    window.view().geometry.ToMap(column, row, x, y);
    return true;
  });
}

int Geopane_MapPoints(std::vector<GeopaneMapPoint>* points) {
  return ReadMap([&](const MapWindow& window) {
    if (!points) return false;
    const MapView& view = window.view();
    points->clear();
    for (const geopane::MapViewPoint& point : view.points()) {
      const geopane::MapPixel exact = view.geometry.ToPixel(point.x, point.y);
      points->push_back(GeopaneMapPoint{point.id, point.number, point.name, point.x, point.y, point.classCode,
                                        point.stateCode, view.selection().count(point.id) > 0,
                                        view.geometry.Inside(exact), geopane::RoundedPixel(exact),
                                        Geopane_PointStyle(point.classCode, point.stateCode)});
    }
    return true;
  });
}

int Geopane_MapSelection(std::vector<int>* ids) {
  return ReadMap([&](const MapWindow& window) {
    if (!ids) return false;
    ids->assign(window.view().selection().begin(), window.view().selection().end());
    return true;
  });
}
