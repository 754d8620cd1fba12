// Test support for the system's controls: a visible top-level parent that
// records the notifications its controls send (WM_COMMAND codes, WM_NOTIFY
// headers with list-view and date details) and answers colour requests with
// a chosen brush, and a pump that runs the calling thread's queue dry.
#pragma once
#include <commctrl.h>
#include <plat/display.h>
#include <windows.h>

#include <string>
#include <vector>

namespace plat::test {

struct Notification {
  UINT message = 0;  // WM_COMMAND or WM_NOTIFY
  int id = 0;
  UINT code = 0;     // notification code (WM_COMMAND: HIWORD(wParam))
  HWND from = nullptr;
  NMLISTVIEW listView{};   // WM_NOTIFY from a list view: the whole record
  NMDATETIMECHANGE date{};  // DTN_DATETIMECHANGE
};

class RecordingParent {
 public:
  RecordingParent(int width = 240, int height = 320) {
    static const ATOM registered = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &RecordingParent::Proc;
      wc.lpszClassName = u"PlatTestParent";
      return RegisterClassW(&wc);
    }();
    (void)registered;
    hwnd = CreateWindowExW(0, u"PlatTestParent", u"parent", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr,
                           nullptr, nullptr, this);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~RecordingParent() {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  }
  RecordingParent(const RecordingParent&) = delete;
  RecordingParent& operator=(const RecordingParent&) = delete;

  HWND Child(const char16_t* className, DWORD style, int id, const char16_t* text = u"", int x = 10, int y = 10,
             int width = 100, int height = 20) {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }

  // Codes of the notifications received so far, in order.
  std::vector<UINT> Codes() const {
    std::vector<UINT> codes;
    for (const auto& n : received) codes.push_back(n.code);
    return codes;
  }

  HWND hwnd = nullptr;
  std::vector<Notification> received;
  HBRUSH answerBrush = nullptr;  // answered to WM_CTLCOLOR* when set
  LRESULT notifyResult = 0;      // returned from WM_NOTIFY

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<RecordingParent*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_COMMAND) {
      Notification n;
      n.message = message;
      n.id = LOWORD(wParam);
      n.code = HIWORD(wParam);
      n.from = reinterpret_cast<HWND>(lParam);
      self->received.push_back(n);
      return 0;
    }
    if (message == WM_NOTIFY) {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      Notification n;
      n.message = message;
      n.id = static_cast<int>(header->idFrom);
      n.code = header->code;
      n.from = header->hwndFrom;
      if (header->code == LVN_ITEMCHANGED || header->code == LVN_ITEMCHANGING || header->code == LVN_DELETEITEM ||
          header->code == LVN_INSERTITEM || header->code == NM_DBLCLK || header->code == NM_CLICK) {
        n.listView = *reinterpret_cast<const NMLISTVIEW*>(lParam);
      }
      if (header->code == DTN_DATETIMECHANGE) n.date = *reinterpret_cast<const NMDATETIMECHANGE*>(lParam);
      self->received.push_back(n);
      return self->notifyResult;
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC && self->answerBrush)
      return reinterpret_cast<LRESULT>(self->answerBrush);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
};

// Dispatches everything the calling thread's queue holds, paints and due
// timers included, until it is empty.
inline void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// A tap (button down and up) at a client point of a window, as a person's input.
inline void Tap(HWND window, int x, int y) {
  plat::PostInput(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  plat::PostInput(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  Pump();
}

inline void Gesture(HWND window, WPARAM gesture, LPARAM argument) {
  plat::PostInput(window, plat::WM_PLAT_GESTURE, gesture, argument);
  Pump();
}

inline void Type(HWND window, const std::u16string& text) {
  for (char16_t c : text) plat::PostInput(window, WM_CHAR, c, 1);
  Pump();
}

inline void Key(HWND window, UINT vk) {
  plat::PostInput(window, WM_KEYDOWN, vk, 1);
  plat::PostInput(window, WM_KEYUP, vk, 1);
  Pump();
}

inline std::u16string Text(HWND window) {
  WCHAR buffer[1024];
  GetWindowTextW(window, buffer, 1024);
  return buffer;
}

}  // namespace plat::test
