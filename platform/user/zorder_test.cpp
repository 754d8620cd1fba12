// The z order of top-level windows: a window brought to the top or
// activated goes above the others, and the windows it owns stay above it.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace {

HWND Popup(HWND owner) {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = u"ZOrderTestWindow";
    return RegisterClassW(&wc);
  }();
  (void)atom;
  return CreateWindowExW(0, u"ZOrderTestWindow", u"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, owner, nullptr, nullptr,
                         nullptr);
}

// The given windows in z order, topmost first.
std::vector<HWND> Order(const std::vector<HWND>& windows) {
  std::vector<HWND> order;
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    for (HWND wanted : windows) {
      if (window == wanted) order.push_back(window);
    }
  }
  return order;
}

TEST(ZOrder, AnOwnerRaisedOrActivatedKeepsItsOwnedWindowsAboveIt) {
  HWND host = Popup(nullptr);
  HWND screen = Popup(host);
  HWND prompt = Popup(screen);  // owned through the screen
  HWND other = Popup(nullptr);
  ASSERT_EQ(Order({host, screen, prompt, other}), (std::vector<HWND>{other, prompt, screen, host}));

  SetWindowPos(host, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(Order({host, screen, prompt, other}), (std::vector<HWND>{prompt, screen, host, other}));

  SetActiveWindow(other);
  SetActiveWindow(host);
  EXPECT_EQ(Order({host, screen, prompt, other}), (std::vector<HWND>{prompt, screen, host, other}));

  SetWindowPos(screen, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(Order({host, screen, prompt, other}), (std::vector<HWND>{prompt, screen, host, other}))
      << "an owned window raised stays below what it owns";
  for (HWND window : {prompt, screen, other, host}) DestroyWindow(window);
}

}  // namespace
