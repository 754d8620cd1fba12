// Message queues: sending (also across threads, with the sender taking sent
// messages while it waits), posting, input, retrieval in the platform's order
// (sent, posted, input, quit, paint, timers), timers and message-aware waits.
#include "user/queue.h"

#include <plat/display.h>

#include <algorithm>

#include "user/window.h"
#include "user/windows_internal.h"

using plat::kernel::PlatformLock;
using plat::kernel::WakeAll;

namespace plat::user {
namespace {

thread_local int sendDepthFromOtherThreads = 0;

bool MessageMatches(const MSG& msg, HWND filterWindow, UINT first, UINT last) {
  if (filterWindow && msg.hwnd != filterWindow && !::IsChild(filterWindow, msg.hwnd)) return false;
  if (first == 0 && last == 0) return true;
  return msg.message >= first && msg.message <= last;
}

bool TimerDue(const Timer& timer) { return timer.due <= plat::kernel::Now(); }

LRESULT CallProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = Find(hwnd);
  if (!window || !window->proc) return 0;
  return window->proc(hwnd, message, wParam, lParam);
}

void Complete(SentMessage* sent, LRESULT result) {
  std::lock_guard lock(PlatformLock());
  sent->result = result;
  sent->done = true;
  WakeAll();
}

void Handle(SentMessage* sent) {
  ++sendDepthFromOtherThreads;
  LRESULT result = 0;
  if (sent->work) {
    (*sent->work)();
  } else {
    result = CallProcedure(sent->window, sent->message, sent->wParam, sent->lParam);
  }
  --sendDepthFromOtherThreads;
  Complete(sent, result);
}

// Sends to a window of another thread and waits, taking messages sent to
// this thread meanwhile so that two threads sending to each other never lock.
LRESULT SendAcrossThreads(DWORD targetThread, SentMessage& sent) {
  MessageQueue& self = CurrentQueue();
  {
    std::lock_guard lock(PlatformLock());
    MessageQueue* target = QueueOfThread(targetThread);
    if (!target) return 0;
    target->sent.push_back(&sent);
    WakeAll();
  }
  for (;;) {
    std::unique_lock lock(PlatformLock());
    plat::kernel::WaitUntil(lock, [&] { return sent.done || !self.sent.empty(); }, std::nullopt);
    if (sent.done) return sent.result;
    lock.unlock();
    HandleIncomingSent();
  }
}

void UpdateKeyState(MessageQueue& queue, const MSG& msg) {
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) queue.keyState[msg.wParam & 0xFF] |= 0x80;
  if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) queue.keyState[msg.wParam & 0xFF] &= 0x7F;
}

void NotifyDropped(HWND target, UINT message);

// Input for a window that cannot take it now is dropped as at the platform.
bool Deliverable(HWND target) {
  Window* window = Find(target);
  return window && IsVisibleChain(window) && IsEnabledChain(window);
}

enum class Got { Nothing, Message, Quit };

// One attempt at retrieval, platform lock held (released around dropped-input
// notices). Fills msg and removes it unless peeking.
Got Retrieve(std::unique_lock<std::mutex>& lock, MessageQueue& queue, MSG* msg, HWND filter, UINT first,
             UINT last, bool remove) {
  for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
    if (!MessageMatches(*it, filter, first, last)) continue;
    *msg = *it;
    if (remove) queue.posted.erase(it);
    return Got::Message;
  }
  while (!queue.input.empty()) {
    InputMessage input = queue.input.front();
    if (input.toFocus) input.msg.hwnd = queue.focus ? queue.focus : queue.active;
    if (!MessageMatches(input.msg, filter, first, last)) break;
    if (!remove) {
      *msg = input.msg;
      return Got::Message;
    }
    queue.input.pop_front();
    UpdateKeyState(queue, input.msg);
    lock.unlock();
    const bool deliverable = input.msg.hwnd && Deliverable(input.msg.hwnd);
    if (!deliverable) NotifyDropped(input.msg.hwnd, input.msg.message);
    if (deliverable && (input.msg.message == WM_LBUTTONDOWN || input.msg.message == plat::WM_PLAT_GESTURE))
      ActivateForInput(input.msg.hwnd);
    lock.lock();
    if (deliverable) {
      *msg = input.msg;
      return Got::Message;
    }
  }
  if (queue.quit && !filter && first == 0 && last == 0) {
    *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0, 0, {}};
    if (remove) queue.quit = false;
    return Got::Quit;
  }
  for (auto it = queue.paintPending.begin(); it != queue.paintPending.end(); ++it) {
    MSG paint{*it, WM_PAINT, 0, 0, 0, {}};
    if (!MessageMatches(paint, filter, first, last)) continue;
    *msg = paint;
    if (remove) queue.paintPending.erase(it);
    return Got::Message;
  }
  Timer* earliest = nullptr;
  for (auto& timer : queue.timers) {
    MSG tick{timer.window, WM_TIMER, timer.id, reinterpret_cast<LPARAM>(timer.proc), 0, {}};
    if (!TimerDue(timer) || !MessageMatches(tick, filter, first, last)) continue;
    if (!earliest || timer.due < earliest->due) earliest = &timer;
  }
  if (earliest) {
    *msg = MSG{earliest->window, WM_TIMER, earliest->id, reinterpret_cast<LPARAM>(earliest->proc), 0, {}};
    if (remove) earliest->due = plat::kernel::Now() + earliest->elapse;
    return Got::Message;
  }
  return Got::Nothing;
}

