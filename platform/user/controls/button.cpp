// The button control ("Button"): push and default push buttons, check boxes
// (two- and three-state, automatic or not), radio buttons (automatic or not)
// and group boxes, with BS_PUSHLIKE, BS_MULTILINE, BS_NOTIFY and BS_LEFTTEXT.
//
// - A click is a press and a release inside the button: a tap
//   (WM_LBUTTONDOWN then WM_LBUTTONUP inside; a release outside does not
//   click), the space bar (WM_KEYDOWN then WM_KEYUP VK_SPACE) or BM_CLICK,
//   which acts as a tap and does nothing on a disabled button. A press takes
//   the focus and shows the button pushed (BST_PUSHED) until the release.
// - A click toggles an automatic check box (a three-state one cycles
//   unchecked, checked, indeterminate), checks an automatic radio button and
//   unchecks every other radio button of its group (the siblings from the
//   nearest WS_GROUP control at or before it up to the next WS_GROUP
//   control), then sends BN_CLICKED. BM_SETCHECK changes the check only and
//   never notifies.
// - Group boxes take no clicks, no focus and no check.
// - BN_SETFOCUS, BN_KILLFOCUS and BN_DOUBLECLICKED only with BS_NOTIFY.
// - BM_SETSTYLE replaces the button type (the BS_TYPEMASK bits) and keeps the
//   other styles, so that the dialog manager can move BS_DEFPUSHBUTTON with
//   it; WM_GETDLGCODE follows.
// - Colours: push buttons and BS_PUSHLIKE check boxes and radio buttons (drawn
//   as push buttons) ask with WM_CTLCOLORBTN; other check boxes, radio buttons
//   and group boxes with WM_CTLCOLORSTATIC.
// - Gestures: kGestureTap (a tap at a client point) is taken as a tap.
#include <plat/display.h>
#include <windows.h>

#include <vector>

#include "user/window.h"

