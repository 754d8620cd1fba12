// The platform clock, the thread registry and the one wait primitive; from
// them, quiescence: every observed thread blocked with nothing to wake it.
#include "kernel/scheduler.h"
#include "kernel/handles.h"

#include <plat/system.h>

#include <chrono>
#include <condition_variable>
#include <ctime>
#include <thread>
#include <unordered_map>
#include <vector>

namespace plat::kernel {
namespace {

using SteadyClock = std::chrono::steady_clock;

struct Clock {
  SteadyClock::time_point epoch = SteadyClock::now();
  bool manual = false;
  uint64_t manualNow = 0;
  int64_t manualLocalMsAtBase = 0;  // local calendar time (ms since 1970) at manualBase
  uint64_t manualBase = 0;
};

struct Registry {
  std::mutex lock;  // taken after the platform lock, never before it
  std::unordered_map<DWORD, ThreadState*> threads;
  DWORD nextId = 0x100;
};

// Deliberately never destroyed: threads may still use them during exit.
std::mutex& Lock() {
  static auto* lock = new std::mutex;
  return *lock;
}
std::condition_variable& Changed() {
  static auto* cv = new std::condition_variable;
  return *cv;
}
Clock& TheClock() {
  static auto* clock = new Clock;
  return *clock;
}
Registry& TheRegistry() {
  static auto* registry = new Registry;
  return *registry;
}

ThreadState* RegisterNew(bool observed) {
  auto* state = new ThreadState;
  state->observed = observed;
  auto& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  state->id = registry.nextId;
  registry.nextId += 4;
  registry.threads.emplace(state->id, state);
  return state;
}

void Unregister(ThreadState* state) {
  state->user.reset();  // may take the platform lock itself
  {
    std::lock_guard platform(Lock());
    {
      auto& registry = TheRegistry();
      std::lock_guard guard(registry.lock);
      registry.threads.erase(state->id);
    }
    WakeAll();
  }
  delete state;
}

struct ThreadHolder {
  ThreadState* state = nullptr;
  ~ThreadHolder() {
    if (state) Unregister(state);
  }
};
thread_local ThreadHolder currentThread;

bool IsIdleLocked() {
  const uint64_t now = Now();
  auto& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  for (auto& [id, thread] : registry.threads) {
    if (!thread->observed) continue;
    if (!thread->waiting) return false;
    if (thread->deadline && *thread->deadline <= now) return false;
    if ((*thread->ready)()) return false;
  }
  return true;
}

bool EarliestDeadlineLocked(uint64_t* deadline) {
  bool found = false;
  auto& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  for (auto& [id, thread] : registry.threads) {
    if (!thread->observed || !thread->waiting || !thread->deadline) continue;
    if (!found || *thread->deadline < *deadline) *deadline = *thread->deadline;
    found = true;
  }
  return found;
}

// Kernel object of a thread: signalled when the thread has ended.
class ThreadObject : public KernelObject {
 public:
  bool IsWaitable() const override { return true; }
  bool IsSignaled() const override { return finished; }
  bool finished = false;
  bool suspended = false;
  DWORD exitCode = STILL_ACTIVE;
};

HANDLE Launch(std::function<DWORD()> body, bool suspended, DWORD* threadId) {
  auto object = std::make_shared<ThreadObject>();
  object->suspended = suspended;
  ThreadState* state = RegisterNew(true);
  if (threadId) *threadId = state->id;
  HANDLE handle = AddHandle(object);
  std::thread([object, state, body = std::move(body)] {
    currentThread.state = state;
    {
      std::unique_lock lock(Lock());
      WaitUntil(lock, [&] { return !object->suspended; }, std::nullopt);
    }
    const DWORD code = body();
    std::lock_guard lock(Lock());
    object->exitCode = code;
    object->finished = true;
    WakeAll();
  }).detach();
  return handle;
}

int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

int64_t ToCalendarMs(const SYSTEMTIME& t) {
  const int64_t days = DaysFromCivil(t.wYear, t.wMonth, t.wDay);
  return ((days * 24 + t.wHour) * 60 + t.wMinute) * 60000LL + t.wSecond * 1000LL + t.wMilliseconds;
}

SYSTEMTIME FromCalendarMs(int64_t ms) {
  const time_t seconds = static_cast<time_t>(ms / 1000);
  struct tm parts {};
  gmtime_r(&seconds, &parts);
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(parts.tm_year + 1900);
  t.wMonth = static_cast<WORD>(parts.tm_mon + 1);
  t.wDayOfWeek = static_cast<WORD>(parts.tm_wday);
  t.wDay = static_cast<WORD>(parts.tm_mday);
  t.wHour = static_cast<WORD>(parts.tm_hour);
  t.wMinute = static_cast<WORD>(parts.tm_min);
  t.wSecond = static_cast<WORD>(parts.tm_sec);
  t.wMilliseconds = static_cast<WORD>(ms % 1000);
  return t;
}

SYSTEMTIME RealTime(bool local) {
  const auto now = std::chrono::system_clock::now();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
  const time_t seconds = static_cast<time_t>(ms / 1000);
  struct tm parts {};
  if (local) {
    localtime_r(&seconds, &parts);
  } else {
    gmtime_r(&seconds, &parts);
  }
  const int64_t calendar = (timegm(&parts) * 1000LL) + ms % 1000;
  return FromCalendarMs(calendar);
}

}  // namespace

std::mutex& PlatformLock() { return Lock(); }

ThreadState& CurrentThread() {
  if (!currentThread.state) currentThread.state = RegisterNew(false);
  return *currentThread.state;
}

ThreadState* FindThread(DWORD id) {
  auto& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  auto it = registry.threads.find(id);
  return it == registry.threads.end() ? nullptr : it->second;
}

uint64_t Now() {
  auto& clock = TheClock();
  if (clock.manual) return clock.manualNow;
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - clock.epoch).count());
}

