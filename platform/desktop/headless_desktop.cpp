// The headless desktop: runs the UI thread, acts as a person through posted
// input, reads windows on the UI thread, and drives quiescence and the
// manual clock.
#include <plat/headless_desktop.h>
#include <plat/system.h>

#include <stdexcept>

namespace plat {
namespace {

constexpr unsigned kSettleTimeoutMs = 60000;

std::u16string ReadText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied));
  return text;
}

struct Search {
  int id;
  const std::u16string* className;
  const std::u16string* text;
  HWND found;
  HWND hidden = nullptr;  // the first match a person cannot see
};

// A control a person can see wins over a hidden one of the same id (pages
// of a tab control carry the same ids).
BOOL CALLBACK MatchId(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  if (GetDlgCtrlID(window) != search->id) return TRUE;
  if (!IsWindowVisible(window)) {
    if (!search->hidden) search->hidden = window;
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

BOOL CALLBACK MatchText(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  WCHAR name[64];
  GetClassNameW(window, name, 64);
  if (lstrcmpiW(name, search->className->c_str()) != 0 || ReadText(window) != *search->text) return TRUE;
  search->found = window;
  return FALSE;
}

constexpr UINT kRunJob = WM_APP + 0x3F0;

// A hidden window of the UI thread that runs posted work: every message loop
// of the thread dispatches to it, modal ones included.
LRESULT CALLBACK JobWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kRunJob) return DefWindowProcW(window, message, wParam, lParam);
  auto* job = reinterpret_cast<std::function<void()>*>(lParam);
  (*job)();
  delete job;
  return 0;
}

HWND CreateJobWindow() {
  static const ATOM registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = JobWindowProc;
    wc.lpszClassName = u"PlatDesktopJobs";
    return RegisterClassW(&wc);
  }();
  (void)registered;
  return CreateWindowExW(0, u"PlatDesktopJobs", u"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
}

LPARAM CenterOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return MAKELPARAM(client.right / 2, client.bottom / 2);
}

}  // namespace

HeadlessDesktop::HeadlessDesktop() : HeadlessDesktop(Options{}) {}

HeadlessDesktop::HeadlessDesktop(const Options& options) : options_(options) {
  if (options_.manualClock) UseManualClock(options_.start);
  SetScreenSize(options_.screen.cx, options_.screen.cy);
  AddDisplayObserver(this);
}

HeadlessDesktop::~HeadlessDesktop() {
  if (uiThreadHandle_) Stop();
  RemoveDisplayObserver(this);
  if (options_.manualClock) UseRealClock();
}

void HeadlessDesktop::Start(std::function<void()> uiMain) {
  HANDLE started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  DWORD* threadId = &uiThread_;
  uiThreadHandle_ = StartThread([uiMain = std::move(uiMain), started, threadId] {
    *threadId = GetCurrentThreadId();
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists from here on
    SetEvent(started);
    uiMain();
  });
  WaitForSingleObject(started, INFINITE);
  CloseHandle(started);
  jobWindow_ = Ui([] { return CreateJobWindow(); });
  Settle();
}

void HeadlessDesktop::Stop() {
  if (!uiThreadHandle_) return;
  PostThreadMessageW(uiThread_, WM_QUIT, 0, 0);
  for (int attempt = 0; WaitForSingleObject(uiThreadHandle_, 0) == WAIT_TIMEOUT; ++attempt) {
    // A modal loop re-posts the quit message and returns; keep the clock moving for timed waits.
    if (!WaitIdle(100) && attempt > 600) break;
    if (IsManualClock()) AdvanceToNextDeadline();
  }
  CloseHandle(uiThreadHandle_);
  uiThreadHandle_ = nullptr;
}

void HeadlessDesktop::RunOnUi(const std::function<void()>& work) {
  if (!RunOnThread(uiThread_, work)) Fail("the UI thread is gone");
}

void HeadlessDesktop::Post(std::function<void()> work) {
  auto* job = new std::function<void()>(std::move(work));
  if (!PostMessageW(jobWindow_, kRunJob, 0, reinterpret_cast<LPARAM>(job))) {
    delete job;
    Fail("the UI thread is gone");
  }
  Settle();
}

