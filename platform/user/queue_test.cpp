// Message queues on one thread: the order of retrieval (posted before input
// before paint before timers), timer periods without pile-up in virtual
// time, thread messages and quitting.
#include <gtest/gtest.h>
#include <plat/display.h>
#include <plat/system.h>
#include <windows.h>

#include <vector>

namespace {

std::vector<UINT>* received = nullptr;

LRESULT CALLBACK Recorder(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (received && (message == WM_TIMER || message == WM_APP || message == WM_PAINT || message == WM_CHAR))
    received->push_back(message);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

class Queue : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::UseManualClock(SYSTEMTIME{2026, 5, 4, 7, 9, 0, 0, 0});
    static const ATOM atom = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = Recorder;
      wc.lpszClassName = u"QueueTestWindow";
      return RegisterClassW(&wc);
    }();
    (void)atom;
    window = CreateWindowExW(0, u"QueueTestWindow", u"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                             nullptr, nullptr);
    DrainAll();
    received = &messages;
  }
  void TearDown() override {
    received = nullptr;
    DestroyWindow(window);
    plat::UseRealClock();
  }
  static void DrainAll() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  HWND window = nullptr;
  std::vector<UINT> messages;
};

TEST_F(Queue, TimersComeLastAfterPostedInputAndPaint) {
  SetTimer(window, 1, 10, nullptr);
  plat::AdvanceClock(10);
  InvalidateRect(window, nullptr, FALSE);
  plat::PostInput(window, WM_CHAR, 'a', 0);
  PostMessageW(window, WM_APP, 0, 0);
  DrainAll();
  EXPECT_EQ(messages, (std::vector<UINT>{WM_APP, WM_CHAR, WM_PAINT, WM_TIMER}));
}

TEST_F(Queue, OverdueTimerFiresOnceAndThenKeepsItsPeriod) {
  SetTimer(window, 1, 100, nullptr);
  plat::AdvanceClock(350);
  DrainAll();
  EXPECT_EQ(messages.size(), 1u);
  plat::AdvanceClock(99);
  DrainAll();
  EXPECT_EQ(messages.size(), 1u);
  plat::AdvanceClock(1);
  DrainAll();
  EXPECT_EQ(messages.size(), 2u);
  KillTimer(window, 1);
  plat::AdvanceClock(1000);
  DrainAll();
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(Queue, TimerOfADestroyedWindowGoesWithIt) {
  HWND other = CreateWindowExW(0, u"QueueTestWindow", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetTimer(other, 5, 1, nullptr);
  DestroyWindow(other);
  plat::AdvanceClock(10);
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

TEST_F(Queue, InputForAHiddenWindowIsDropped) {
  ShowWindow(window, SW_HIDE);
  plat::PostInput(window, WM_CHAR, 'a', 0);
  DrainAll();
  EXPECT_TRUE(messages.empty());
}

TEST_F(Queue, QuitMessageEndsGetMessageAfterPostedMessages) {
  PostMessageW(window, WM_APP, 0, 0);
  PostQuitMessage(3);
  MSG msg;
  ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_APP));
  EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(Queue, ThreadTimerCallsItsProcedure) {
  static int calls = 0;
  calls = 0;
  const UINT_PTR id = SetTimer(nullptr, 0, 5, [](HWND, UINT, UINT_PTR, DWORD) { ++calls; });
  plat::AdvanceClock(5);
  DrainAll();
  EXPECT_EQ(calls, 1);
  KillTimer(nullptr, id);
}

}  // namespace