namespace {

enum class Kind { Push, DefaultPush, CheckBox, RadioButton, GroupBox };

struct ButtonState {
  UINT check = BST_UNCHECKED;
  bool pushed = false;
  bool tracking = false;  // a press by the stylus is under way
  bool spacePressed = false;
  HANDLE icon = nullptr;
  HANDLE bitmap = nullptr;
  HFONT font = nullptr;
};

ButtonState* StateOf(HWND hwnd) { return plat::user::ControlState<ButtonState>(hwnd); }

DWORD Type(HWND hwnd) { return plat::user::StyleOf(hwnd) & BS_TYPEMASK; }

Kind KindOf(DWORD type) {
  switch (type) {
    case BS_DEFPUSHBUTTON:
      return Kind::DefaultPush;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return Kind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return Kind::RadioButton;
    case BS_GROUPBOX:
      return Kind::GroupBox;
    default:
      return Kind::Push;
  }
}

Kind KindOf(HWND hwnd) { return KindOf(Type(hwnd)); }

bool IsThreeState(DWORD type) { return type == BS_3STATE || type == BS_AUTO3STATE; }

LRESULT DialogCode(HWND hwnd) {
  switch (KindOf(hwnd)) {
    case Kind::Push:
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case Kind::DefaultPush:
      return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case Kind::RadioButton:
      return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case Kind::CheckBox:
      return DLGC_BUTTON;
    case Kind::GroupBox:
      return DLGC_STATIC;
  }
  return DLGC_BUTTON;
}

UINT ColorMessage(HWND hwnd) {
  const Kind kind = KindOf(hwnd);
  const bool pushLike =
      (kind == Kind::CheckBox || kind == Kind::RadioButton) && (plat::user::StyleOf(hwnd) & BS_PUSHLIKE);
  return (kind == Kind::Push || kind == Kind::DefaultPush || pushLike) ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC;
}

void NotifyIfAsked(HWND hwnd, WORD code) {
  if (plat::user::StyleOf(hwnd) & BS_NOTIFY) plat::user::NotifyParentCommand(hwnd, code);
}

void SetPushed(HWND hwnd, ButtonState* state, bool pushed) {
  if (state->pushed == pushed) return;
  state->pushed = pushed;
  plat::user::Invalidate(hwnd);
}

// The check a BM_SETCHECK value gives: two-state buttons know only checked
// and unchecked.
UINT CheckFor(DWORD type, WPARAM value) {
  if (value == BST_UNCHECKED) return BST_UNCHECKED;
  return (value == BST_INDETERMINATE && IsThreeState(type)) ? BST_INDETERMINATE : BST_CHECKED;
}

void SetCheck(HWND hwnd, ButtonState* state, WPARAM value) {
  const Kind kind = KindOf(hwnd);
  if (kind != Kind::CheckBox && kind != Kind::RadioButton) return;
  const UINT check = CheckFor(Type(hwnd), value);
  if (state->check == check) return;
  state->check = check;
  plat::user::Invalidate(hwnd);
}

// The siblings of a control that form its group, in order.
std::vector<HWND> GroupOf(HWND hwnd) {
  HWND first = hwnd;
  while (!(plat::user::StyleOf(first) & WS_GROUP)) {
    HWND previous = GetWindow(first, GW_HWNDPREV);
    if (!previous) break;
    first = previous;
  }
  std::vector<HWND> group{first};
  for (HWND next = GetWindow(first, GW_HWNDNEXT); next && !(plat::user::StyleOf(next) & WS_GROUP);
       next = GetWindow(next, GW_HWNDNEXT))
    group.push_back(next);
  return group;
}

void CheckRadioInGroup(HWND hwnd, ButtonState* state) {
  for (HWND sibling : GroupOf(hwnd)) {
    if (sibling != hwnd && (SendMessageW(sibling, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
      SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
  }
  SetCheck(hwnd, state, BST_CHECKED);
}

// What a click does to the button itself before the parent hears of it.
void ApplyClick(HWND hwnd, ButtonState* state) {
  switch (Type(hwnd)) {
    case BS_AUTOCHECKBOX:
      SetCheck(hwnd, state, state->check == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED);
      break;
    case BS_AUTO3STATE:
      SetCheck(hwnd, state, (state->check + 1) % 3);
      break;
    case BS_AUTORADIOBUTTON:
      CheckRadioInGroup(hwnd, state);
      break;
    default:
      break;
  }
}

void Click(HWND hwnd, ButtonState* state) {
  ApplyClick(hwnd, state);
  plat::user::NotifyParentCommand(hwnd, BN_CLICKED);
}

bool TakesClicks(HWND hwnd) { return KindOf(hwnd) != Kind::GroupBox; }

// Starts a press; taking the focus may run the program's code, so the state
// is looked up afterwards.
void Press(HWND hwnd) {
  plat::user::TakeFocus(hwnd);
  ButtonState* state = StateOf(hwnd);
  if (!state) return;
  state->tracking = true;
  SetCapture(hwnd);
  SetPushed(hwnd, state, true);
}

bool Inside(HWND hwnd, LPARAM point) {
  RECT client;
  GetClientRect(hwnd, &client);
  return PtInRect(&client, plat::user::PointFrom(point));
}

// Ends a press by the stylus; it clicks when the stylus leaves inside.
void Release(HWND hwnd, ButtonState* state, bool click) {
  if (!state->tracking) return;
  state->tracking = false;
  if (GetCapture() == hwnd) ReleaseCapture();
  SetPushed(hwnd, state, false);
  if (click) Click(hwnd, state);
}

void Tap(HWND hwnd, bool endsInside) {
  Press(hwnd);
  if (ButtonState* state = StateOf(hwnd)) Release(hwnd, state, endsInside);
}

void CancelPress(HWND hwnd, ButtonState* state) {
  Release(hwnd, state, false);
  state->spacePressed = false;
  SetPushed(hwnd, state, false);
}

void KeyDown(HWND hwnd, ButtonState* state, WPARAM key) {
  if (key != VK_SPACE || !TakesClicks(hwnd)) return;
  state->spacePressed = true;
  SetPushed(hwnd, state, true);
}

void KeyUp(HWND hwnd, ButtonState* state, WPARAM key) {
  if (key != VK_SPACE || !state->spacePressed) return;
  state->spacePressed = false;
  SetPushed(hwnd, state, false);
  Click(hwnd, state);
}

void FocusChanged(HWND hwnd, ButtonState* state, bool gained) {
  if (!gained) CancelPress(hwnd, state);
  plat::user::Invalidate(hwnd);
  NotifyIfAsked(hwnd, gained ? BN_SETFOCUS : BN_KILLFOCUS);
}

LRESULT StateBits(HWND hwnd, const ButtonState* state) {
  return static_cast<LRESULT>(state->check | (state->pushed ? BST_PUSHED : 0) | (GetFocus() == hwnd ? BST_FOCUS : 0));
}

void SetType(HWND hwnd, WPARAM style) {
  plat::user::Window* w = plat::user::Find(hwnd);
  if (!w) return;
  w->style = (w->style & ~static_cast<DWORD>(BS_TYPEMASK)) | (static_cast<DWORD>(style) & BS_TYPEMASK);
  plat::user::Invalidate(hwnd);
}

// The image slot that BM_SETIMAGE/BM_GETIMAGE address with an IMAGE_ type.
HANDLE* ImageSlot(ButtonState* state, WPARAM type) {
  if (type == IMAGE_BITMAP) return &state->bitmap;
  if (type == IMAGE_ICON) return &state->icon;
  return nullptr;
}

void Destroy(HWND hwnd) {
  if (GetCapture() == hwnd) ReleaseCapture();
  plat::user::FreeControlState<ButtonState>(hwnd);
}

LRESULT Mouse(HWND hwnd, ButtonState* state, UINT message, LPARAM point) {
  if (!TakesClicks(hwnd)) return 0;
  switch (message) {
    case WM_LBUTTONDBLCLK:
      NotifyIfAsked(hwnd, BN_DOUBLECLICKED);
      Press(hwnd);
      break;
    case WM_LBUTTONDOWN:
      Press(hwnd);
      break;
    case WM_MOUSEMOVE:
      if (state->tracking) SetPushed(hwnd, state, Inside(hwnd, point));
      break;
    case WM_LBUTTONUP:
      Release(hwnd, state, Inside(hwnd, point));
      break;
    default:
      break;
  }
  return 0;
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return plat::user::CreateControlState<ButtonState>(hwnd, lParam);
  ButtonState* state = StateOf(hwnd);
  if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (auto answer = plat::user::FontMessage(hwnd, state->font, message, wParam, lParam)) return *answer;
  switch (message) {
    case WM_NCDESTROY:
      Destroy(hwnd);
      return 0;
    case WM_PAINT:
      plat::user::PaintControl(hwnd, ColorMessage(hwnd));
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(hwnd);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      return Mouse(hwnd, state, message, lParam);
    case plat::WM_PLAT_GESTURE:
      if (wParam == plat::kGestureTap && TakesClicks(hwnd)) Tap(hwnd, Inside(hwnd, lParam));
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, state, wParam);
      return 0;
    case WM_KEYUP:
      KeyUp(hwnd, state, wParam);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      FocusChanged(hwnd, state, message == WM_SETFOCUS);
      return 0;
    case WM_ENABLE:
      if (!wParam) CancelPress(hwnd, state);
      return 0;
    case BM_CLICK:
      if (TakesClicks(hwnd) && IsWindowEnabled(hwnd)) Tap(hwnd, true);
      return 0;
    case BM_GETCHECK:
      return static_cast<LRESULT>(state->check);
    case BM_SETCHECK:
      SetCheck(hwnd, state, wParam);
      return 0;
    case BM_GETSTATE:
      return StateBits(hwnd, state);
    case BM_SETSTATE:
      SetPushed(hwnd, state, wParam != 0);
      return 0;
    case BM_SETSTYLE:
      SetType(hwnd, wParam);
      return 0;
    case BM_SETIMAGE:
      return plat::user::ReplaceImage(hwnd, ImageSlot(state, wParam), reinterpret_cast<HANDLE>(lParam));
    case BM_GETIMAGE:
      return plat::user::ImageIn(ImageSlot(state, wParam));
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

static const plat::user::SystemClassRegistrar registrar(u"Button", ButtonProc, sizeof(LONG_PTR));