void HeadlessDesktop::Quiesce() {
  if (!WaitIdle(kSettleTimeoutMs)) Fail("the system did not become idle");
}

void HeadlessDesktop::Settle() {
  for (;;) {
    Quiesce();
    if (answers_.empty()) return;
    HWND box = OpenMessageBox();
    Quiesce();  // reading the windows ran on the UI thread
    if (!box) return;
    QueuedAnswer answer = answers_.front();
    if (answer.ticksFirst > 0) {
      --answers_.front().ticksFirst;
      if (!AdvanceToNextDeadline()) answers_.front().ticksFirst = 0;
      continue;
    }
    answers_.pop_front();
    AnswerMessageBox(answer.buttonId);
  }
}

bool HeadlessDesktop::RunUntil(const std::function<bool()>& predicate, int maxSteps) {
  Settle();
  for (int step = 0; step < maxSteps; ++step) {
    if (predicate()) return true;
    Quiesce();  // the predicate may have read windows on the UI thread
    if (!AdvanceToNextDeadline()) return predicate();
    Settle();
  }
  return predicate();
}

void HeadlessDesktop::Advance(uint64_t milliseconds) {
  Settle();
  const uint64_t target = ClockNow() + milliseconds;
  uint64_t next = 0;
  while ((Quiesce(), NextDeadline(&next)) && next <= target) {
    AdvanceClock(next - ClockNow());
    Settle();
  }
  if (ClockNow() < target) AdvanceClock(target - ClockNow());
  Settle();
}

std::vector<HWND> HeadlessDesktop::VisibleTopLevels() {
  return Ui([] {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM lParam) -> BOOL {
          if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
  });
}

HWND HeadlessDesktop::FindWindowByCaption(const std::u16string& caption) {
  for (HWND window : VisibleTopLevels())
    if (Text(window) == caption) return window;
  return nullptr;
}

HWND HeadlessDesktop::FindControl(HWND root, int id) {
  return Ui([&] {
    Search search{id, nullptr, nullptr, nullptr};
    EnumChildWindows(root, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found ? search.found : search.hidden;
  });
}

HWND HeadlessDesktop::FindByText(HWND root, const std::u16string& className, const std::u16string& text) {
  return Ui([&] {
    Search search{0, &className, &text, nullptr};
    EnumChildWindows(root, MatchText, reinterpret_cast<LPARAM>(&search));
    return search.found;
  });
}

HWND HeadlessDesktop::ActiveWindow() {
  return Ui([] { return GetActiveWindow(); });
}

HWND HeadlessDesktop::FocusWindow() {
  return Ui([] { return GetFocus(); });
}

std::u16string HeadlessDesktop::Text(HWND window) {
  return Ui([&] { return ReadText(window); });
}

std::u16string HeadlessDesktop::ClassName(HWND window) {
  return Ui([&] {
    WCHAR name[64] = {};
    GetClassNameW(window, name, 64);
    return std::u16string(name);
  });
}

bool HeadlessDesktop::IsVisible(HWND window) {
  return Ui([&] { return IsWindowVisible(window) != FALSE; });
}

bool HeadlessDesktop::IsEnabled(HWND window) {
  return Ui([&] {
    for (HWND w = window; w; w = (GetWindowLongW(w, GWL_STYLE) & WS_CHILD) ? GetParent(w) : nullptr)
      if (!IsWindowEnabled(w)) return false;
    return IsWindow(window) != FALSE;
  });
}

int HeadlessDesktop::CheckState(HWND button) {
  return Ui([&] { return static_cast<int>(SendMessageW(button, BM_GETCHECK, 0, 0)); });
}

std::vector<std::u16string> HeadlessDesktop::ComboItems(HWND combo) {
  return Ui([&] {
    std::vector<std::u16string> items;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      std::u16string text(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, u'\0');
      const LRESULT length = SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
      text.resize(length < 0 ? 0 : static_cast<size_t>(length));
      items.push_back(text);
    }
    return items;
  });
}

int HeadlessDesktop::ComboSelection(HWND combo) {
  return Ui([&] { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); });
}

