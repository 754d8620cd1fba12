// The progress bar ("msctls_progress32"): a position inside a range that
// only the program moves.
//
// - Range 0-100, position 0 and step 10 to begin with.
// - Every position is held inside the range: PBM_SETPOS and PBM_DELTAPOS
//   clamp (and return the old position), and so does a change of the range.
//   PBM_STEPIT passing the maximum starts over from the minimum, as on the
//   platform; a negative step stops at the minimum.
// - PBM_SETRANGE (16-bit LOWORD/HIWORD) and PBM_SETRANGE32 return the old
//   range as MAKELONG(low, high), or 0 for a range whose low end is above its
//   high end, which is refused; an empty range (low == high) is taken.
//   PBM_GETRANGE: wParam TRUE gives the low end, FALSE the high end, and a
//   PBRANGE when one is given.
// - No notifications, no input, no focus, no gestures. The platform's
//   progress bar asks its parent for no colours: it paints (and records) its
//   own COLOR_BTNFACE background.
#include <commctrl.h>
#include <windows.h>

#include <algorithm>

#include "user/window.h"

using namespace plat::user;

namespace {

struct Progress {
  int low = 0;
  int high = 100;
  int position = 0;
  int step = 10;
  HFONT font = nullptr;
};

// Moves to a position (clamped to the range) and returns the old one.
LRESULT MoveTo(HWND hwnd, Progress& bar, long long position) {
  const int previous = bar.position;
  bar.position = static_cast<int>(std::clamp<long long>(position, bar.low, bar.high));
  if (bar.position != previous) Invalidate(hwnd);
  return previous;
}

LRESULT SetRange(HWND hwnd, Progress& bar, int low, int high) {
  if (low > high) return 0;
  const LRESULT previous = MAKELONG(bar.low, bar.high);
  bar.low = low;
  bar.high = high;
  MoveTo(hwnd, bar, bar.position);
  Invalidate(hwnd);
  return previous;
}

LRESULT StepIt(HWND hwnd, Progress& bar) {
  const long long next = static_cast<long long>(bar.position) + bar.step;
  return MoveTo(hwnd, bar, next > bar.high ? bar.low : next);
}

LRESULT GetRange(const Progress& bar, WPARAM wantLow, LPARAM range) {
  if (auto* out = reinterpret_cast<PBRANGE*>(range)) *out = PBRANGE{bar.low, bar.high};
  return wantLow ? bar.low : bar.high;
}

LRESULT CALLBACK ProgressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return CreateControlState<Progress>(hwnd, lParam);
  Progress* bar = ControlState<Progress>(hwnd);
  if (!bar) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (auto answer = FontMessage(hwnd, bar->font, message, wParam, lParam)) return *answer;
  switch (message) {
    case WM_NCDESTROY:
      FreeControlState<Progress>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case PBM_SETRANGE:
      return SetRange(hwnd, *bar, LOWORD(lParam), HIWORD(lParam));
    case PBM_SETRANGE32:
      return SetRange(hwnd, *bar, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_GETRANGE:
      return GetRange(*bar, wParam, lParam);
    case PBM_SETPOS:
      return MoveTo(hwnd, *bar, static_cast<int>(wParam));
    case PBM_GETPOS:
      return bar->position;
    case PBM_DELTAPOS:
      return MoveTo(hwnd, *bar, static_cast<long long>(bar->position) + static_cast<int>(wParam));
    case PBM_SETSTEP: {
      const int previous = bar->step;
      bar->step = static_cast<int>(wParam);
      return previous;
    }
    case PBM_STEPIT:
      return StepIt(hwnd, *bar);
    case WM_ERASEBKGND:
      return EraseWithSystemColors(hwnd, reinterpret_cast<HDC>(wParam), COLOR_BTNFACE, COLOR_BTNTEXT);
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

const SystemClassRegistrar registrar(PROGRESS_CLASSW, ProgressProc, sizeof(LONG_PTR));

}  // namespace
