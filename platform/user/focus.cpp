// Showing, enabling, activation and keyboard focus: the messages that go
// with each change (WM_SHOWWINDOW, WM_ENABLE, WM_ACTIVATE, WM_SETFOCUS,
// WM_KILLFOCUS), and where activation and focus go when a window holding
// them is hidden, disabled or destroyed.
#include <windows.h>

#include <algorithm>

#include "user/queue.h"
#include "user/window.h"
#include "user/windows_internal.h"

using namespace plat::user;

namespace {

bool Holds(HWND ancestor, HWND window) { return window && (window == ancestor || IsChild(ancestor, window)); }

bool CanActivate(HWND hwnd) {
  Window* w = Find(hwnd);
  return w && !(w->style & WS_CHILD) && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED) && !w->destroying;
}

// The window that takes activation when `leaving` gives it up: its owner if
// it can, else the topmost window of the thread that can.
HWND Successor(HWND leaving) {
  Window* w = Find(leaving);
  if (w && w->owner && CanActivate(w->owner)) return w->owner;
  const DWORD thread = GetCurrentThreadId();
  for (HWND top : TopLevelWindows())
    if (top != leaving && WindowThread(top) == thread && CanActivate(top)) return top;
  return nullptr;
}

void SetFocusField(MessageQueue& queue, HWND focus) {
  std::lock_guard lock(plat::kernel::PlatformLock());
  queue.focus = focus;
}

void SetActiveField(MessageQueue& queue, HWND active) {
  std::lock_guard lock(plat::kernel::PlatformLock());
  queue.active = active;
}

void ChangeFocus(HWND to) {
  MessageQueue& queue = CurrentQueue();
  HWND from = queue.focus;
  if (from == to) return;
  SetFocusField(queue, to);
  if (from && IsWindow(from)) SendMessageW(from, WM_KILLFOCUS, reinterpret_cast<WPARAM>(to), 0);
  if (to && IsWindow(to) && queue.focus == to) SendMessageW(to, WM_SETFOCUS, reinterpret_cast<WPARAM>(from), 0);
  TreeChanged();
}

void Activate(HWND to) {
  MessageQueue& queue = CurrentQueue();
  HWND from = queue.active;
  if (from == to) return;
  SetActiveField(queue, to);
  if (from && IsWindow(from)) {
    SendMessageW(from, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(from, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(to));
  }
  if (to && IsWindow(to) && queue.active == to) {
    BringToTop(to);
    SendMessageW(to, WM_NCACTIVATE, TRUE, 0);
    SendMessageW(to, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), reinterpret_cast<LPARAM>(from));
  }
  if (!to && queue.focus) ChangeFocus(nullptr);
  TreeChanged();
}

// A window that stops being able to hold focus or activation passes them on.
void GiveUp(HWND hwnd) {
  MessageQueue& queue = CurrentQueue();
  if (Holds(hwnd, queue.focus)) ChangeFocus(nullptr);
  if (queue.active == hwnd) Activate(Successor(hwnd));
}

