// The window manager's own view of a window and the services that the
// system's controls and dialogs build on. A window's fields belong to its
// thread; the table of windows is guarded by the platform lock.
#pragma once
#include <plat/display.h>
#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace plat::user {

struct WindowClass {
  std::u16string name;
  WNDPROC proc = nullptr;
  UINT style = 0;
  int classExtra = 0;
  int windowExtra = 0;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  bool system = false;
};

struct Window {
  HWND handle = nullptr;
  DWORD threadId = 0;
  std::shared_ptr<WindowClass> windowClass;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::u16string text;
  LONG_PTR id = 0;  // GWL_ID of a child window
  HINSTANCE instance = nullptr;
  LONG_PTR userData = 0;
  std::vector<LONG_PTR> extra;  // window extra bytes, in LONG_PTR slots
  HWND parent = nullptr;        // child windows: the parent
  HWND owner = nullptr;         // top-level windows: the owner
  std::vector<HWND> children;   // in z-order, topmost first (creation order for dialogs)
  RECT rect{};                  // child: in the parent's client co-ordinates; top-level: screen
  RECT normalRect{};            // the rectangle to restore from maximised
  bool destroying = false;
  bool redraw = true;
  SCROLLINFO vscroll{sizeof(SCROLLINFO), SIF_ALL, 0, 100, 0, 0, 0};
  SCROLLINFO hscroll{sizeof(SCROLLINFO), SIF_ALL, 0, 100, 0, 0, 0};
  std::map<std::u16string, HANDLE> properties;
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
  PaintRecord paint;
  HWND savedFocus = nullptr;  // dialogs: the control to focus on activation
};

// The window behind a handle, or null. The table has its own lock (taken
// last, after the platform lock); the fields are for the window's own thread.
Window* Find(HWND handle);
// The thread that owns a window, or 0. Safe from any thread.
DWORD WindowThread(HWND handle);
// Same as Find, setting ERROR_INVALID_WINDOW_HANDLE when there is none.
Window* FindOrFail(HWND handle);

// Registers a class of the system's controls (done at load by each control's module).
struct SystemClassRegistrar {
  SystemClassRegistrar(const char16_t* name, WNDPROC proc, int windowExtra, UINT style = 0);
};

// Ancestry and visibility.
HWND TopLevelOf(HWND window);
bool IsVisibleChain(const Window* window);  // the window and all its ancestors visible
bool IsEnabledChain(const Window* window);

// Client area of a window in its own co-ordinates (origin 0, 0) and the
// offset of the client area inside the window rectangle.
RECT ClientRect(const Window* window);
POINT ClientOrigin(const Window* window);  // client origin in screen co-ordinates

// Marks a window for repainting (and the tree as changed).
void Invalidate(HWND window);
void TreeChanged();

// Notifications to a control's parent.
LRESULT NotifyParentCommand(HWND control, WORD code);
LRESULT NotifyParent(HWND control, UINT code, NMHDR* header);  // fills hwndFrom, idFrom, code

// The painting pass of a control: asks the parent for the colours with
// ctlColorMessage (WM_CTLCOLORSTATIC, ...) and records what it answered.
void PaintWithParentColors(HWND control, UINT ctlColorMessage);

// The font controls use when none was set.
HFONT SystemFont();

// State of a system control, kept in its first window extra slot.
template <class State>
State* ControlState(HWND window) {
  Window* w = Find(window);
  return (w && !w->extra.empty()) ? reinterpret_cast<State*>(w->extra[0]) : nullptr;
}
void SetControlState(HWND window, void* state);

// The observers of what a person would see or hear.
std::vector<plat::DisplayObserver*>& Observers();
// Records a window's own background (brush and device-context colours).
void RecordBackground(HWND window, HBRUSH brush, HDC dc);

// Dialog units to pixels with the fixed base units.
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);

// ---- What the system's controls share (control_support.cpp) ----

// A control's state, made at WM_NCCREATE (the default procedure then stores
// the text) and freed at WM_NCDESTROY.
template <class State>
LRESULT CreateControlState(HWND control, LPARAM createStruct) {
  SetControlState(control, new State);
  return DefWindowProcW(control, WM_NCCREATE, 0, createStruct);
}
template <class State>
void FreeControlState(HWND control) {
  State* state = ControlState<State>(control);
  SetControlState(control, nullptr);
  delete state;
}

// A window's style bits (GWL_STYLE).
DWORD StyleOf(HWND window);

// WM_SETFONT (repainting when the low word of lParam asks) and WM_GETFONT for
// a control that keeps its font in `font`, null meaning the system font;
// nullopt for every other message.
std::optional<LRESULT> FontMessage(HWND control, HFONT& font, UINT message, WPARAM wParam, LPARAM lParam);

// The WM_PAINT pass of a control that asks its parent for colours.
void PaintControl(HWND control, UINT ctlColorMessage);
// WM_ERASEBKGND of a control that asks nobody: the background and the text
// in system colours (COLOR_ indexes), recorded as its own; returns 1.
LRESULT EraseWithSystemColors(HWND control, HDC dc, int backgroundColor, int textColor);

// A WM_NOTIFY that carries nothing but its header.
LRESULT NotifyParent(HWND control, UINT code);
// Gives a control the focus unless it has it already.
void TakeFocus(HWND control);
// A control's focus came or went: it is repainted and the parent told with a
// WM_COMMAND code (EN_SETFOCUS, CBN_KILLFOCUS, ...) or a bare WM_NOTIFY
// header (NM_SETFOCUS, NM_KILLFOCUS).
void NotifyFocusCommand(HWND control, WORD code);
void NotifyFocusHeader(HWND control, UINT code);

// The client point in a mouse message's or a kGestureTap's lParam.
POINT PointFrom(LPARAM packed);
// kGestureChoose(index) and kGestureTap(MAKELPARAM(x, y)) of a control of
// items, handed to its own choose and tap; other gestures are ignored.
LRESULT ChooseOrTap(HWND control, WPARAM gesture, LPARAM argument, void (*choose)(HWND control, int index),
                    void (*tap)(HWND control, POINT point));
// The item an arrow key's step from `selection` reaches: the first item
// when none is selected.
int SteppedSelection(int selection, int step);

// The image messages (STM_SETIMAGE, BM_SETIMAGE, ...) on the slot a control
// keeps for the image's type, null for a type it does not take (answered 0).
// Replacing repaints and returns the image replaced.
LRESULT ReplaceImage(HWND control, HANDLE* slot, HANDLE image);
LRESULT ImageIn(const HANDLE* slot);

// Copies text into a caller's buffer of `size` characters, cut to fit and
// terminated; the number of characters copied (0 without a buffer).
int CopyTextOut(const std::u16string& text, WCHAR* buffer, int size);

}  // namespace plat::user
