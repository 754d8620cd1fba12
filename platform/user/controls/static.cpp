// The static control ("Static"): text (SS_LEFT, SS_CENTER, SS_RIGHT,
// SS_LEFTNOWORDWRAP), icons and bitmaps (SS_ICON, SS_BITMAP), rectangles and
// frames, and the clicks of SS_NOTIFY statics.
//
// - An SS_ICON or SS_BITMAP static created with a resource name or ordinal as
//   its title loads the icon (LoadIconW) or bitmap (LoadBitmapW) from the
//   creating instance; a bitmap it loaded itself is deleted with it. Images
//   given with STM_SETICON/STM_SETIMAGE stay the caller's. The control keeps
//   its size (it is not fitted to the image).
// - Text, icon, bitmap and frame statics ask the parent for colours with
//   WM_CTLCOLORSTATIC; SS_BLACKRECT and SS_WHITERECT fill with their fixed
//   colours (the window text and window colours) and ask nobody.
// - Never takes the focus. With SS_NOTIFY a button press sends STN_CLICKED and
//   a double click STN_DBLCLK; without it, taps do nothing.
// - Gestures: kGestureTap (a tap at a client point) is taken as a press.
#include <plat/display.h>
#include <windows.h>

#include "user/window.h"

namespace {

struct StaticState {
  HANDLE icon = nullptr;
  HANDLE bitmap = nullptr;
  HBITMAP ownBitmap = nullptr;  // loaded by the control at creation
  HFONT font = nullptr;
};

StaticState* StateOf(HWND hwnd) { return plat::user::ControlState<StaticState>(hwnd); }

DWORD Kind(HWND hwnd) { return plat::user::StyleOf(hwnd) & SS_TYPEMASK; }

bool IsFilledRectangle(DWORD kind) { return kind == SS_BLACKRECT || kind == SS_WHITERECT; }

// The title of an image static names its image resource.
void LoadTitleImage(HWND hwnd, StaticState* state, const CREATESTRUCTW* cs) {
  const DWORD kind = static_cast<DWORD>(cs->style) & SS_TYPEMASK;
  LPCWSTR name = cs->lpszName;
  if (!name || (!IS_INTRESOURCE(name) && !*name) || (IS_INTRESOURCE(name) && !LOWORD(name))) return;
  if (kind == SS_ICON) {
    state->icon = LoadIconW(cs->hInstance, name);
  } else if (kind == SS_BITMAP) {
    state->bitmap = state->ownBitmap = LoadBitmapW(cs->hInstance, name);
  }
  if (state->icon || state->bitmap) plat::user::Invalidate(hwnd);
}

// The image slot that STM_SETIMAGE/STM_GETIMAGE address with an IMAGE_ type.
HANDLE* ImageSlot(StaticState* state, WPARAM type) {
  switch (type) {
    case IMAGE_BITMAP:
      return &state->bitmap;
    case IMAGE_ICON:
    case IMAGE_CURSOR:
      return &state->icon;
    default:
      return nullptr;
  }
}

LRESULT SetImage(HWND hwnd, StaticState* state, WPARAM type, HANDLE image) {
  return plat::user::ReplaceImage(hwnd, ImageSlot(state, type), image);
}

LRESULT GetImage(StaticState* state, WPARAM type) { return plat::user::ImageIn(ImageSlot(state, type)); }

// The black and white rectangles fill with their fixed colours; the others
// ask the parent.
void Paint(HWND hwnd) {
  const DWORD kind = Kind(hwnd);
  if (!IsFilledRectangle(kind)) return plat::user::PaintControl(hwnd, WM_CTLCOLORSTATIC);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  plat::user::RecordBackground(hwnd, GetSysColorBrush(kind == SS_BLACKRECT ? COLOR_WINDOWTEXT : COLOR_WINDOW), dc);
  EndPaint(hwnd, &paint);
}

void Notify(HWND hwnd, WORD code) {
  if (plat::user::StyleOf(hwnd) & SS_NOTIFY) plat::user::NotifyParentCommand(hwnd, code);
}

LRESULT Create(HWND hwnd, LPARAM lParam) {
  const LRESULT created = plat::user::CreateControlState<StaticState>(hwnd, lParam);
  StaticState* state = StateOf(hwnd);
  if (created && state && lParam) LoadTitleImage(hwnd, state, reinterpret_cast<const CREATESTRUCTW*>(lParam));
  return created;
}

void Destroy(HWND hwnd) {
  const StaticState* state = StateOf(hwnd);
  if (state && state->ownBitmap && state->ownBitmap == state->bitmap) DeleteObject(state->ownBitmap);
  plat::user::FreeControlState<StaticState>(hwnd);
}

LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return Create(hwnd, lParam);
  StaticState* state = StateOf(hwnd);
  if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (auto answer = plat::user::FontMessage(hwnd, state->font, message, wParam, lParam)) return *answer;
  switch (message) {
    case WM_NCDESTROY:
      Destroy(hwnd);
      return 0;
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_LBUTTONDOWN:
      Notify(hwnd, STN_CLICKED);
      return 0;
    case WM_LBUTTONDBLCLK:
      Notify(hwnd, STN_DBLCLK);
      return 0;
    case plat::WM_PLAT_GESTURE:
      if (wParam == plat::kGestureTap) Notify(hwnd, STN_CLICKED);
      return 0;
    case STM_SETICON:
      return SetImage(hwnd, state, IMAGE_ICON, reinterpret_cast<HANDLE>(wParam));
    case STM_GETICON:
      return GetImage(state, IMAGE_ICON);
    case STM_SETIMAGE:
      return SetImage(hwnd, state, wParam, reinterpret_cast<HANDLE>(lParam));
    case STM_GETIMAGE:
      return GetImage(state, wParam);
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

static const plat::user::SystemClassRegistrar registrar(u"Static", StaticProc, sizeof(LONG_PTR));
