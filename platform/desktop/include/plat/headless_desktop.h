// The headless desktop: a display without a screen. It runs the programs'
// user-interface thread, lets a test or a script act on the windows as a
// person would (taps, typing, keys, choosing items and rows, tabs, scrolling,
// toolbar commands, answering message boxes) and read what a person would
// see, waits until the whole system is quiescent, moves the manual clock on
// to the next due timer, and records every message box, beep and wait
// cursor. Every action is input posted to the UI thread; every reading runs
// on the UI thread, so window state is only ever touched there.
#pragma once
#include <commctrl.h>
#include <plat/display.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <type_traits>
#include <vector>

namespace plat {

class HeadlessDesktop : public DisplayObserver {
 public:
  struct Options {
    bool manualClock = true;
    SYSTEMTIME start{2026, 5, 4, 7, 9, 0, 0, 0};  // Thursday 7 May 2026, 09:00:00
    SIZE screen{240, 320};
  };
  struct MessageBoxRecord {
    std::u16string text;
    std::u16string caption;
    UINT type = 0;
  };

  HeadlessDesktop();
  explicit HeadlessDesktop(const Options& options);
  ~HeadlessDesktop() override;
  HeadlessDesktop(const HeadlessDesktop&) = delete;
  HeadlessDesktop& operator=(const HeadlessDesktop&) = delete;

  // ---- the UI thread ----
  // Starts the UI thread running uiMain (which creates windows and runs a
  // message loop) and settles.
  void Start(std::function<void()> uiMain);
  // Posts WM_QUIT to the UI thread and waits for uiMain to return.
  void Stop();
  DWORD UiThread() const { return uiThread_; }
  // Runs work on the UI thread and returns its result. For readings and calls
  // that return without waiting for input; use Post for everything else.
  template <class F>
  auto Ui(F&& work) -> std::invoke_result_t<F&> {
    using R = std::invoke_result_t<F&>;
    if constexpr (std::is_void_v<R>) {
      RunOnUi([&] { work(); });
    } else {
      R result{};
      RunOnUi([&] { result = work(); });
      return result;
    }
  }
  // Runs work on the UI thread without waiting for it (it may open modal loops), then settles.
  void Post(std::function<void()> work);

  // ---- quiescence and virtual time ----
  // Waits until the system is idle, answering queued message-box answers on the way.
  void Settle();
  // Settles, then moves the manual clock to the next deadline and settles
  // again, until the predicate holds (checked after each settling). False
  // when it never held within maxSteps or nothing waited on time.
  bool RunUntil(const std::function<bool()>& predicate, int maxSteps = 1000000);
  // Moves the manual clock on by milliseconds, one deadline at a time, settling after each.
  void Advance(uint64_t milliseconds);

  // ---- finding windows ----
  std::vector<HWND> VisibleTopLevels();
  // The topmost visible top-level window with this caption, or null.
  HWND FindWindowByCaption(const std::u16string& caption);
  // The first descendant of root with this control id (searching child
  // dialogs too) that is visible, else the first hidden one, or null.
  HWND FindControl(HWND root, int id);
  // The first descendant of root of the class whose text is text, or null.
  HWND FindByText(HWND root, const std::u16string& className, const std::u16string& text);
  HWND ActiveWindow();
  HWND FocusWindow();

  // ---- reading ----
  std::u16string Text(HWND window);
  std::u16string ClassName(HWND window);
  bool IsVisible(HWND window);
  bool IsEnabled(HWND window);
  int CheckState(HWND button);
  std::vector<std::u16string> ComboItems(HWND combo);
  int ComboSelection(HWND combo);
  std::vector<std::vector<std::u16string>> ListRows(HWND list);
  int ListSelection(HWND list);  // the first selected row, or -1
  std::vector<std::u16string> TabItems(HWND tab);
  int TabSelection(HWND tab);
  // GDT_VALID with the date, or GDT_NONE.
  int DatePickerValue(HWND picker, SYSTEMTIME* date);
  int ProgressPosition(HWND progress);
  struct ToolbarButton {
    int command = 0;
    bool enabled = false;
    bool separator = false;
  };
  std::vector<ToolbarButton> ToolbarButtons(HWND toolbar);
  SCROLLINFO VerticalScroll(HWND window);
  PaintRecord Paint(HWND window);
  RECT WindowRect(HWND window);

  // ---- acting as a person ----
  // Each returns false, doing nothing, when the target cannot take a
  // person's input now (hidden, disabled, gone) or has no such item, row or
  // tab; otherwise it posts the input and settles.
  bool Click(HWND window);
  bool Tap(HWND window, int clientX, int clientY);
  bool Type(HWND window, const std::u16string& text);  // taps the window, then types into the focus
  bool PressKey(UINT virtualKey, bool shift = false);  // to the focus window
  bool Choose(HWND combo, int index);
  bool Choose(HWND combo, const std::u16string& itemText);
  bool SetCheck(HWND button, bool checked);  // clicks when the state differs
  bool SelectRow(HWND list, int row);
  bool DoubleTapRow(HWND list, int row);
  bool SelectTab(HWND tab, int index);
  bool Scroll(HWND window, int scrollCode, int position = 0);
  bool SetDate(HWND picker, int yyyymmdd);
  bool SetDateChecked(HWND picker, bool checked);
  bool ToolbarCommand(HWND toolbar, int command);
  bool CaptionOk(HWND window);
  bool CloseWindow(HWND window);

  // ---- message boxes, beeps, cursors ----
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return boxes_; }
  // The open message box (topmost), or null.
  HWND OpenMessageBox();
  // Presses the button with this id in the open message box.
  bool AnswerMessageBox(int buttonId);
  // Answers the next message box that opens with buttonId, after letting
  // ticksFirst timer deadlines pass inside its modal loop.
  void QueueAnswer(int buttonId, int ticksFirst = 0);
  const std::vector<UINT>& Beeps() const { return beeps_; }
  // Wait-cursor shows: how often the cursor became the wait cursor, and whether it is now.
  int WaitCursorShows() const { return waitShows_; }
  bool WaitCursorShowing() const { return waitShowing_; }
  const std::vector<std::pair<HWND, UINT>>& DroppedInput() const { return dropped_; }

  // DisplayObserver
  void OnMessageBox(HWND box, const std::u16string& text, const std::u16string& caption, UINT type) override;
  void OnBeep(UINT type) override;
  void OnCursor(LPCWSTR shape) override;
  void OnInputDropped(HWND target, UINT message) override;

 private:
  void RunOnUi(const std::function<void()>& work);
  void Quiesce();
  bool CanTakeInput(HWND window);
  bool HasRow(HWND list, int row);
  bool Gesture(HWND window, WPARAM gesture, LPARAM argument);
  bool PostAndSettle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Fail(const std::string& what);

  Options options_;
  HANDLE uiThreadHandle_ = nullptr;
  HWND jobWindow_ = nullptr;
  DWORD uiThread_ = 0;
  struct QueuedAnswer {
    int buttonId;
    int ticksFirst;
  };
  std::deque<QueuedAnswer> answers_;
  std::vector<MessageBoxRecord> boxes_;
  std::vector<UINT> beeps_;
  std::vector<std::pair<HWND, UINT>> dropped_;
  int waitShows_ = 0;
  bool waitShowing_ = false;
};

}  // namespace plat
