// The tab control ("SysTabControl32"): a row of tabs, each with text, item
// data (lParam) and state (TCIS_BUTTONPRESSED, TCIS_HIGHLIGHTED), one of
// them selected, and a person's taps, keys and gestures on it.
//
// - Layout: one row at the top (TCM_GETROWCOUNT is 1; TCS_BOTTOM and
//   TCS_MULTILINE lay out the same), tabs laid left to right from x 0, each
//   as high as the item height (default 20) and as wide as its text's extent
//   + 12 or, with TCS_FIXEDWIDTH and a width set by TCM_SETITEMSIZE, that
//   width. TCM_SETITEMSIZE returns the old MAKELONG(width, height); the
//   width is 0 until one is set. TCM_ADJUSTRECT: the display area is what
//   lies below the row (and back).
// - Selection: the first tab inserted becomes selected, as on the platform.
//   Inserting or deleting tabs before the selection moves it with its tab;
//   deleting the selected tab leaves none selected (-1). TCM_SETCURSEL
//   returns the previous selection (-1 for a bad index) and never notifies.
//   The focus tab follows the selection; TCM_SETCURFOCUS without TCS_BUTTONS
//   selects as a person does, notifications included (the platform does
//   so); with TCS_BUTTONS it moves only the focus.
// - A person: a tap on a tab selects it; a tap anywhere takes the focus
//   unless TCS_FOCUSNEVER; VK_LEFT/VK_RIGHT move the selection by one while
//   the control has the focus. Selecting sends TCN_SELCHANGING (a non-zero
//   answer keeps the current tab), then changes, then sends TCN_SELCHANGE;
//   selecting the current tab sends nothing. NM_CLICK is not sent.
// - Gestures: kGestureChoose(index) acts as a tap on that tab (ignored for a
//   tab that does not exist), kGestureTap(MAKELPARAM(x, y)) as a tap at that
//   client point.
// - The platform's tab control asks its parent for no colours: it paints
//   (and records) its own COLOR_BTNFACE background.
#include <commctrl.h>
#include <plat/display.h>
#include <plat/gdi.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "user/window.h"

using namespace plat::user;