Got GetOrPeek(MSG* msg, HWND filter, UINT first, UINT last, bool remove, bool wait) {
  MessageQueue& queue = CurrentQueue();
  for (;;) {
    HandleIncomingSent();
    std::unique_lock lock(PlatformLock());
    Got got = Retrieve(lock, queue, msg, filter, first, last, remove);
    if (got != Got::Nothing) {
      msg->time = static_cast<DWORD>(plat::kernel::Now());
      if (remove) queue.lastMessage = *msg;
      return got;
    }
    if (!wait) return Got::Nothing;
    plat::kernel::WaitUntil(lock, [&] { return HasWork(queue, QS_ALLINPUT); }, NextTimerDue(queue));
  }
}

void NotifyDropped(HWND target, UINT message) {
  for (DisplayObserver* observer : Observers()) observer->OnInputDropped(target, message);
}

}  // namespace

MessageQueue::~MessageQueue() {
  std::lock_guard lock(PlatformLock());
  for (SentMessage* pending : sent) {
    pending->result = 0;
    pending->done = true;
  }
  sent.clear();
  WakeAll();
}

MessageQueue& CurrentQueue() {
  auto& thread = plat::kernel::CurrentThread();
  std::lock_guard lock(PlatformLock());
  if (!thread.user) {
    auto queue = std::make_unique<MessageQueue>();
    queue->threadId = thread.id;
    thread.user = std::move(queue);
  }
  return *static_cast<MessageQueue*>(thread.user.get());
}

MessageQueue* QueueOfThread(DWORD threadId) {
  auto* thread = plat::kernel::FindThread(threadId);
  return thread ? dynamic_cast<MessageQueue*>(thread->user.get()) : nullptr;
}

bool HasWork(const MessageQueue& queue, UINT flags) {
  if ((flags & QS_SENDMESSAGE) && !queue.sent.empty()) return true;
  if ((flags & QS_POSTMESSAGE) && (!queue.posted.empty() || queue.quit)) return true;
  if ((flags & QS_INPUT) && !queue.input.empty()) return true;
  if ((flags & QS_PAINT) && !queue.paintPending.empty()) return true;
  if (flags & QS_TIMER) {
    for (auto& timer : queue.timers)
      if (TimerDue(timer)) return true;
  }
  return false;
}

std::optional<uint64_t> NextTimerDue(const MessageQueue& queue) {
  std::optional<uint64_t> due;
  for (auto& timer : queue.timers)
    if (!due || timer.due < *due) due = timer.due;
  return due;
}

void HandleIncomingSent() {
  MessageQueue& queue = CurrentQueue();
  for (;;) {
    SentMessage* next = nullptr;
    {
      std::lock_guard lock(PlatformLock());
      if (queue.sent.empty()) return;
      next = queue.sent.front();
      queue.sent.pop_front();
    }
    Handle(next);
  }
}

void ForgetWindow(HWND window) {
  MessageQueue& queue = CurrentQueue();
  std::lock_guard lock(PlatformLock());
  std::erase_if(queue.timers, [&](const Timer& t) { return t.window == window; });
  queue.paintPending.erase(window);
  if (queue.focus == window) queue.focus = nullptr;
  if (queue.active == window) queue.active = nullptr;
}

void SetPaintPending(HWND window, bool pending) {
  MessageQueue& queue = CurrentQueue();
  std::lock_guard lock(PlatformLock());
  if (pending) {
    queue.paintPending.insert(window);
    WakeAll();
  } else {
    queue.paintPending.erase(window);
  }
}

