// How displays meet the window system: the screen's geometry, the dialog
// base units, observers of what a person would see or hear (message boxes,
// beeps, the cursor, changes of the window tree), input posted as a person's
// own (mouse, keys and the controls' gestures), and the colours that the last
// painting pass of a window used.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace plat {

// ---- the screen ----
// Pixel size of the screen; maximised windows fill it. Default 240 x 320.
void SetScreenSize(int width, int height);
SIZE ScreenSize();
// Fixed dialog base units: 4 horizontal dialog units are kDialogBaseX pixels,
// 8 vertical ones kDialogBaseY pixels (1.75 pixels per unit either way).
constexpr int kDialogBaseX = 7;
constexpr int kDialogBaseY = 14;
// Non-client metrics.
constexpr int kCaptionHeight = 20;
constexpr int kScrollBarWidth = 13;

// ---- observers ----
class DisplayObserver {
 public:
  virtual ~DisplayObserver() = default;
  // A message box is about to run its modal loop (box is its window).
  virtual void OnMessageBox(HWND /*box*/, const std::u16string& /*text*/, const std::u16string& /*caption*/,
                            UINT /*type*/) {}
  virtual void OnBeep(UINT /*type*/) {}
  // The cursor shape changed (IDC_WAIT while work is under way, IDC_ARROW after).
  virtual void OnCursor(LPCWSTR /*shape*/) {}
  // Input that reached no window: it was for a hidden, disabled or destroyed one.
  virtual void OnInputDropped(HWND /*target*/, UINT /*message*/) {}
};
// Observers are called on the thread that acts (the UI thread); they must not block on it.
void AddDisplayObserver(DisplayObserver* observer);
void RemoveDisplayObserver(DisplayObserver* observer);
// Grows on every change of a window's existence, text, state, position or
// paint; displays compare it to know when to look again.
uint64_t WindowTreeVersion();
// The cursor shape now showing (IDC_ARROW or IDC_WAIT).
LPCWSTR CurrentCursorShape();

// ---- input ----
// Posts input as a person's own to a window: it joins the window's thread's
// input queue and is retrieved after posted messages. At retrieval it is
// dropped (and observers told) when the window or an ancestor is hidden or
// disabled or the window is gone. Safe from any thread.
bool PostInput(HWND target, UINT message, WPARAM wParam, LPARAM lParam);
// Keyboard input for a thread: delivered to the thread's focus window (or, with
// no focus, its active window) as it is when the key is retrieved.
bool PostKeyInput(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);

// Gestures: user actions on a control that displays cannot express as plain
// mouse and key messages. Posted with PostInput as WM_PLAT_GESTURE, wParam the
// gesture, lParam its argument. Each control documents which it takes.
constexpr UINT WM_PLAT_GESTURE = 0x7F00;
enum Gesture : WPARAM {
  kGestureChoose = 1,    // choose item/row/tab/button lParam (combo box, list view, tab, toolbar)
  kGestureActivate = 2,  // double tap item/row lParam (list view)
  kGestureCheck = 3,     // set the "no date" check box of a date picker: lParam 1 checked, 0 cleared
  kGestureSetDate = 4,   // set a date picker to the date lParam = YYYYMMDD
  kGestureScroll = 5,    // vertical scroll request: lParam = MAKELPARAM(SB_ code, position)
  kGestureTap = 6,       // a tap at client point lParam = MAKELPARAM(x, y)
  kGestureCaptionOk = 7, // the caption-bar OK button of a top-level window
  kGestureClose = 8,     // the caption's close box of a top-level window
};

// ---- paint records ----
struct PaintRecord {
  bool painted = false;      // a painting pass has run since the window was shown
  bool hasBackground = false;
  COLORREF background = 0;   // colour of the brush the parent (or the window) answered
  bool hollowBackground = false;
  int bkMode = OPAQUE;
  COLORREF textColor = 0;
  COLORREF bkColor = 0;
};
// What the last painting pass of a window recorded. Call on the window's thread.
PaintRecord GetPaintRecord(HWND window);

// ---- threads ----
// Runs work on the thread that owns window's queue and waits for it; the work is
// handled wherever the thread takes sent messages (also inside modal loops).
// Must not be used for work that itself waits for input. False when the thread is gone.
bool RunOnWindowThread(HWND window, const std::function<void()>& work);
bool RunOnThread(DWORD threadId, const std::function<void()>& work);

}  // namespace plat
