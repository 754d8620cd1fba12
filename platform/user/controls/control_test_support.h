// Test support for the system's controls: a visible top-level parent that
// records the notifications its controls send (WM_COMMAND codes, WM_NOTIFY
// headers with list-view and date details) and the colour requests
// (WM_CTLCOLOR*) they make, answering those with chosen brushes; a pump that
// runs the calling thread's queue dry, a person's input, and the printing and
// naming of parameterised cases by their `name`.
#pragma once
#include <commctrl.h>
#include <gmock/gmock.h>
#include <plat/display.h>
#include <windows.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace plat::test {

struct Notification {
  UINT message = 0;  // WM_COMMAND or WM_NOTIFY
  int id = 0;
  UINT code = 0;     // notification code (WM_COMMAND: HIWORD(wParam))
  HWND from = nullptr;
  NMLISTVIEW listView{};   // WM_NOTIFY from a list view: the whole record (LVN_*, NM_CLICK, NM_DBLCLK)
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
    for (const auto& [message, brush] : colorAnswers_) DeleteObject(brush);
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

  // Answers one colour message (WM_CTLCOLORSTATIC, ...) with a brush of a
  // colour of its own (until the parent goes or another answer replaces it);
  // it comes before answerBrush.
  void AnswerColor(UINT message, COLORREF color) {
    HBRUSH& brush = colorAnswers_[message];
    if (brush) DeleteObject(brush);
    brush = CreateSolidBrush(color);
  }

  HWND hwnd = nullptr;
  std::vector<Notification> received;
  std::vector<UINT> colorRequests;  // the WM_CTLCOLOR* messages received, in order
  HBRUSH answerBrush = nullptr;     // answered to every WM_CTLCOLOR* when set
  LRESULT notifyResult = 0;         // returned from WM_NOTIFY

 private:
  static bool IsListView(HWND window) {
    WCHAR name[32] = u"";
    return GetClassNameW(window, name, 32) > 0 && lstrcmpiW(name, WC_LISTVIEWW) == 0;
  }

  // Only a list view's notifications carry the whole NMLISTVIEW; others may
  // be a bare NMHDR.
  static bool CarriesListView(const NMHDR& header) {
    switch (header.code) {
      case LVN_ITEMCHANGED:
      case LVN_ITEMCHANGING:
      case LVN_DELETEITEM:
      case LVN_INSERTITEM:
      case NM_DBLCLK:
      case NM_CLICK:
        return IsListView(header.hwndFrom);
      default:
        return false;
    }
  }

  HBRUSH ColorAnswer(UINT message) const {
    const auto found = colorAnswers_.find(message);
    return found != colorAnswers_.end() ? found->second : answerBrush;
  }

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
      if (CarriesListView(*header)) n.listView = *reinterpret_cast<const NMLISTVIEW*>(lParam);
      if (header->code == DTN_DATETIMECHANGE) n.date = *reinterpret_cast<const NMDATETIMECHANGE*>(lParam);
      self->received.push_back(n);
      return self->notifyResult;
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
      self->colorRequests.push_back(message);
      if (HBRUSH brush = self->ColorAnswer(message)) return reinterpret_cast<LRESULT>(brush);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  std::map<UINT, HBRUSH> colorAnswers_;
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

// Matches colour requests that came (at least one) and all asked with `message`.
inline auto OnlyAskedFor(UINT message) {
  return ::testing::AllOf(::testing::Not(::testing::IsEmpty()), ::testing::Each(message));
}

// Cases of parameterised tests that have a `name` print as it (bring it in
// with `using plat::test::PrintTo;` beside the cases) and name their tests
// with it (INSTANTIATE_TEST_SUITE_P(..., plat::test::CaseName{})).
template <class Case>
  requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

struct CaseName {
  template <class Info>
  std::string operator()(const Info& info) const {
    return std::string(info.param.name);
  }
};

}  // namespace plat::test