std::vector<DisplayObserver*>& Observers() {
  static auto* observers = new std::vector<DisplayObserver*>;
  return *observers;
}

}  // namespace plat::user

// ---- the platform's functions ----
using namespace plat::user;

extern "C" LRESULT WINAPI SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const DWORD owner = WindowThread(hwnd);
  if (!owner) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (owner == GetCurrentThreadId()) return CallProcedure(hwnd, message, wParam, lParam);
  SentMessage sent;
  sent.window = hwnd;
  sent.message = message;
  sent.wParam = wParam;
  sent.lParam = lParam;
  return SendAcrossThreads(owner, sent);
}

extern "C" BOOL WINAPI PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const DWORD owner = hwnd ? WindowThread(hwnd) : CurrentQueue().threadId;
  if (!owner) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  std::lock_guard lock(PlatformLock());
  MessageQueue* queue = QueueOfThread(owner);
  if (!queue) return FALSE;
  queue->posted.push_back(MSG{hwnd, message, wParam, lParam, 0, {}});
  WakeAll();
  return TRUE;
}

extern "C" BOOL WINAPI PostThreadMessageW(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
  std::lock_guard lock(PlatformLock());
  MessageQueue* queue = QueueOfThread(threadId);
  if (!queue) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  queue->posted.push_back(MSG{nullptr, message, wParam, lParam, 0, {}});
  WakeAll();
  return TRUE;
}

extern "C" void WINAPI PostQuitMessage(int exitCode) {
  MessageQueue& queue = CurrentQueue();
  std::lock_guard lock(PlatformLock());
  queue.quit = true;
  queue.quitCode = exitCode;
  WakeAll();
}

extern "C" BOOL WINAPI GetMessageW(LPMSG msg, HWND hwnd, UINT first, UINT last) {
  return GetOrPeek(msg, hwnd, first, last, true, true) == Got::Message && msg->message != WM_QUIT;
}

extern "C" BOOL WINAPI PeekMessageW(LPMSG msg, HWND hwnd, UINT first, UINT last, UINT removeFlags) {
  return GetOrPeek(msg, hwnd, first, last, (removeFlags & PM_REMOVE) != 0, false) != Got::Nothing;
}

extern "C" BOOL WINAPI WaitMessage(void) {
  MessageQueue& queue = CurrentQueue();
  for (;;) {
    HandleIncomingSent();
    std::unique_lock lock(PlatformLock());
    if (HasWork(queue, QS_ALLEVENTS)) return TRUE;
    plat::kernel::WaitUntil(lock, [&] { return HasWork(queue, QS_ALLINPUT); }, NextTimerDue(queue));
  }
}

// Keys that the platform turns into characters; others come as WM_CHAR from the display.
extern "C" BOOL WINAPI TranslateMessage(const MSG* msg) {
  if (!msg || msg->message != WM_KEYDOWN) return FALSE;
  switch (msg->wParam) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
      PostMessageW(msg->hwnd, WM_CHAR, msg->wParam, msg->lParam);
      return TRUE;
    default:
      return FALSE;
  }
}

extern "C" LRESULT WINAPI DispatchMessageW(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
    return 0;
  }
  if (!msg->hwnd) return 0;
  return CallProcedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

extern "C" BOOL WINAPI InSendMessage(void) { return sendDepthFromOtherThreads > 0; }

extern "C" BOOL WINAPI ReplyMessage(LRESULT) { return FALSE; }

extern "C" DWORD WINAPI GetQueueStatus(UINT flags) {
  MessageQueue& queue = CurrentQueue();
  std::lock_guard lock(PlatformLock());
  DWORD status = 0;
  for (UINT bit : {QS_KEY, QS_MOUSEBUTTON, QS_POSTMESSAGE, QS_TIMER, QS_PAINT, QS_SENDMESSAGE})
    if ((flags & bit) && HasWork(queue, bit == QS_KEY || bit == QS_MOUSEBUTTON ? QS_INPUT : bit)) status |= bit;
  return status << 16 | status;
}