namespace {

constexpr int kDefaultHeight = 20;
constexpr int kTextPadding = 12;

struct Tab {
  std::u16string text;
  LPARAM data = 0;
  DWORD state = 0;
};

struct TabControl {
  std::vector<Tab> tabs;
  int selection = -1;
  int focus = -1;
  int width = 0;  // TCS_FIXEDWIDTH: the width of every tab; 0: from the text
  int height = kDefaultHeight;
  HFONT font = nullptr;
};

TabControl* StateOf(HWND hwnd) { return ControlState<TabControl>(hwnd); }

bool Valid(const TabControl& control, int index) {
  return index >= 0 && index < static_cast<int>(control.tabs.size());
}

int TabWidth(HWND hwnd, const TabControl& control, const Tab& tab) {
  if ((StyleOf(hwnd) & TCS_FIXEDWIDTH) && control.width > 0) return control.width;
  return plat::gdi::TextExtent(control.font, tab.text.c_str(), static_cast<int>(tab.text.size())).cx + kTextPadding;
}

RECT TabRect(HWND hwnd, const TabControl& control, int index) {
  int left = 0;
  for (int i = 0; i < index; ++i) left += TabWidth(hwnd, control, control.tabs[i]);
  return RECT{left, 0, left + TabWidth(hwnd, control, control.tabs[index]), control.height};
}

int TabAt(HWND hwnd, const TabControl& control, POINT point) {
  for (int i = 0; i < static_cast<int>(control.tabs.size()); ++i) {
    const RECT r = TabRect(hwnd, control, i);
    if (PtInRect(&r, point)) return i;
  }
  return -1;
}

// ---- the items ----

void ApplyItem(Tab& tab, const TCITEMW& item) {
  if (item.mask & TCIF_TEXT) tab.text = item.pszText ? item.pszText : u"";
  if (item.mask & TCIF_PARAM) tab.data = item.lParam;
  if (item.mask & TCIF_STATE) tab.state = (tab.state & ~item.dwStateMask) | (item.dwState & item.dwStateMask);
}

LRESULT InsertItem(HWND hwnd, TabControl& control, int index, const TCITEMW* item) {
  if (!item || index < 0) return -1;
  index = std::min(index, static_cast<int>(control.tabs.size()));
  Tab tab;
  ApplyItem(tab, *item);
  control.tabs.insert(control.tabs.begin() + index, tab);
  if (control.selection < 0) {
    control.selection = control.focus = index;
  } else {
    if (control.selection >= index) ++control.selection;
    if (control.focus >= index) ++control.focus;
  }
  Invalidate(hwnd);
  return index;
}

LRESULT GetItem(const TabControl& control, int index, TCITEMW* item) {
  if (!item || !Valid(control, index)) return FALSE;
  const Tab& tab = control.tabs[index];
  if (item->mask & TCIF_TEXT) CopyTextOut(tab.text, item->pszText, item->cchTextMax);
  if (item->mask & TCIF_PARAM) item->lParam = tab.data;
  if (item->mask & TCIF_STATE) item->dwState = tab.state & item->dwStateMask;
  return TRUE;
}

LRESULT SetItem(HWND hwnd, TabControl& control, int index, const TCITEMW* item) {
  if (!item || !Valid(control, index)) return FALSE;
  ApplyItem(control.tabs[index], *item);
  Invalidate(hwnd);
  return TRUE;
}

// The index that `current` becomes when the tab at `removed` goes.
int AfterRemoval(int current, int removed) {
  if (current == removed) return -1;
  return current > removed ? current - 1 : current;
}

LRESULT DeleteItem(HWND hwnd, TabControl& control, int index) {
  if (!Valid(control, index)) return FALSE;
  control.tabs.erase(control.tabs.begin() + index);
  control.selection = AfterRemoval(control.selection, index);
  control.focus = AfterRemoval(control.focus, index);
  Invalidate(hwnd);
  return TRUE;
}

LRESULT DeleteAllItems(HWND hwnd, TabControl& control) {
  control.tabs.clear();
  control.selection = control.focus = -1;
  Invalidate(hwnd);
  return TRUE;
}

LRESULT Highlight(HWND hwnd, TabControl& control, int index, bool on) {
  if (!Valid(control, index)) return FALSE;
  DWORD& state = control.tabs[index].state;
  state = on ? (state | TCIS_HIGHLIGHTED) : (state & ~TCIS_HIGHLIGHTED);
  Invalidate(hwnd);
  return TRUE;
}

// ---- selection ----

LRESULT SetCurSel(HWND hwnd, TabControl& control, int index) {
  if (!Valid(control, index)) return -1;
  const int previous = control.selection;
  control.selection = control.focus = index;
  Invalidate(hwnd);
  return previous;
}

// A person's selection (or TCM_SETCURFOCUS): asks the parent first.
void SelectWithNotice(HWND hwnd, int index) {
  TabControl* control = StateOf(hwnd);
  if (!control || !Valid(*control, index) || index == control->selection) return;
  if (NotifyParent(hwnd, TCN_SELCHANGING)) return;
  if (!(control = StateOf(hwnd)) || !Valid(*control, index)) return;
  SetCurSel(hwnd, *control, index);
  NotifyParent(hwnd, TCN_SELCHANGE);
}

LRESULT SetCurFocus(HWND hwnd, TabControl& control, int index) {
  if (!Valid(control, index)) return 0;
  if (StyleOf(hwnd) & TCS_BUTTONS) {
    control.focus = index;
    Invalidate(hwnd);
  } else {
    SelectWithNotice(hwnd, index);
  }
  return 0;
}

// ---- a person's input ----

void TakeFocusOnTap(HWND hwnd) {
  if (!(StyleOf(hwnd) & TCS_FOCUSNEVER)) TakeFocus(hwnd);
}

void Choose(HWND hwnd, int index) {
  TabControl* control = StateOf(hwnd);
  if (!control || !Valid(*control, index)) return;
  TakeFocusOnTap(hwnd);
  SelectWithNotice(hwnd, index);
}

void Tap(HWND hwnd, POINT point) {
  TakeFocusOnTap(hwnd);
  if (TabControl* control = StateOf(hwnd)) SelectWithNotice(hwnd, TabAt(hwnd, *control, point));
}

void KeyDown(HWND hwnd, const TabControl& control, WPARAM key) {
  if (GetFocus() != hwnd || (key != VK_LEFT && key != VK_RIGHT)) return;
  SelectWithNotice(hwnd, SteppedSelection(control.selection, key == VK_LEFT ? -1 : 1));
}

// ---- geometry and painting ----

LRESULT SetItemSize(HWND hwnd, TabControl& control, LPARAM size) {
  const LRESULT previous = MAKELONG(control.width, control.height);
  control.width = LOWORD(size);
  control.height = HIWORD(size);
  Invalidate(hwnd);
  return previous;
}

LRESULT GetItemRect(HWND hwnd, const TabControl& control, int index, RECT* rect) {
  if (!rect || !Valid(control, index)) return FALSE;
  *rect = TabRect(hwnd, control, index);
  return TRUE;
}

LRESULT AdjustRect(const TabControl& control, BOOL larger, RECT* rect) {
  if (rect) rect->top += larger ? -control.height : control.height;
  return 0;
}

LRESULT CALLBACK TabProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return CreateControlState<TabControl>(hwnd, lParam);
  TabControl* control = StateOf(hwnd);
  if (!control) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (auto answer = FontMessage(hwnd, control->font, message, wParam, lParam)) return *answer;
  const int index = static_cast<int>(wParam);
  switch (message) {
    case WM_NCDESTROY:
      FreeControlState<TabControl>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case TCM_INSERTITEMW:
      return InsertItem(hwnd, *control, index, reinterpret_cast<const TCITEMW*>(lParam));
    case TCM_GETITEMW:
      return GetItem(*control, index, reinterpret_cast<TCITEMW*>(lParam));
    case TCM_SETITEMW:
      return SetItem(hwnd, *control, index, reinterpret_cast<const TCITEMW*>(lParam));
    case TCM_DELETEITEM:
      return DeleteItem(hwnd, *control, index);
    case TCM_DELETEALLITEMS:
      return DeleteAllItems(hwnd, *control);
    case TCM_GETITEMCOUNT:
      return static_cast<LRESULT>(control->tabs.size());
    case TCM_GETCURSEL:
      return control->selection;
    case TCM_SETCURSEL:
      return SetCurSel(hwnd, *control, index);
    case TCM_GETCURFOCUS:
      return control->focus;
    case TCM_SETCURFOCUS:
      return SetCurFocus(hwnd, *control, index);
    case TCM_HIGHLIGHTITEM:
      return Highlight(hwnd, *control, index, LOWORD(lParam) != 0);
    case TCM_SETITEMSIZE:
      return SetItemSize(hwnd, *control, lParam);
    case TCM_GETITEMRECT:
      return GetItemRect(hwnd, *control, index, reinterpret_cast<RECT*>(lParam));
    case TCM_ADJUSTRECT:
      return AdjustRect(*control, static_cast<BOOL>(wParam), reinterpret_cast<RECT*>(lParam));
    case TCM_GETROWCOUNT:
      return 1;
    case WM_LBUTTONDOWN:
      Tap(hwnd, PointFrom(lParam));
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, *control, wParam);
      return 0;
    case plat::WM_PLAT_GESTURE:
      return ChooseOrTap(hwnd, wParam, lParam, Choose, Tap);
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate(hwnd);
      return 0;
    case WM_ERASEBKGND:
      return EraseWithSystemColors(hwnd, reinterpret_cast<HDC>(wParam), COLOR_BTNFACE, COLOR_BTNTEXT);
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

const SystemClassRegistrar registrar(WC_TABCONTROLW, TabProc, sizeof(LONG_PTR));

}  // namespace
