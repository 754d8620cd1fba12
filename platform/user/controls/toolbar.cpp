// The toolbar ("ToolbarWindow32"): a row of image buttons and separators
// across its parent, their states, the image strips they draw from, and a
// person's clicks on them, told to the parent as WM_COMMAND.
//
// - Buttons are laid out from x 0 left to right at y 2, each of the button
//   size (default 24 x 22); a separator is iBitmap px wide when that is
//   positive, otherwise 8 px; hidden buttons take no room and have no
//   rectangle (TB_GETITEMRECT fails).
// - TB_ADDBITMAP adds wParam images of the bitmap size's width (default
//   16 x 15), side by side from x 0 of the bitmap: with hInst the bitmap
//   resource nID of that module, loaded with LoadBitmapW and deleted with the
//   toolbar; without, nID is the caller's HBITMAP, which stays the caller's.
//   It returns the index of the first new image, -1 on failure.
//   TB_PLAT_GETBUTTONIMAGE (commctrl.h) tells a display where each button's
//   image is. TB_SETBITMAPSIZE grows the button size to at least the bitmap
//   size + 8 x 7.
// - TB_AUTOSIZE, and creation, place the toolbar across the full width of
//   the parent's client area at its top (CCS_TOP, the default) or bottom
//   (CCS_BOTTOM), button height + 4 high. CCS_NOMOVEY keeps its y,
//   CCS_NOPARENTALIGN keeps its position and width (only the height is
//   set), CCS_NORESIZE leaves it alone.
// - A click: WM_LBUTTONDOWN on an enabled, visible button (not a separator)
//   shows it pressed (TBSTATE_PRESSED); WM_LBUTTONUP over the same button
//   releases and clicks it, elsewhere only releases. kGestureChoose(index)
//   clicks a button at once. A click toggles a TBSTYLE_CHECK button's
//   TBSTATE_CHECKED (TBSTYLE_CHECK | TBSTYLE_GROUP buttons stay checked and
//   uncheck the others of their run of such buttons, as TB_CHECKBUTTON does),
//   then sends WM_COMMAND(MAKEWPARAM(idCommand, BN_CLICKED), toolbar) to the
//   parent. Disabled or hidden buttons and separators take no clicks, and the
//   toolbar never takes the focus.
// - TB_INSERTBUTTON with an index beyond the buttons appends. TB_GETSTATE
//   returns -1 for an unknown command; the other command messages FALSE.
//   TB_BUTTONSTRUCTSIZE is accepted: TBBUTTON has one size here.
// - The platform's toolbar asks its parent for no colours: it paints with
//   COLOR_BTNFACE and COLOR_BTNTEXT.
#include <commctrl.h>
#include <plat/display.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "user/window.h"