void Maximise(Window* w) {
  if (!(w->style & WS_MAXIMIZE)) w->normalRect = w->rect;
  w->style |= WS_MAXIMIZE;
  const SIZE screen = plat::ScreenSize();
  SetWindowPos(w->handle, nullptr, 0, 0, screen.cx, screen.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Restore(Window* w) {
  if (!(w->style & WS_MAXIMIZE)) return;
  w->style &= ~WS_MAXIMIZE;
  const RECT r = w->normalRect;
  SetWindowPos(w->handle, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void InvalidateTree(HWND hwnd) {
  Invalidate(hwnd);
  if (Window* w = Find(hwnd))
    for (HWND child : w->children) InvalidateTree(child);
}

}  // namespace

namespace plat::user {

void ActivateForInput(HWND window) {
  HWND top = TopLevelOf(window);
  if (top && CanActivate(top) && CurrentQueue().active != top) Activate(top);
}

}  // namespace plat::user

extern "C" BOOL WINAPI ShowWindow(HWND hwnd, int command) {
  Window* w = FindOrFail(hwnd);
  if (!w) return FALSE;
  const bool wasVisible = (w->style & WS_VISIBLE) != 0;
  if (command == SW_HIDE) {
    if (!wasVisible) return FALSE;
    w->style &= ~WS_VISIBLE;
    SendMessageW(hwnd, WM_SHOWWINDOW, FALSE, 0);
    SetPaintPending(hwnd, false);
    if (!(w = Find(hwnd))) return TRUE;
    if (w->style & WS_CHILD) {
      if (Holds(hwnd, CurrentQueue().focus)) ChangeFocus(nullptr);
    } else {
      GiveUp(hwnd);
    }
    TreeChanged();
    return TRUE;
  }
  if (command == SW_SHOWMAXIMIZED) Maximise(w);
  if (command == SW_SHOWNORMAL || command == SW_RESTORE) Restore(w);
  if (!(w = Find(hwnd))) return wasVisible;
  if (!wasVisible) {
    w->style |= WS_VISIBLE;
    SendMessageW(hwnd, WM_SHOWWINDOW, TRUE, 0);
  }
  InvalidateTree(hwnd);
  const bool activate = command != SW_SHOWNA && command != SW_SHOWNOACTIVATE && command != SW_SHOWMINNOACTIVE;
  if ((w = Find(hwnd)) && !(w->style & WS_CHILD)) {
    if (activate && CanActivate(hwnd)) {
      Activate(hwnd);
    } else if (!wasVisible) {
      BringToTop(hwnd);
    }
  }
  TreeChanged();
  return wasVisible;
}

extern "C" BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
  Window* w = FindOrFail(hwnd);
  if (!w) return FALSE;
  const bool wasDisabled = (w->style & WS_DISABLED) != 0;
  if (enable && wasDisabled) {
    w->style &= ~WS_DISABLED;
    SendMessageW(hwnd, WM_ENABLE, TRUE, 0);
  } else if (!enable && !wasDisabled) {
    w->style |= WS_DISABLED;
    if (Holds(hwnd, CurrentQueue().focus)) ChangeFocus(nullptr);
    SendMessageW(hwnd, WM_ENABLE, FALSE, 0);
  }
  if (wasDisabled != !enable) {
    Invalidate(hwnd);
    TreeChanged();
  }
  return wasDisabled;
}

extern "C" HWND WINAPI SetActiveWindow(HWND hwnd) {
  MessageQueue& queue = CurrentQueue();
  HWND previous = queue.active;
  if (hwnd && !FindOrFail(hwnd)) return nullptr;
  HWND top = hwnd ? TopLevelOf(hwnd) : nullptr;
  if (top && (Find(top)->style & WS_DISABLED)) return nullptr;
  Activate(top);
  return previous;
}

extern "C" HWND WINAPI GetActiveWindow(void) { return CurrentQueue().active; }
extern "C" HWND WINAPI GetForegroundWindow(void) { return CurrentQueue().active; }
extern "C" BOOL WINAPI SetForegroundWindow(HWND hwnd) { return SetActiveWindow(hwnd) != nullptr || GetActiveWindow() == hwnd; }

extern "C" HWND WINAPI SetFocus(HWND hwnd) {
  MessageQueue& queue = CurrentQueue();
  HWND previous = queue.focus;
  if (!hwnd) {
    ChangeFocus(nullptr);
    return previous;
  }
  Window* w = FindOrFail(hwnd);
  if (!w || w->threadId != GetCurrentThreadId() || !IsEnabledChain(w)) return nullptr;
  HWND top = TopLevelOf(hwnd);
  if (queue.active != top) {
    if (!CanActivate(top)) return nullptr;
    Activate(top);
    if (!IsWindow(hwnd)) return nullptr;
  }
  ChangeFocus(hwnd);
  return previous;
}

extern "C" HWND WINAPI GetFocus(void) { return CurrentQueue().focus; }

namespace {
thread_local HWND capture = nullptr;
}
extern "C" HWND WINAPI SetCapture(HWND hwnd) {
  HWND previous = capture;
  capture = hwnd;
  return previous;
}
extern "C" BOOL WINAPI ReleaseCapture(void) {
  capture = nullptr;
  return TRUE;
}
extern "C" HWND WINAPI GetCapture(void) { return capture; }