std::optional<uint64_t> DeadlineAfter(DWORD milliseconds) {
  if (milliseconds == INFINITE) return std::nullopt;
  return Now() + milliseconds;
}

void WakeAll() { Changed().notify_all(); }

bool WaitUntil(std::unique_lock<std::mutex>& lock, const std::function<bool()>& ready,
               std::optional<uint64_t> deadline) {
  ThreadState& self = CurrentThread();
  self.waiting = true;
  self.ready = &ready;
  self.deadline = deadline;
  WakeAll();  // an idle watcher may be waiting for exactly this
  bool result = false;
  for (;;) {
    if (ready()) {
      result = true;
      break;
    }
    const uint64_t now = Now();
    if (deadline && now >= *deadline) break;
    auto& clock = TheClock();
    if (clock.manual || !deadline) {
      Changed().wait(lock);
    } else {
      Changed().wait_until(lock, clock.epoch + std::chrono::milliseconds(*deadline));
    }
  }
  self.waiting = false;
  self.ready = nullptr;
  self.deadline.reset();
  return result;
}

}  // namespace plat::kernel

namespace plat {
using namespace plat::kernel;

void UseRealClock() {
  std::lock_guard lock(Lock());
  TheClock().manual = false;
  WakeAll();
}

void UseManualClock(const SYSTEMTIME& localNow) {
  std::lock_guard lock(Lock());
  auto& clock = TheClock();
  clock.manual = true;
  clock.manualBase = clock.manualNow;
  clock.manualLocalMsAtBase = ToCalendarMs(localNow);
  WakeAll();
}

bool IsManualClock() {
  std::lock_guard lock(Lock());
  return TheClock().manual;
}

uint64_t ClockNow() { return Now(); }

void AdvanceClock(uint64_t milliseconds) {
  std::lock_guard lock(Lock());
  TheClock().manualNow += milliseconds;
  WakeAll();
}

void SetLocalTimeNow(const SYSTEMTIME& localNow) {
  std::lock_guard lock(Lock());
  auto& clock = TheClock();
  clock.manualBase = clock.manualNow;
  clock.manualLocalMsAtBase = ToCalendarMs(localNow);
}

HANDLE StartThread(std::function<void()> body) {
  return Launch([body = std::move(body)] {
    body();
    return DWORD{0};
  }, false, nullptr);
}

bool WaitIdle(unsigned realTimeoutMs) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(realTimeoutMs);
  std::unique_lock lock(Lock());
  while (!IsIdleLocked()) {
    if (std::chrono::steady_clock::now() >= giveUp) return false;
    Changed().wait_for(lock, std::chrono::milliseconds(2));
  }
  return true;
}

bool NextDeadline(uint64_t* deadline) {
  std::lock_guard lock(Lock());
  return EarliestDeadlineLocked(deadline);
}

bool AdvanceToNextDeadline() {
  std::lock_guard lock(Lock());
  uint64_t deadline = 0;
  if (!EarliestDeadlineLocked(&deadline)) return false;
  auto& clock = TheClock();
  if (deadline > clock.manualNow) clock.manualNow = deadline;
  WakeAll();
  return true;
}

}  // namespace plat

// ---- the platform's kernel functions ----
using namespace plat::kernel;

namespace {

class EventObject : public KernelObject {
 public:
  EventObject(bool manualReset, bool signaled) : manualReset(manualReset), signaled(signaled) {}
  bool IsWaitable() const override { return true; }
  bool IsSignaled() const override { return signaled; }
  void OnWaitSatisfied() override {
    if (!manualReset) signaled = false;
  }
  const bool manualReset;
  bool signaled;
};

}  // namespace

extern "C" HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE start, LPVOID parameter,
                                      DWORD flags, LPDWORD threadId) {
  if (!start) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return Launch([start, parameter] { return start(parameter); }, (flags & CREATE_SUSPENDED) != 0, threadId);
}

extern "C" DWORD WINAPI ResumeThread(HANDLE thread) {
  auto object = LookupHandleAs<ThreadObject>(thread);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return static_cast<DWORD>(-1);
  }
  std::lock_guard lock(Lock());
  const DWORD previous = object->suspended ? 1 : 0;
  object->suspended = false;
  WakeAll();
  return previous;
}

