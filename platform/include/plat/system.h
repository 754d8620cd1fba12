// Stand-in controls that the platform itself does not have: the one clock
// behind timers, tick counts, waits and the local date and time (the real
// clock, or a manual one for tests), observed threads, and quiescence (the
// whole system idle) for displays and tests that drive it from outside.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

namespace plat {

// ---- the clock ----
// The real clock (the default): steady milliseconds since start, the host's local time.
void UseRealClock();
// A manual clock that stands still until advanced; "now" is localNow.
void UseManualClock(const SYSTEMTIME& localNow);
bool IsManualClock();
// Milliseconds on the platform clock (GetTickCount is its low 32 bits).
uint64_t ClockNow();
// Manual clock only: moves time on; due timers and timed waits become ready.
void AdvanceClock(uint64_t milliseconds);
// Manual clock only: the local date and time that corresponds to now.
void SetLocalTimeNow(const SYSTEMTIME& localNow);

// ---- observed threads and quiescence ----
// Starts a thread that the platform observes for quiescence (CreateThread's
// threads are observed too). Returns its thread handle.
HANDLE StartThread(std::function<void()> body);
// Waits until every observed thread is blocked in a platform wait with nothing
// to wake it (no message, no signalled object, no due timer or deadline).
// Returns false when that did not happen within realTimeoutMs of real time.
bool WaitIdle(unsigned realTimeoutMs = 20000);
// Manual clock: moves time on to the earliest deadline an observed thread waits
// for (a timer or a timed wait). False when no observed thread waits on time.
bool AdvanceToNextDeadline();
// The earliest such deadline, if any (for displays that show virtual time).
bool NextDeadline(uint64_t* deadline);

}  // namespace plat