namespace {

constexpr int kSeparatorWidth = 8;
constexpr int kBarPadding = 2;  // above and below the buttons
constexpr SIZE kImagePadding{8, 7};

struct ImageStrip {
  HBITMAP bitmap = nullptr;
  int first = 0;  // index of its first image
  int count = 0;
  bool owned = false;  // loaded by the toolbar
};

struct Toolbar {
  std::vector<TBBUTTON> buttons;
  std::vector<ImageStrip> strips;
  int imageCount = 0;
  SIZE bitmapSize{16, 15};
  SIZE buttonSize{24, 22};
  int pressed = -1;  // the button a person holds down
  HFONT font = nullptr;
};

Toolbar* StateOf(HWND hwnd) { return plat::user::ControlState<Toolbar>(hwnd); }
bool ValidIndex(const Toolbar& tb, int index) { return index >= 0 && index < static_cast<int>(tb.buttons.size()); }
bool IsSeparator(const TBBUTTON& button) { return (button.fsStyle & TBSTYLE_SEP) != 0; }
bool IsHidden(const TBBUTTON& button) { return (button.fsState & TBSTATE_HIDDEN) != 0; }
bool Clickable(const TBBUTTON& button) {
  return !IsSeparator(button) && !IsHidden(button) && (button.fsState & TBSTATE_ENABLED);
}

int IndexOf(const Toolbar& tb, int command) {
  const auto found = std::find_if(tb.buttons.begin(), tb.buttons.end(),
                                  [command](const TBBUTTON& button) { return button.idCommand == command; });
  return found == tb.buttons.end() ? -1 : static_cast<int>(found - tb.buttons.begin());
}

// ---- layout ----

int WidthOf(const Toolbar& tb, const TBBUTTON& button) {
  if (IsHidden(button)) return 0;
  if (IsSeparator(button)) return button.iBitmap > 0 ? button.iBitmap : kSeparatorWidth;
  return tb.buttonSize.cx;
}

bool ButtonRect(const Toolbar& tb, int index, RECT* rect) {
  if (!rect || !ValidIndex(tb, index) || IsHidden(tb.buttons[index])) return false;
  int left = 0;
  for (int i = 0; i < index; ++i) left += WidthOf(tb, tb.buttons[i]);
  *rect = RECT{left, kBarPadding, left + WidthOf(tb, tb.buttons[index]), kBarPadding + tb.buttonSize.cy};
  return true;
}

int ButtonAt(const Toolbar& tb, POINT point) {
  for (int i = 0; i < static_cast<int>(tb.buttons.size()); ++i) {
    RECT rect;
    if (ButtonRect(tb, i, &rect) && PtInRect(&rect, point)) return i;
  }
  return -1;
}

void AutoSize(HWND hwnd, const Toolbar& tb) {
  const DWORD style = plat::user::StyleOf(hwnd);
  const plat::user::Window* w = plat::user::Find(hwnd);
  HWND parent = GetParent(hwnd);
  if (!w || !parent || (style & CCS_NORESIZE)) return;
  const RECT now = w->rect;
  const int height = tb.buttonSize.cy + 2 * kBarPadding;
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (style & CCS_NOPARENTALIGN) {
    SetWindowPos(hwnd, nullptr, 0, 0, now.right - now.left, height, flags | SWP_NOMOVE);
    return;
  }
  RECT area{};
  GetClientRect(parent, &area);
  int y = 0;
  if ((style & CCS_BOTTOM) == CCS_BOTTOM) y = area.bottom - height;
  else if (style & CCS_NOMOVEY) y = now.top;
  SetWindowPos(hwnd, nullptr, 0, y, area.right, height, flags);
}

// ---- buttons ----

void ReleasePress(Toolbar& tb) {
  if (ValidIndex(tb, tb.pressed)) tb.buttons[tb.pressed].fsState &= ~TBSTATE_PRESSED;
  tb.pressed = -1;
}

bool IsGroupCheck(const TBBUTTON& button) {
  constexpr BYTE kCheckGroup = TBSTYLE_CHECK | TBSTYLE_GROUP;
  return (button.fsStyle & kCheckGroup) == kCheckGroup && !IsSeparator(button);
}

// Checks or unchecks a button; checking a check-group button unchecks the
// others of its run of check-group buttons.
void SetChecked(Toolbar& tb, int index, bool checked) {
  if (checked && IsGroupCheck(tb.buttons[index])) {
    for (int i = index - 1; i >= 0 && IsGroupCheck(tb.buttons[i]); --i) tb.buttons[i].fsState &= ~TBSTATE_CHECKED;
    for (int i = index + 1; ValidIndex(tb, i) && IsGroupCheck(tb.buttons[i]); ++i)
      tb.buttons[i].fsState &= ~TBSTATE_CHECKED;
  }
  BYTE& state = tb.buttons[index].fsState;
  state = checked ? (state | TBSTATE_CHECKED) : (state & ~TBSTATE_CHECKED);
}

void Click(HWND hwnd, Toolbar& tb, int index) {
  const TBBUTTON& button = tb.buttons[index];
  if (button.fsStyle & TBSTYLE_CHECK)
    SetChecked(tb, index, IsGroupCheck(button) || !(button.fsState & TBSTATE_CHECKED));
  const int command = button.idCommand;
  plat::user::Invalidate(hwnd);
  SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
}

bool AddButtons(HWND hwnd, Toolbar& tb, int index, int count, const TBBUTTON* buttons) {
  if (!buttons || count <= 0) return false;
  ReleasePress(tb);
  if (!ValidIndex(tb, index)) index = static_cast<int>(tb.buttons.size());
  tb.buttons.insert(tb.buttons.begin() + index, buttons, buttons + count);
  plat::user::Invalidate(hwnd);
  return true;
}

bool DeleteButton(HWND hwnd, Toolbar& tb, int index) {
  if (!ValidIndex(tb, index)) return false;
  ReleasePress(tb);
  tb.buttons.erase(tb.buttons.begin() + index);
  plat::user::Invalidate(hwnd);
  return true;
}

bool GetButton(const Toolbar& tb, int index, TBBUTTON* out) {
  if (!out || !ValidIndex(tb, index)) return false;
  *out = tb.buttons[index];
  return true;
}

// Sets or clears state bits of the button with a command.
bool SetStateBits(HWND hwnd, Toolbar& tb, int command, BYTE bits, bool on) {
  const int index = IndexOf(tb, command);
  if (index < 0) return false;
  if (bits == TBSTATE_CHECKED) {
    SetChecked(tb, index, on);
  } else {
    BYTE& state = tb.buttons[index].fsState;
    state = on ? (state | bits) : (state & ~bits);
  }
  plat::user::Invalidate(hwnd);
  return true;
}

bool HasStateBits(const Toolbar& tb, int command, BYTE bits) {
  const int index = IndexOf(tb, command);
  return index >= 0 && (tb.buttons[index].fsState & bits);
}

bool SetState(HWND hwnd, Toolbar& tb, int command, BYTE state) {
  const int index = IndexOf(tb, command);
  if (index < 0) return false;
  tb.buttons[index].fsState = state;
  plat::user::Invalidate(hwnd);
  return true;
}

// ---- images ----

int AddBitmap(Toolbar& tb, int count, const TBADDBITMAP* add) {
  if (!add || count <= 0) return -1;
  const bool load = add->hInst != nullptr;
  HBITMAP bitmap = load ? LoadBitmapW(add->hInst, MAKEINTRESOURCEW(add->nID)) : reinterpret_cast<HBITMAP>(add->nID);
  if (!bitmap || GetObjectType(bitmap) != OBJ_BITMAP) return -1;
  tb.strips.push_back(ImageStrip{bitmap, tb.imageCount, count, load});
  const int first = tb.imageCount;
  tb.imageCount += count;
  return first;
}

HBITMAP ButtonImage(const Toolbar& tb, int index, RECT* rect) {
  if (!ValidIndex(tb, index) || IsSeparator(tb.buttons[index])) return nullptr;
  const int image = tb.buttons[index].iBitmap;
  for (const ImageStrip& strip : tb.strips) {
    if (image < strip.first || image >= strip.first + strip.count) continue;
    const int left = (image - strip.first) * tb.bitmapSize.cx;
    if (rect) *rect = RECT{left, 0, left + tb.bitmapSize.cx, tb.bitmapSize.cy};
    return strip.bitmap;
  }
  return nullptr;
}

bool SetBitmapSize(HWND hwnd, Toolbar& tb, int width, int height) {
  if (width <= 0 || height <= 0) return false;
  tb.bitmapSize = SIZE{width, height};
  tb.buttonSize.cx = std::max<LONG>(tb.buttonSize.cx, width + kImagePadding.cx);
  tb.buttonSize.cy = std::max<LONG>(tb.buttonSize.cy, height + kImagePadding.cy);
  plat::user::Invalidate(hwnd);
  return true;
}

bool SetButtonSize(HWND hwnd, Toolbar& tb, int width, int height) {
  if (width <= 0 || height <= 0) return false;
  tb.buttonSize = SIZE{width, height};
  plat::user::Invalidate(hwnd);
  return true;
}

void FreeImages(Toolbar& tb) {
  for (const ImageStrip& strip : tb.strips)
    if (strip.owned) DeleteObject(strip.bitmap);
}

// ---- a person's input ----

void PressAt(HWND hwnd, Toolbar& tb, POINT point) {
  ReleasePress(tb);
  const int index = ButtonAt(tb, point);
  if (index < 0 || !Clickable(tb.buttons[index])) return;
  tb.pressed = index;
  tb.buttons[index].fsState |= TBSTATE_PRESSED;
  plat::user::Invalidate(hwnd);
}

void ReleaseAt(HWND hwnd, Toolbar& tb, POINT point) {
  const int index = tb.pressed;
  if (index < 0) return;
  ReleasePress(tb);
  plat::user::Invalidate(hwnd);
  if (ButtonAt(tb, point) == index && Clickable(tb.buttons[index])) Click(hwnd, tb, index);
}

void Choose(HWND hwnd, Toolbar& tb, int index) {
  if (ValidIndex(tb, index) && Clickable(tb.buttons[index])) Click(hwnd, tb, index);
}

// ---- messages ----

std::optional<LRESULT> ButtonMessage(HWND hwnd, Toolbar& tb, UINT message, WPARAM wParam, LPARAM lParam) {
  const int index = static_cast<int>(wParam);  // an index or a command
  const bool on = LOWORD(lParam) != 0;
  switch (message) {
    case TB_BUTTONSTRUCTSIZE:
      return 0;
    case TB_ADDBUTTONSW:
      return AddButtons(hwnd, tb, -1, index, reinterpret_cast<const TBBUTTON*>(lParam));
    case TB_INSERTBUTTONW:
      return AddButtons(hwnd, tb, index, 1, reinterpret_cast<const TBBUTTON*>(lParam));
    case TB_DELETEBUTTON:
      return DeleteButton(hwnd, tb, index);
    case TB_BUTTONCOUNT:
      return static_cast<LRESULT>(tb.buttons.size());
    case TB_GETBUTTON:
      return GetButton(tb, index, reinterpret_cast<TBBUTTON*>(lParam));
    case TB_COMMANDTOINDEX:
      return IndexOf(tb, index);
    case TB_GETITEMRECT:
      return ButtonRect(tb, index, reinterpret_cast<RECT*>(lParam));
    case TB_ENABLEBUTTON:
      return SetStateBits(hwnd, tb, index, TBSTATE_ENABLED, on);
    case TB_CHECKBUTTON:
      return SetStateBits(hwnd, tb, index, TBSTATE_CHECKED, on);
    case TB_PRESSBUTTON:
      return SetStateBits(hwnd, tb, index, TBSTATE_PRESSED, on);
    case TB_HIDEBUTTON:
      return SetStateBits(hwnd, tb, index, TBSTATE_HIDDEN, on);
    case TB_ISBUTTONENABLED:
      return HasStateBits(tb, index, TBSTATE_ENABLED);
    case TB_ISBUTTONCHECKED:
      return HasStateBits(tb, index, TBSTATE_CHECKED);
    case TB_SETSTATE:
      return SetState(hwnd, tb, index, static_cast<BYTE>(LOWORD(lParam)));
    case TB_GETSTATE: {
      const int found = IndexOf(tb, index);
      return found < 0 ? -1 : tb.buttons[found].fsState;
    }
    default:
      return std::nullopt;
  }
}

std::optional<LRESULT> BarMessage(HWND hwnd, Toolbar& tb, UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT point = plat::user::PointFrom(lParam);
  switch (message) {
    case TB_ADDBITMAP:
      return AddBitmap(tb, static_cast<int>(wParam), reinterpret_cast<const TBADDBITMAP*>(lParam));
    case TB_PLAT_GETBUTTONIMAGE:
      return reinterpret_cast<LRESULT>(ButtonImage(tb, static_cast<int>(wParam), reinterpret_cast<RECT*>(lParam)));
    case TB_SETBITMAPSIZE:
      return SetBitmapSize(hwnd, tb, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case TB_SETBUTTONSIZE:
      return SetButtonSize(hwnd, tb, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case TB_GETBUTTONSIZE:
      return MAKELONG(tb.buttonSize.cx, tb.buttonSize.cy);
    case WM_CREATE:
    case TB_AUTOSIZE:
      AutoSize(hwnd, tb);
      return 0;
    case WM_DESTROY:
      FreeImages(tb);
      return 0;
    case WM_ERASEBKGND:
      return plat::user::EraseWithSystemColors(hwnd, reinterpret_cast<HDC>(wParam), COLOR_BTNFACE, COLOR_BTNTEXT);
    case WM_LBUTTONDOWN:
      PressAt(hwnd, tb, point);
      return 0;
    case WM_LBUTTONUP:
      ReleaseAt(hwnd, tb, point);
      return 0;
    case plat::WM_PLAT_GESTURE:
      if (wParam != plat::kGestureChoose) return std::nullopt;
      Choose(hwnd, tb, static_cast<int>(lParam));
      return 0;
    default:
      return std::nullopt;
  }
}

LRESULT CALLBACK ToolbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return plat::user::CreateControlState<Toolbar>(hwnd, lParam);
  if (message == WM_NCDESTROY) {
    plat::user::FreeControlState<Toolbar>(hwnd);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  Toolbar* tb = StateOf(hwnd);
  if (!tb) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (auto result = plat::user::FontMessage(hwnd, tb->font, message, wParam, lParam)) return *result;
  if (auto result = ButtonMessage(hwnd, *tb, message, wParam, lParam)) return *result;
  if (auto result = BarMessage(hwnd, *tb, message, wParam, lParam)) return *result;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

const plat::user::SystemClassRegistrar registrar(TOOLBARCLASSNAMEW, ToolbarProc, sizeof(LONG_PTR));

}  // namespace
