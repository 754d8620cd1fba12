// The headless desktop driving a UI thread: nested modal loops in which
// timers keep firing while a message box waits, messages sent from worker
// threads while the UI thread sits in a modal loop or a message-aware wait,
// two threads sending to each other, and what reaches the display.
#include <gtest/gtest.h>
#include <plat/headless_desktop.h>
#include <plat/system.h>
#include <commctrl.h>
#include <windows.h>

#include <atomic>
#include <cstring>
#include <vector>

namespace {

// A minimal in-memory dialog template without controls.
struct EmptyTemplate {
  EmptyTemplate(DWORD style, const char16_t* title) {
    DLGTEMPLATE head{style, 0, 0, 0, 0, 100, 40};
    std::memcpy(bytes, &head, sizeof head);
    size_t at = sizeof head + 4;  // no menu, default class
    for (const char16_t* c = title; *c; ++c, at += 2) std::memcpy(bytes + at, c, 2);
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes); }
  alignas(4) BYTE bytes[256] = {};
};

void RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

LRESULT CALLBACK Doubler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) return static_cast<LRESULT>(wParam * 2);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateDoubler() {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Doubler;
    wc.lpszClassName = u"DesktopTestDoubler";
    return RegisterClassW(&wc);
  }();
  (void)atom;
  return CreateWindowExW(0, u"DesktopTestDoubler", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

struct TimerScenario {
  int ticks = 0;
  int ticksInsideBox = 0;
  bool busy = false;
  INT_PTR result = 0;
};
TimerScenario* scenario = nullptr;

INT_PTR CALLBACK TickingDialog(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetTimer(dialog, 7, 10, nullptr);
    return TRUE;
  }
  if (message == WM_TIMER) {
    ++scenario->ticks;
    if (scenario->busy) {
      ++scenario->ticksInsideBox;
      return TRUE;
    }
    if (scenario->ticks == 3) {
      scenario->busy = true;
      MessageBoxW(dialog, u"done", u"end", MB_OK | MB_ICONINFORMATION);
      scenario->busy = false;
      EndDialog(dialog, 42);
    }
    return TRUE;
  }
  return FALSE;
}