std::vector<std::vector<std::u16string>> HeadlessDesktop::ListRows(HWND list) {
  return Ui([&] {
    int columns = 0;
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    while (SendMessageW(list, LVM_GETCOLUMNW, columns, reinterpret_cast<LPARAM>(&column))) ++columns;
    std::vector<std::vector<std::u16string>> rows;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      std::vector<std::u16string> cells;
      for (int sub = 0; sub < std::max(columns, 1); ++sub) {
        WCHAR buffer[512] = {};
        LVITEMW item{};
        item.iSubItem = sub;
        item.pszText = buffer;
        item.cchTextMax = 512;
        SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        cells.emplace_back(buffer);
      }
      rows.push_back(cells);
    }
    return rows;
  });
}

int HeadlessDesktop::ListSelection(HWND list) {
  return Ui([&] { return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); });
}

std::vector<std::u16string> HeadlessDesktop::TabItems(HWND tab) {
  return Ui([&] {
    std::vector<std::u16string> items;
    const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      WCHAR buffer[256] = {};
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = buffer;
      item.cchTextMax = 256;
      SendMessageW(tab, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
      items.emplace_back(buffer);
    }
    return items;
  });
}

int HeadlessDesktop::TabSelection(HWND tab) {
  return Ui([&] { return static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0)); });
}

int HeadlessDesktop::DatePickerValue(HWND picker, SYSTEMTIME* date) {
  return Ui([&] { return static_cast<int>(SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(date))); });
}

int HeadlessDesktop::ProgressPosition(HWND progress) {
  return Ui([&] { return static_cast<int>(SendMessageW(progress, PBM_GETPOS, 0, 0)); });
}

std::vector<HeadlessDesktop::ToolbarButton> HeadlessDesktop::ToolbarButtons(HWND toolbar) {
  return Ui([&] {
    std::vector<ToolbarButton> buttons;
    const int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      TBBUTTON button{};
      SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
      buttons.push_back(ToolbarButton{button.idCommand, (button.fsState & TBSTATE_ENABLED) != 0,
                                      (button.fsStyle & TBSTYLE_SEP) != 0});
    }
    return buttons;
  });
}

SCROLLINFO HeadlessDesktop::VerticalScroll(HWND window) {
  return Ui([&] {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(window, SB_VERT, &info);
    return info;
  });
}

PaintRecord HeadlessDesktop::Paint(HWND window) {
  return Ui([&] { return GetPaintRecord(window); });
}

RECT HeadlessDesktop::WindowRect(HWND window) {
  return Ui([&] {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
  });
}

bool HeadlessDesktop::CanTakeInput(HWND window) { return IsVisible(window) && IsEnabled(window); }

bool HeadlessDesktop::PostAndSettle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!CanTakeInput(window)) return false;
  PostInput(window, message, wParam, lParam);
  Settle();
  return true;
}

bool HeadlessDesktop::Gesture(HWND window, WPARAM gesture, LPARAM argument) {
  return PostAndSettle(window, WM_PLAT_GESTURE, gesture, argument);
}

bool HeadlessDesktop::Click(HWND window) {
  if (!CanTakeInput(window)) return false;
  const LPARAM center = Ui([&] { return CenterOf(window); });
  PostInput(window, WM_LBUTTONDOWN, MK_LBUTTON, center);
  PostInput(window, WM_LBUTTONUP, 0, center);
  Settle();
  return true;
}

bool HeadlessDesktop::Tap(HWND window, int clientX, int clientY) {
  if (!CanTakeInput(window)) return false;
  PostInput(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(clientX, clientY));
  PostInput(window, WM_LBUTTONUP, 0, MAKELPARAM(clientX, clientY));
  Settle();
  return true;
}

bool HeadlessDesktop::Type(HWND window, const std::u16string& text) {
  if (!Click(window)) return false;
  for (char16_t c : text) PostKeyInput(uiThread_, WM_CHAR, c, 1);
  Settle();
  return true;
}

bool HeadlessDesktop::PressKey(UINT virtualKey, bool shift) {
  if (shift) PostKeyInput(uiThread_, WM_KEYDOWN, VK_SHIFT, 1);
  PostKeyInput(uiThread_, WM_KEYDOWN, virtualKey, 1);
  PostKeyInput(uiThread_, WM_KEYUP, virtualKey, 1);
  if (shift) PostKeyInput(uiThread_, WM_KEYUP, VK_SHIFT, 1);
  Settle();
  return true;
}

