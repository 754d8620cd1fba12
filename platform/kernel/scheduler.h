// The platform lock and the one wait primitive under every blocking call:
// threads wait for a condition or a deadline on the platform clock, and the
// scheduler knows who waits for what, which makes quiescence observable.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace plat::kernel {

// Per-thread data that other layers attach to a thread (the message queue).
struct ThreadExtension {
  virtual ~ThreadExtension() = default;
};

struct ThreadState {
  DWORD id = 0;
  bool observed = false;  // counted for quiescence
  bool waiting = false;
  const std::function<bool()>* ready = nullptr;  // valid while waiting
  std::optional<uint64_t> deadline;              // valid while waiting
  std::unique_ptr<ThreadExtension> user;         // the window system's queue
};

// The one platform lock: guards every waitable state and the thread registry.
std::mutex& PlatformLock();

// The calling thread's state (created on first use; not observed unless the
// thread was started by the platform).
ThreadState& CurrentThread();
// A live thread by id, or null. Lock held.
ThreadState* FindThread(DWORD id);

// Blocks until ready() holds (it is evaluated under the lock, also by other
// threads) or the deadline on the platform clock passes. Lock held on entry
// and exit. Returns true when ready() holds.
bool WaitUntil(std::unique_lock<std::mutex>& lock, const std::function<bool()>& ready,
               std::optional<uint64_t> deadline);

// Wakes every waiter to re-check its condition. Call after changing waitable state.
void WakeAll();

// The platform clock in milliseconds. Lock held or not.
uint64_t Now();
// Deadline for a relative time-out in milliseconds (INFINITE: none).
std::optional<uint64_t> DeadlineAfter(DWORD milliseconds);

}  // namespace plat::kernel

namespace plat::kernel {
// Waits on kernel objects and, optionally, on a further condition (under the
// lock) with its own deadline; returns WAIT_OBJECT_0 + i, WAIT_OBJECT_0 +
// count when the further condition fired, WAIT_TIMEOUT or WAIT_FAILED.
DWORD WaitForObjects(DWORD count, const HANDLE* handles, bool waitAll, DWORD milliseconds,
                     const std::function<bool()>& extraReady, std::optional<uint64_t> extraDeadline);
}  // namespace plat::kernel
