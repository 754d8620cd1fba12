// Painting without pixels: invalidation schedules WM_PAINT for windows that
// can be seen; a painting pass asks for colours through WM_CTLCOLOR* and
// WM_ERASEBKGND and records what it was given, for displays and tests.
// Also the scroll bars' state and the screen's metrics.
#include <plat/display.h>
#include <plat/gdi.h>
#include <windows.h>

#include <algorithm>

#include "user/queue.h"
#include "user/window.h"

using namespace plat::user;

namespace {

SIZE screenSize{240, 320};

void RecordBrush(Window* w, HBRUSH brush) {
  COLORREF color = 0;
  w->paint.hasBackground = brush != nullptr;
  w->paint.hollowBackground = brush && !plat::gdi::BrushColor(brush, &color);
  w->paint.background = color;
}

void RecordDc(Window* w, HDC dc) {
  plat::gdi::DcState state;
  if (!plat::gdi::GetDcState(dc, &state)) return;
  w->paint.bkMode = state.bkMode;
  w->paint.bkColor = state.bkColor;
  w->paint.textColor = state.textColor;
}

SCROLLINFO* BarOf(Window* w, int bar) {
  if (bar == SB_VERT) return &w->vscroll;
  if (bar == SB_HORZ) return &w->hscroll;
  return nullptr;
}

int ClampPosition(const SCROLLINFO& info, int position) {
  const int page = static_cast<int>(info.nPage);
  const int maxPosition = info.nMax - std::max(page - 1, 0);
  return std::clamp(position, info.nMin, std::max(info.nMin, maxPosition));
}

}  // namespace

namespace plat {

void SetScreenSize(int width, int height) { screenSize = SIZE{width, height}; }
SIZE ScreenSize() { return screenSize; }

PaintRecord GetPaintRecord(HWND window) {
  Window* w = Find(window);
  return w ? w->paint : PaintRecord{};
}

}  // namespace plat

namespace plat::user {

void Invalidate(HWND window) {
  Window* w = Find(window);
  if (!w) return;
  TreeChanged();
  if (w->redraw && IsVisibleChain(w)) SetPaintPending(window, true);
}

void PaintWithParentColors(HWND control, UINT ctlColorMessage) {
  Window* w = Find(control);
  if (!w) return;
  HDC dc = plat::gdi::CreateWindowDC(control);
  HWND parent = (w->style & WS_CHILD) ? w->parent : nullptr;
  HBRUSH brush = parent ? reinterpret_cast<HBRUSH>(SendMessageW(parent, ctlColorMessage, reinterpret_cast<WPARAM>(dc),
                                                                reinterpret_cast<LPARAM>(control)))
                        : reinterpret_cast<HBRUSH>(DefWindowProcW(control, ctlColorMessage,
                                                                  reinterpret_cast<WPARAM>(dc),
                                                                  reinterpret_cast<LPARAM>(control)));
  if ((w = Find(control))) {
    RecordBrush(w, brush);
    RecordDc(w, dc);
    w->paint.painted = true;
  }
  plat::gdi::ReleaseWindowDC(dc);
  TreeChanged();
}

// A window's own background (the dialog manager's WM_ERASEBKGND uses it).
void RecordBackground(HWND window, HBRUSH brush, HDC dc) {
  if (Window* w = Find(window)) {
    RecordBrush(w, brush);
    RecordDc(w, dc);
    w->paint.painted = true;
  }
}

HFONT SystemFont() { return static_cast<HFONT>(GetStockObject(SYSTEM_FONT)); }

}  // namespace plat::user

extern "C" BOOL WINAPI InvalidateRect(HWND hwnd, const RECT*, BOOL) {
  if (!hwnd || !FindOrFail(hwnd)) return FALSE;
  Invalidate(hwnd);
  return TRUE;
}

extern "C" BOOL WINAPI ValidateRect(HWND hwnd, const RECT*) {
  SetPaintPending(hwnd, false);
  return TRUE;
}

extern "C" BOOL WINAPI UpdateWindow(HWND hwnd) {
  Window* w = FindOrFail(hwnd);
  if (!w) return FALSE;
  bool pending = false;
  {
    MessageQueue& queue = CurrentQueue();
    std::lock_guard lock(plat::kernel::PlatformLock());
    pending = queue.paintPending.erase(hwnd) > 0;
  }
  if (pending) SendMessageW(hwnd, WM_PAINT, 0, 0);
  return TRUE;
}

extern "C" BOOL WINAPI RedrawWindow(HWND hwnd, const RECT*, HRGN, UINT flags) {
  if (!FindOrFail(hwnd)) return FALSE;
  if (flags & (RDW_INVALIDATE | RDW_ERASE | RDW_FRAME)) Invalidate(hwnd);
  if (flags & RDW_ALLCHILDREN) {
    if (Window* w = Find(hwnd))
      for (HWND child : w->children) RedrawWindow(child, nullptr, nullptr, flags);
  }
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateWindow(hwnd);
  return TRUE;
}

extern "C" HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
  Window* w = FindOrFail(hwnd);
  if (!w || !paint) return nullptr;
  SetPaintPending(hwnd, false);
  *paint = PAINTSTRUCT{};
  paint->hdc = plat::gdi::CreateWindowDC(hwnd);
  paint->rcPaint = ClientRect(w);
  paint->fErase = TRUE;
  SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0);
  return paint->hdc;
}

