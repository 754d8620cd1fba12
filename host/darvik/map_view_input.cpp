// Applies the displays' map view moves to the host's map window.
#include "map_view_input.h"

#include <geopane.h>

namespace darvik {

bool ApplyMapViewMove(WPARAM move, LPARAM argument) {
  switch (move) {
    case kMapZoomIn:
      Geopane_ZoomIn();
      return true;
    case kMapZoomOut:
      Geopane_ZoomOut();
      return true;
    case kMapPan: {
      GeopaneMapState state{};
      if (Geopane_GetMapState(&state) != 0) return true;
      const int dx = static_cast<short>(LOWORD(argument));
      const int dy = static_cast<short>(HIWORD(argument));
      // Content dragged right and down: the centre moves west (Y) and north (X).
      MapWin_Pan(state.centreX + dy * state.scale, state.centreY - dx * state.scale);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace darvik