extern "C" BOOL WINAPI GetExitCodeThread(HANDLE thread, LPDWORD exitCode) {
  auto object = LookupHandleAs<ThreadObject>(thread);
  if (!object || !exitCode) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  std::lock_guard lock(Lock());
  *exitCode = object->exitCode;
  return TRUE;
}

extern "C" DWORD WINAPI GetCurrentThreadId(void) { return CurrentThread().id; }

extern "C" HANDLE WINAPI CreateEventW(LPSECURITY_ATTRIBUTES, BOOL manualReset, BOOL initialState, LPCWSTR) {
  return AddHandle(std::make_shared<EventObject>(manualReset != FALSE, initialState != FALSE));
}

extern "C" HANDLE WINAPI CreateEventA(LPSECURITY_ATTRIBUTES attributes, BOOL manualReset, BOOL initialState, LPCSTR) {
  return CreateEventW(attributes, manualReset, initialState, nullptr);
}

static BOOL SetEventState(HANDLE event, bool signaled) {
  auto object = LookupHandleAs<EventObject>(event);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  std::lock_guard lock(Lock());
  object->signaled = signaled;
  WakeAll();
  return TRUE;
}

extern "C" BOOL WINAPI SetEvent(HANDLE event) { return SetEventState(event, true); }
extern "C" BOOL WINAPI ResetEvent(HANDLE event) { return SetEventState(event, false); }

extern "C" BOOL WINAPI CloseHandle(HANDLE object) {
  if (!RemoveHandle(object)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

namespace plat::kernel {

// Shared by the plain waits and the window system's message-aware wait:
// the index of the object that satisfied the wait (all of them for waitAll),
// count when extraReady() fired first, WAIT_TIMEOUT or WAIT_FAILED.
DWORD WaitForObjects(DWORD count, const HANDLE* handles, bool waitAll, DWORD milliseconds,
                     const std::function<bool()>& extraReady, std::optional<uint64_t> extraDeadline) {
  std::vector<std::shared_ptr<KernelObject>> objects;
  for (DWORD i = 0; i < count; ++i) {
    auto object = LookupHandle(handles[i]);
    if (!object || !object->IsWaitable()) {
      SetLastError(ERROR_INVALID_HANDLE);
      return WAIT_FAILED;
    }
    objects.push_back(std::move(object));
  }
  DWORD satisfied = WAIT_TIMEOUT;
  auto objectsReady = [&] {
    if (count > 0 && waitAll) {
      for (auto& o : objects)
        if (!o->IsSignaled()) return false;
      satisfied = WAIT_OBJECT_0;
      return true;
    }
    for (DWORD i = 0; i < count; ++i) {
      if (objects[i]->IsSignaled()) {
        satisfied = WAIT_OBJECT_0 + i;
        return true;
      }
    }
    return false;
  };
  auto ready = [&] {
    if (objectsReady()) return true;
    if (extraReady && extraReady()) {
      satisfied = WAIT_OBJECT_0 + count;
      return true;
    }
    return false;
  };
  std::unique_lock lock(Lock());
  std::optional<uint64_t> deadline = DeadlineAfter(milliseconds);
  if (extraDeadline && (!deadline || *extraDeadline < *deadline)) deadline = extraDeadline;
  if (!WaitUntil(lock, ready, deadline)) return WAIT_TIMEOUT;
  if (satisfied < WAIT_OBJECT_0 + count) {
    if (waitAll) {
      for (auto& o : objects) o->OnWaitSatisfied();
    } else {
      objects[satisfied - WAIT_OBJECT_0]->OnWaitSatisfied();
    }
  }
  return satisfied;
}

}  // namespace plat::kernel

extern "C" DWORD WINAPI WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll, DWORD milliseconds) {
  if (count == 0 || count > MAXIMUM_WAIT_OBJECTS || !handles) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return WAIT_FAILED;
  }
  return WaitForObjects(count, handles, waitAll != FALSE, milliseconds, nullptr, std::nullopt);
}

extern "C" DWORD WINAPI WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  return WaitForMultipleObjects(1, &handle, FALSE, milliseconds);
}

extern "C" void WINAPI Sleep(DWORD milliseconds) {
  if (milliseconds == 0) {
    std::this_thread::yield();
    return;
  }
  std::unique_lock lock(Lock());
  WaitUntil(lock, [] { return false; }, DeadlineAfter(milliseconds));
}

extern "C" DWORD WINAPI GetTickCount(void) { return static_cast<DWORD>(Now()); }

static SYSTEMTIME ClockTime(bool local) {
  std::lock_guard lock(Lock());
  auto& clock = TheClock();
  if (!clock.manual) return RealTime(local);
  return FromCalendarMs(clock.manualLocalMsAtBase + static_cast<int64_t>(clock.manualNow - clock.manualBase));
}

extern "C" void WINAPI GetLocalTime(LPSYSTEMTIME time) {
  if (time) *time = ClockTime(true);
}

// The manual clock has no time zone: its system time equals its local time.
extern "C" void WINAPI GetSystemTime(LPSYSTEMTIME time) {
  if (time) *time = ClockTime(false);
}
