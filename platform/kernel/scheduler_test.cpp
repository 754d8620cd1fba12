// Kernel objects, waits and the platform clock: events and threads, time-outs
// in virtual time, the local date and time of the manual clock, and
// quiescence of observed threads.
#include <gtest/gtest.h>
#include <plat/system.h>
#include <windows.h>

#include <atomic>

namespace {

class ManualClock : public ::testing::Test {
 protected:
  void SetUp() override { plat::UseManualClock(SYSTEMTIME{2026, 5, 4, 7, 9, 5, 3, 0}); }
  void TearDown() override { plat::UseRealClock(); }
};

TEST_F(ManualClock, AutoResetEventReleasesOneWaitAndResets) {
  HANDLE event = CreateEventW(nullptr, FALSE, TRUE, nullptr);
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  SetEvent(event);
  SetEvent(event);
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  CloseHandle(event);
}

TEST_F(ManualClock, ManualResetEventStaysSignalledUntilReset) {
  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  SetEvent(event);
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
  ResetEvent(event);
  EXPECT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  CloseHandle(event);
}

TEST_F(ManualClock, ClosedOrUnknownHandlesFailWaits) {
  HANDLE event = CreateEventW(nullptr, TRUE, TRUE, nullptr);
  CloseHandle(event);
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_FALSE(CloseHandle(event));
}

TEST_F(ManualClock, WaitAnyReportsTheFirstSignalledAndWaitAllNeedsEvery) {
  HANDLE events[2] = {CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, TRUE, TRUE, nullptr)};
  EXPECT_EQ(WaitForMultipleObjects(2, events, FALSE, 0), WAIT_OBJECT_0 + 1);
  EXPECT_EQ(WaitForMultipleObjects(2, events, TRUE, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  SetEvent(events[0]);
  EXPECT_EQ(WaitForMultipleObjects(2, events, TRUE, 0), WAIT_OBJECT_0);
  for (HANDLE e : events) CloseHandle(e);
}

DWORD WINAPI WaitFiveSeconds(LPVOID parameter) {
  return WaitForSingleObject(static_cast<HANDLE>(parameter), 5000);
}

TEST_F(ManualClock, TimedWaitEndsOnlyWhenVirtualTimeReachesItsDeadline) {
  HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const DWORD startTicks = GetTickCount();
  HANDLE thread = CreateThread(nullptr, 0, WaitFiveSeconds, never, 0, nullptr);
  ASSERT_TRUE(plat::WaitIdle());
  uint64_t deadline = 0;
  ASSERT_TRUE(plat::NextDeadline(&deadline));
  EXPECT_EQ(deadline, plat::ClockNow() + 5000);
  EXPECT_EQ(WaitForSingleObject(thread, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  ASSERT_TRUE(plat::AdvanceToNextDeadline());
  EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(code, static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(GetTickCount() - startTicks, 5000u);
  CloseHandle(thread);
  CloseHandle(never);
}

DWORD WINAPI ReturnSeven(LPVOID) { return 7; }

TEST_F(ManualClock, ThreadHandleSignalsAtExitWithTheExitCode) {
  HANDLE thread = CreateThread(nullptr, 0, ReturnSeven, nullptr, CREATE_SUSPENDED, nullptr);
  DWORD code = 0;
  ASSERT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE));
  EXPECT_EQ(ResumeThread(thread), 1u);
  EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(code, 7u);
  CloseHandle(thread);
}

TEST_F(ManualClock, LocalTimeFollowsTheClockAcrossMidnight) {
  plat::SetLocalTimeNow(SYSTEMTIME{2026, 12, 4, 31, 23, 59, 59, 500});
  plat::AdvanceClock(600);
  SYSTEMTIME now{};
  GetLocalTime(&now);
  EXPECT_EQ(now.wYear, 2027);
  EXPECT_EQ(now.wMonth, 1);
  EXPECT_EQ(now.wDay, 1);
  EXPECT_EQ(now.wHour, 0);
  EXPECT_EQ(now.wSecond, 0);
  EXPECT_EQ(now.wMilliseconds, 100);
  EXPECT_EQ(now.wDayOfWeek, 5);  // a Friday
}

TEST_F(ManualClock, SleepingObservedThreadIsIdleUntilTimeMoves) {
  std::atomic<bool> woke{false};
  HANDLE thread = plat::StartThread([&] {
    Sleep(250);
    woke = true;
  });
  ASSERT_TRUE(plat::WaitIdle());
  EXPECT_FALSE(woke);
  plat::AdvanceClock(249);
  ASSERT_TRUE(plat::WaitIdle());
  EXPECT_FALSE(woke);
  plat::AdvanceClock(1);
  EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
  EXPECT_TRUE(woke);
  CloseHandle(thread);
}

TEST(RealClock, TimedWaitReturnsAfterItsTimeOut) {
  HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const DWORD before = GetTickCount();
  EXPECT_EQ(WaitForSingleObject(never, 20), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_GE(GetTickCount() - before, 20u);
  CloseHandle(never);
}

}  // namespace