TEST(HeadlessDesktop, TimersKeepFiringInsideANestedMessageBoxLoop) {
  TimerScenario state;
  scenario = &state;
  plat::HeadlessDesktop desktop;
  EmptyTemplate dialogTemplate(WS_POPUP | WS_CAPTION | WS_VISIBLE, u"ticking");
  desktop.QueueAnswer(IDOK, 5);
  desktop.Start([&] {
    state.result = DialogBoxIndirectParamW(nullptr, dialogTemplate.Get(), nullptr, TickingDialog, 0);
    RunMessageLoop();
  });
  ASSERT_TRUE(desktop.RunUntil([&] { return state.result != 0; }));
  EXPECT_EQ(state.result, 42);
  EXPECT_EQ(state.ticksInsideBox, 5);
  ASSERT_EQ(desktop.MessageBoxes().size(), 1u);
  EXPECT_EQ(desktop.MessageBoxes()[0].text, u"done");
  EXPECT_EQ(desktop.MessageBoxes()[0].caption, u"end");
  EXPECT_EQ(desktop.MessageBoxes()[0].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(desktop.OpenMessageBox(), nullptr);
  scenario = nullptr;
}

TEST(HeadlessDesktop, MessageBoxDisablesItsOwnerUntilAnswered) {
  plat::HeadlessDesktop desktop;
  HWND owner = nullptr;
  int answer = 0;
  desktop.Start([&] {
    owner = CreateDoubler();
    ShowWindow(owner, SW_SHOW);
    RunMessageLoop();
  });
  desktop.Post([&] { answer = MessageBoxW(owner, u"sure?", u"確認", MB_OKCANCEL | MB_ICONEXCLAMATION); });
  ASSERT_NE(desktop.OpenMessageBox(), nullptr);
  EXPECT_FALSE(desktop.IsEnabled(owner));
  EXPECT_TRUE(desktop.AnswerMessageBox(IDCANCEL));
  EXPECT_EQ(answer, IDCANCEL);
  EXPECT_TRUE(desktop.IsEnabled(owner));
  EXPECT_EQ(desktop.ActiveWindow(), owner);
}

DWORD WINAPI SendFive(LPVOID parameter) {
  return static_cast<DWORD>(SendMessageW(static_cast<HWND>(parameter), WM_APP, 5, 0));
}

TEST(HeadlessDesktop, WorkerSendsWhileTheUiThreadSitsInAModalLoop) {
  plat::HeadlessDesktop desktop;
  HWND target = nullptr;
  desktop.Start([&] {
    target = CreateDoubler();
    RunMessageLoop();
  });
  desktop.Post([] { MessageBoxW(nullptr, u"waiting", u"modal", MB_OK); });
  ASSERT_NE(desktop.OpenMessageBox(), nullptr);
  HANDLE worker = CreateThread(nullptr, 0, SendFive, target, 0, nullptr);
  desktop.Settle();
  ASSERT_EQ(WaitForSingleObject(worker, 0), WAIT_OBJECT_0);
  DWORD result = 0;
  GetExitCodeThread(worker, &result);
  EXPECT_EQ(result, 10u);
  CloseHandle(worker);
  EXPECT_NE(desktop.OpenMessageBox(), nullptr);
  desktop.AnswerMessageBox(IDOK);
}

struct Relay {
  HWND uiWindow = nullptr;
  std::atomic<int> sent{0};
};

DWORD WINAPI SendThreeTimes(LPVOID parameter) {
  auto* relay = static_cast<Relay*>(parameter);
  for (int i = 1; i <= 3; ++i) relay->sent += static_cast<int>(SendMessageW(relay->uiWindow, WM_APP, i, 0));
  return 0;
}

TEST(HeadlessDesktop, MessageAwareWaitTakesSentMessagesUntilTheWorkerEnds) {
  plat::HeadlessDesktop desktop;
  Relay relay;
  DWORD waitResult = 0;
  desktop.Start([&] {
    relay.uiWindow = CreateDoubler();
    HANDLE worker = CreateThread(nullptr, 0, SendThreeTimes, &relay, 0, nullptr);
    waitResult = MsgWaitForMultipleObjects(1, &worker, FALSE, INFINITE, QS_ALLINPUT);
    while (waitResult == WAIT_OBJECT_0 + 1) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
      waitResult = MsgWaitForMultipleObjects(1, &worker, FALSE, INFINITE, QS_ALLINPUT);
    }
    CloseHandle(worker);
    RunMessageLoop();
  });
  desktop.Settle();
  EXPECT_EQ(waitResult, WAIT_OBJECT_0);
  EXPECT_EQ(relay.sent.load(), 12);  // 2 + 4 + 6
}

struct PingPong {
  HWND uiWindow = nullptr;
  HWND workerWindow = nullptr;
  HANDLE workerReady = nullptr;
};
PingPong* pingPong = nullptr;

LRESULT CALLBACK Bouncer(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP + 1) return SendMessageW(pingPong->uiWindow, WM_APP, wParam + 1, 0) + 1;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

DWORD WINAPI BouncerThread(LPVOID) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = Bouncer;
  wc.lpszClassName = u"DesktopTestBouncer";
  RegisterClassW(&wc);
  pingPong->workerWindow =
      CreateWindowExW(0, u"DesktopTestBouncer", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetEvent(pingPong->workerReady);
  RunMessageLoop();
  DestroyWindow(pingPong->workerWindow);
  return 0;
}

TEST(HeadlessDesktop, TwoThreadsSendingToEachOtherNeverLock) {
  PingPong state;
  pingPong = &state;
  state.workerReady = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE worker = CreateThread(nullptr, 0, BouncerThread, nullptr, 0, nullptr);
  WaitForSingleObject(state.workerReady, INFINITE);
  plat::HeadlessDesktop desktop;
  LRESULT answer = 0;
  desktop.Start([&] {
    state.uiWindow = CreateDoubler();
    answer = SendMessageW(state.workerWindow, WM_APP + 1, 20, 0);
    RunMessageLoop();
  });
  EXPECT_EQ(answer, 43);  // (20 + 1) * 2 + 1
  DWORD workerThread = GetWindowThreadProcessId(state.workerWindow, nullptr);
  PostThreadMessageW(workerThread, WM_QUIT, 0, 0);
  WaitForSingleObject(worker, INFINITE);
  CloseHandle(worker);
  CloseHandle(state.workerReady);
  pingPong = nullptr;
}

TEST(HeadlessDesktop, BeepsAndTheWaitCursorReachTheDisplay) {
  plat::HeadlessDesktop desktop;
  desktop.Start(RunMessageLoop);
  desktop.Ui([] {
    MessageBeep(MB_ICONASTERISK);
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  });
  EXPECT_TRUE(desktop.WaitCursorShowing());
  desktop.Ui([] { SetCursor(LoadCursorW(nullptr, IDC_ARROW)); });
  EXPECT_EQ(desktop.Beeps(), (std::vector<UINT>{MB_ICONASTERISK}));
  EXPECT_EQ(desktop.WaitCursorShows(), 1);
  EXPECT_FALSE(desktop.WaitCursorShowing());
}

