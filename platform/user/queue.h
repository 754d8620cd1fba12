// A thread's message queue: messages sent from other threads, posted
// messages, input, windows waiting to be painted and timers, retrieved in the
// platform's order of priority. Guarded by the platform lock.
#pragma once
#include <windows.h>

#include "kernel/scheduler.h"

#include <deque>
#include <functional>
#include <set>
#include <vector>

namespace plat::user {

struct SentMessage {
  HWND window = nullptr;  // null: run work on the thread
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  const std::function<void()>* work = nullptr;
  LRESULT result = 0;
  bool done = false;
};

struct InputMessage {
  MSG msg{};
  bool toFocus = false;  // keyboard input routed at retrieval
};

struct Timer {
  HWND window = nullptr;
  UINT_PTR id = 0;
  UINT elapse = 0;
  uint64_t due = 0;
  TIMERPROC proc = nullptr;
};

struct MessageQueue : plat::kernel::ThreadExtension {
  DWORD threadId = 0;
  std::deque<SentMessage*> sent;
  std::deque<MSG> posted;
  std::deque<InputMessage> input;
  std::set<HWND> paintPending;  // paintable windows with an update pending
  std::vector<Timer> timers;
  bool quit = false;
  int quitCode = 0;
  // Per-thread input state.
  HWND active = nullptr;
  HWND focus = nullptr;
  BYTE keyState[256] = {};
  MSG lastMessage{};
  int inSendMessage = 0;
  UINT_PTR nextTimerId = 1;
  std::vector<std::pair<HHOOK, HOOKPROC>> cbtHooks;
  ~MessageQueue() override;
};

// The calling thread's queue (created on first use).
MessageQueue& CurrentQueue();
// The queue of a thread, or null. Platform lock held.
MessageQueue* QueueOfThread(DWORD threadId);

// Platform lock held: whether anything is waiting for retrieval per QS_ flags.
bool HasWork(const MessageQueue& queue, UINT flags);
// Earliest due time of the queue's timers, if any. Lock held.
std::optional<uint64_t> NextTimerDue(const MessageQueue& queue);
// Handles every message sent to this thread from another one. Lock not held.
void HandleIncomingSent();

// Timers and paints of a destroyed window go with it (lock not held).
void ForgetWindow(HWND window);
// Tracks whether a window waits to be painted (lock not held).
void SetPaintPending(HWND window, bool pending);

}  // namespace plat::user
