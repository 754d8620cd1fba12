// Moves of the map's view that a display asks for as a person's input: a
// message posted with plat::PostInput to the host's main window, so that it
// takes its turn among the person's taps and keys. wParam is the move,
// lParam its argument; the window applies it to the map window.
#pragma once
#include <windows.h>

namespace darvik {

inline constexpr UINT kMapViewMessage = WM_APP + 0x210;

enum MapViewMove : WPARAM {
  kMapZoomIn = 1,   // halves the scale (Geopane_ZoomIn)
  kMapZoomOut = 2,  // doubles it
  kMapPan = 3,      // lParam MAKELPARAM(dx, dy), signed pixels: the map's
                    // content follows a drag by (dx, dy)
};

// Applies a move to the map window; on the UI thread. False for an unknown move.
bool ApplyMapViewMove(WPARAM move, LPARAM argument);

}  // namespace darvik