bool HeadlessDesktop::Choose(HWND combo, int index) {
  if (index < 0 || index >= static_cast<int>(ComboItems(combo).size())) return false;
  return Gesture(combo, kGestureChoose, index);
}

bool HeadlessDesktop::Choose(HWND combo, const std::u16string& itemText) {
  const auto items = ComboItems(combo);
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i] == itemText) return Choose(combo, static_cast<int>(i));
  return false;
}

bool HeadlessDesktop::SetCheck(HWND button, bool checked) {
  if (!CanTakeInput(button) || ClassName(button) != u"Button") return false;
  if ((CheckState(button) == BST_CHECKED) == checked) return true;
  return Click(button);
}

bool HeadlessDesktop::HasRow(HWND list, int row) {
  return row >= 0 && row < Ui([&] { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); });
}

bool HeadlessDesktop::SelectRow(HWND list, int row) { return HasRow(list, row) && Gesture(list, kGestureChoose, row); }
bool HeadlessDesktop::DoubleTapRow(HWND list, int row) {
  return HasRow(list, row) && Gesture(list, kGestureActivate, row);
}
bool HeadlessDesktop::SelectTab(HWND tab, int index) {
  if (index < 0 || index >= static_cast<int>(TabItems(tab).size())) return false;
  return Gesture(tab, kGestureChoose, index);
}

bool HeadlessDesktop::Scroll(HWND window, int scrollCode, int position) {
  return PostAndSettle(window, WM_VSCROLL, MAKEWPARAM(scrollCode, position), 0);
}

bool HeadlessDesktop::SetDate(HWND picker, int yyyymmdd) {
  return ClassName(picker) == DATETIMEPICK_CLASSW && Gesture(picker, kGestureSetDate, yyyymmdd);
}
bool HeadlessDesktop::SetDateChecked(HWND picker, bool checked) {
  return ClassName(picker) == DATETIMEPICK_CLASSW && Gesture(picker, kGestureCheck, checked ? 1 : 0);
}

bool HeadlessDesktop::ToolbarCommand(HWND toolbar, int command) {
  const int index = Ui([&] { return static_cast<int>(SendMessageW(toolbar, TB_COMMANDTOINDEX, command, 0)); });
  const bool enabled = index >= 0 && Ui([&] { return SendMessageW(toolbar, TB_ISBUTTONENABLED, command, 0) != 0; });
  return enabled && Gesture(toolbar, kGestureChoose, index);
}

bool HeadlessDesktop::CaptionOk(HWND window) { return Gesture(window, kGestureCaptionOk, 0); }
bool HeadlessDesktop::CloseWindow(HWND window) { return Gesture(window, kGestureClose, 0); }

HWND HeadlessDesktop::OpenMessageBox() {
  for (HWND window : VisibleTopLevels())
    if (Ui([&] { return GetPropW(window, u"PlatMessageBoxType") != nullptr; })) return window;
  return nullptr;
}

bool HeadlessDesktop::AnswerMessageBox(int buttonId) {
  HWND box = OpenMessageBox();
  HWND button = box ? FindControl(box, buttonId) : nullptr;
  return button && Click(button);
}

void HeadlessDesktop::QueueAnswer(int buttonId, int ticksFirst) { answers_.push_back(QueuedAnswer{buttonId, ticksFirst}); }

void HeadlessDesktop::OnMessageBox(HWND, const std::u16string& text, const std::u16string& caption, UINT type) {
  boxes_.push_back(MessageBoxRecord{text, caption, type});
}

void HeadlessDesktop::OnBeep(UINT type) { beeps_.push_back(type); }

void HeadlessDesktop::OnCursor(LPCWSTR shape) {
  const bool wait = shape == IDC_WAIT;
  if (wait && !waitShowing_) ++waitShows_;
  waitShowing_ = wait;
}

void HeadlessDesktop::OnInputDropped(HWND target, UINT message) { dropped_.emplace_back(target, message); }

void HeadlessDesktop::Fail(const std::string& what) { throw std::runtime_error("headless desktop: " + what); }

}  // namespace plat