extern "C" BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
  if (!paint) return FALSE;
  if (Window* w = Find(hwnd)) w->paint.painted = true;
  plat::gdi::ReleaseWindowDC(paint->hdc);
  return TRUE;
}

extern "C" HDC WINAPI GetDC(HWND hwnd) { return plat::gdi::CreateWindowDC(hwnd); }

extern "C" int WINAPI ReleaseDC(HWND, HDC dc) {
  plat::gdi::ReleaseWindowDC(dc);
  return 1;
}

extern "C" int WINAPI SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw) {
  Window* w = FindOrFail(hwnd);
  SCROLLINFO* state = w ? BarOf(w, bar) : nullptr;
  if (!state || !info) return 0;
  if (info->fMask & SIF_RANGE) {
    state->nMin = info->nMin;
    state->nMax = std::max(info->nMin, info->nMax);
  }
  if (info->fMask & SIF_PAGE) state->nPage = info->nPage;
  if (info->fMask & SIF_POS) state->nPos = info->nPos;
  state->nPos = ClampPosition(*state, state->nPos);
  if (redraw) Invalidate(hwnd);
  TreeChanged();
  return state->nPos;
}

extern "C" BOOL WINAPI GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info) {
  Window* w = FindOrFail(hwnd);
  SCROLLINFO* state = w ? BarOf(w, bar) : nullptr;
  if (!state || !info) return FALSE;
  const UINT mask = info->fMask;
  if (mask & SIF_RANGE) {
    info->nMin = state->nMin;
    info->nMax = state->nMax;
  }
  if (mask & SIF_PAGE) info->nPage = state->nPage;
  if (mask & SIF_POS) info->nPos = state->nPos;
  if (mask & SIF_TRACKPOS) info->nTrackPos = state->nPos;
  return TRUE;
}

extern "C" int WINAPI SetScrollPos(HWND hwnd, int bar, int position, BOOL redraw) {
  Window* w = FindOrFail(hwnd);
  SCROLLINFO* state = w ? BarOf(w, bar) : nullptr;
  if (!state) return 0;
  const int previous = state->nPos;
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, position, 0};
  SetScrollInfo(hwnd, bar, &info, redraw);
  return previous;
}

extern "C" int WINAPI GetScrollPos(HWND hwnd, int bar) {
  Window* w = FindOrFail(hwnd);
  SCROLLINFO* state = w ? BarOf(w, bar) : nullptr;
  return state ? state->nPos : 0;
}

extern "C" BOOL WINAPI SetScrollRange(HWND hwnd, int bar, int minimum, int maximum, BOOL redraw) {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, minimum, maximum, 0, 0, 0};
  Window* w = FindOrFail(hwnd);
  if (!w || !BarOf(w, bar)) return FALSE;
  SetScrollInfo(hwnd, bar, &info, redraw);
  return TRUE;
}

extern "C" BOOL WINAPI GetScrollRange(HWND hwnd, int bar, LPINT minimum, LPINT maximum) {
  Window* w = FindOrFail(hwnd);
  SCROLLINFO* state = w ? BarOf(w, bar) : nullptr;
  if (!state || !minimum || !maximum) return FALSE;
  *minimum = state->nMin;
  *maximum = state->nMax;
  return TRUE;
}

extern "C" int WINAPI GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN:
      return screenSize.cx;
    case SM_CYSCREEN:
      return screenSize.cy;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
      return plat::kScrollBarWidth;
    case SM_CYCAPTION:
      return plat::kCaptionHeight;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return 2;
    case SM_CXICON:
    case SM_CYICON:
      return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
      return 16;
    default:
      return 0;
  }
}

extern "C" BOOL WINAPI SetRect(LPRECT r, int left, int top, int right, int bottom) {
  if (!r) return FALSE;
  *r = RECT{left, top, right, bottom};
  return TRUE;
}

extern "C" BOOL WINAPI OffsetRect(LPRECT r, int dx, int dy) {
  if (!r) return FALSE;
  r->left += dx;
  r->right += dx;
  r->top += dy;
  r->bottom += dy;
  return TRUE;
}

extern "C" BOOL WINAPI PtInRect(const RECT* r, POINT p) {
  return r && p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom;
}

extern "C" BOOL WINAPI IsRectEmpty(const RECT* r) { return !r || r->right <= r->left || r->bottom <= r->top; }

extern "C" BOOL WINAPI InflateRect(LPRECT r, int dx, int dy) {
  if (!r) return FALSE;
  r->left -= dx;
  r->right += dx;
  r->top -= dy;
  r->bottom += dy;
  return TRUE;
}

extern "C" BOOL WINAPI IntersectRect(LPRECT out, const RECT* a, const RECT* b) {
  if (!out || !a || !b) return FALSE;
  *out = RECT{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
              std::min(a->bottom, b->bottom)};
  if (IsRectEmpty(out)) {
    *out = RECT{};
    return FALSE;
  }
  return TRUE;
}

extern "C" BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
  return a && b && a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

extern "C" BOOL WINAPI CopyRect(LPRECT out, const RECT* in) {
  if (!out || !in) return FALSE;
  *out = *in;
  return TRUE;
}