TEST(HeadlessDesktop, ActionsOnItemsThatDoNotExistFailAndChangeNothing) {
  plat::HeadlessDesktop desktop;
  HWND combo = nullptr, tabs = nullptr, toolbar = nullptr;
  desktop.Start([&] {
    HWND parent = CreateDoubler();
    SetWindowLongW(parent, GWL_STYLE, WS_POPUP);
    ShowWindow(parent, SW_SHOW);
    combo = CreateWindowExW(0, u"ComboBox", u"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 0, 80, 60, parent,
                            reinterpret_cast<HMENU>(1), nullptr, nullptr);
    for (const char16_t* item : {u"a", u"b"}) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    tabs = CreateWindowExW(0, u"SysTabControl32", u"", WS_CHILD | WS_VISIBLE, 0, 60, 80, 20, parent,
                           reinterpret_cast<HMENU>(2), nullptr, nullptr);
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<LPWSTR>(u"one");
    SendMessageW(tabs, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tab));
    toolbar = CreateWindowExW(0, u"ToolbarWindow32", u"", WS_CHILD | WS_VISIBLE, 0, 80, 80, 20, parent,
                              reinterpret_cast<HMENU>(3), nullptr, nullptr);
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON buttons[2] = {{0, 40, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0}, {1, 41, 0, TBSTYLE_BUTTON, {}, 0, 0}};
    SendMessageW(toolbar, TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(buttons));
    RunMessageLoop();
  });
  EXPECT_FALSE(desktop.Choose(combo, 2));
  EXPECT_FALSE(desktop.Choose(combo, u"c"));
  EXPECT_EQ(desktop.ComboSelection(combo), CB_ERR);
  EXPECT_TRUE(desktop.Choose(combo, 1));
  EXPECT_EQ(desktop.ComboSelection(combo), 1);
  EXPECT_FALSE(desktop.SelectTab(tabs, 1));
  EXPECT_EQ(desktop.TabSelection(tabs), 0);
  EXPECT_FALSE(desktop.ToolbarCommand(toolbar, 42)) << "no such button";
  EXPECT_FALSE(desktop.ToolbarCommand(toolbar, 41)) << "a disabled button";
  EXPECT_TRUE(desktop.ToolbarCommand(toolbar, 40));
}

TEST(HeadlessDesktop, FindsTheControlAPersonSeesBeforeAHiddenOneOfTheSameId) {
  plat::HeadlessDesktop desktop;
  HWND parent = nullptr, shownPage = nullptr;
  desktop.Start([&] {
    parent = CreateDoubler();
    SetWindowLongW(parent, GWL_STYLE, WS_POPUP);
    ShowWindow(parent, SW_SHOW);
    for (bool visible : {false, true}) {  // two pages, the first hidden, each with a control 7
      HWND page = CreateWindowExW(0, u"Static", u"", WS_CHILD | (visible ? WS_VISIBLE : 0), 0, 0, 80, 60, parent,
                                  nullptr, nullptr, nullptr);
      CreateWindowExW(0, u"Button", u"", WS_CHILD | WS_VISIBLE, 0, 0, 20, 10, page, reinterpret_cast<HMENU>(7),
                      nullptr, nullptr);
      if (visible) shownPage = page;
    }
    RunMessageLoop();
  });
  HWND control = desktop.FindControl(parent, 7);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(desktop.Ui([control] { return GetParent(control); }), shownPage);
  desktop.Ui([shownPage] { ShowWindow(shownPage, SW_HIDE); });
  EXPECT_NE(desktop.FindControl(parent, 7), nullptr) << "with none visible the first hidden one";
}

int timerTicks = 0;

TEST(HeadlessDesktop, AdvanceMovesVirtualTimeThroughEveryTimerTick) {
  plat::HeadlessDesktop desktop;
  timerTicks = 0;
  desktop.Start([] {
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) { ++timerTicks; });
    RunMessageLoop();
  });
  const uint64_t before = plat::ClockNow();
  desktop.Advance(1000);
  EXPECT_EQ(plat::ClockNow() - before, 1000u);
  EXPECT_EQ(timerTicks, 10);
}

}  // namespace