extern "C" DWORD WINAPI MsgWaitForMultipleObjectsEx(DWORD count, const HANDLE* handles, DWORD milliseconds,
                                                    DWORD wakeMask, DWORD flags) {
  MessageQueue& queue = CurrentQueue();
  const bool waitAll = (flags & 0x0001) != 0;  // MWMO_WAITALL
  const auto deadline = plat::kernel::DeadlineAfter(milliseconds);
  for (;;) {
    HandleIncomingSent();
    DWORD remaining = INFINITE;
    if (deadline) {
      const uint64_t now = plat::kernel::Now();
      remaining = now >= *deadline ? 0 : static_cast<DWORD>(*deadline - now);
    }
    const UINT queueMask = wakeMask & ~QS_SENDMESSAGE;
    std::optional<uint64_t> timerDue;
    {
      std::lock_guard lock(PlatformLock());
      if (queueMask & QS_TIMER) timerDue = NextTimerDue(queue);
    }
    DWORD result = plat::kernel::WaitForObjects(
        count, handles, waitAll, remaining,
        [&] { return HasWork(queue, queueMask) || !queue.sent.empty(); }, timerDue);
    if (result != WAIT_OBJECT_0 + count) return result;
    std::unique_lock lock(PlatformLock());
    if (HasWork(queue, queueMask)) return result;
    // Only messages sent from other threads arrived: take them and wait on.
  }
}

extern "C" DWORD WINAPI MsgWaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll,
                                                  DWORD milliseconds, DWORD wakeMask) {
  return MsgWaitForMultipleObjectsEx(count, handles, milliseconds, wakeMask, waitAll ? 0x0001 : 0);
}

extern "C" DWORD WINAPI GetMessagePos(void) {
  const MSG& msg = CurrentQueue().lastMessage;
  return MAKELONG(msg.pt.x, msg.pt.y);
}

extern "C" LONG WINAPI GetMessageTime(void) { return static_cast<LONG>(CurrentQueue().lastMessage.time); }

extern "C" SHORT WINAPI GetKeyState(int key) {
  MessageQueue& queue = CurrentQueue();
  std::lock_guard lock(PlatformLock());
  return (queue.keyState[key & 0xFF] & 0x80) ? static_cast<SHORT>(0xFF80) : 0;
}

extern "C" SHORT WINAPI GetAsyncKeyState(int key) { return GetKeyState(key); }

extern "C" UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  if (hwnd && !FindOrFail(hwnd)) return 0;
  MessageQueue& queue = CurrentQueue();
  std::lock_guard lock(PlatformLock());
  if (!hwnd) {
    auto existing = std::find_if(queue.timers.begin(), queue.timers.end(),
                                 [&](const Timer& t) { return !t.window && t.id == id; });
    if (existing == queue.timers.end()) id = queue.nextTimerId++;
  }
  std::erase_if(queue.timers, [&](const Timer& t) { return t.window == hwnd && t.id == id; });
  const UINT period = std::max<UINT>(elapse, 1);
  queue.timers.push_back(Timer{hwnd, id, period, plat::kernel::Now() + period, proc});
  WakeAll();
  return id ? id : 1;
}

extern "C" BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id) {
  MessageQueue& queue = CurrentQueue();
  std::lock_guard lock(PlatformLock());
  const auto removed = std::erase_if(queue.timers, [&](const Timer& t) { return t.window == hwnd && t.id == id; });
  return removed > 0;
}

namespace plat {

void AddDisplayObserver(DisplayObserver* observer) { user::Observers().push_back(observer); }

void RemoveDisplayObserver(DisplayObserver* observer) { std::erase(user::Observers(), observer); }

bool PostInput(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
  const DWORD owner = WindowThread(target);
  std::lock_guard lock(PlatformLock());
  MessageQueue* queue = owner ? QueueOfThread(owner) : nullptr;
  if (!queue) return false;
  InputMessage input;
  input.msg = MSG{target, message, wParam, lParam, 0, {}};
  queue->input.push_back(input);
  WakeAll();
  return true;
}

bool PostKeyInput(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
  std::lock_guard lock(PlatformLock());
  MessageQueue* queue = QueueOfThread(threadId);
  if (!queue) return false;
  InputMessage input;
  input.msg = MSG{nullptr, message, wParam, lParam, 0, {}};
  input.toFocus = true;
  queue->input.push_back(input);
  WakeAll();
  return true;
}

bool RunOnThread(DWORD threadId, const std::function<void()>& work) {
  if (threadId == GetCurrentThreadId()) {
    work();
    return true;
  }
  SentMessage sent;
  sent.work = &work;
  {
    std::lock_guard lock(PlatformLock());
    if (!QueueOfThread(threadId)) return false;
  }
  SendAcrossThreads(threadId, sent);
  return sent.done;
}

bool RunOnWindowThread(HWND hwnd, const std::function<void()>& work) {
  const DWORD owner = WindowThread(hwnd);
  return owner && RunOnThread(owner, work);
}

}  // namespace plat
