// Durability of the map file: a child process writes points and cards in a
// loop and reports each write whose call has returned; it is killed at some
// moment, and then the file must open intact and hold every reported write.
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

#include "map_test_support.h"

namespace geopane::testing {
namespace {

enum class Written : int32_t { kPoint = 1, kCard = 2 };

// One returned write; small enough for one atomic pipe write.
struct Report {
  Written what;
  int32_t id;
  int32_t number;
};

NavRecord CardFor(int number) {
  NavRecord card = MakeCard(number % 3 + 1, u"耐久");
  card.surveyDate = number;
  for (int slot = 0; slot < 11; ++slot) card.attr[slot] = number * 11 + slot;
  return card;
}

void Send(int fd, const Report& report) {
  if (write(fd, &report, sizeof report) != static_cast<ssize_t>(sizeof report)) _exit(5);
}

[[noreturn]] void WriteUntilKilled(int fd) {
  if (Geopane_Open(kMapPath) != 0) _exit(2);
  for (int number = 1; number < 1000000; ++number) {
    int id = 0;
    if (MapdbPnt_Put(&id, MakePoint(number)) != 0) _exit(3);
    Send(fd, {Written::kPoint, id, number});
    if (MapdbNav_Put(id, CardFor(number)) != 0) _exit(4);
    Send(fd, {Written::kCard, id, number});
  }
  _exit(0);
}

bool ReadReport(int fd, Report* report) {
  return read(fd, report, sizeof *report) == static_cast<ssize_t>(sizeof *report);
}

std::string IntegrityCheck(const std::string& hostPath) {
  sqlite3* db = nullptr;
  std::string verdict = "cannot open";
  if (sqlite3_open_v2(hostPath.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
      verdict = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
  return verdict;
}

class DurabilityTest : public MapTest, public ::testing::WithParamInterface<int> {
 protected:
  // Runs the writer until it has reported killAfter writes, kills it, and
  // returns every write it reported.
  std::vector<Report> RunAndKillWriter(int killAfter) {
    Geopane_Close();  // the child opens its own connection
    int pipeFds[2];
    EXPECT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    if (child == 0) {
      close(pipeFds[0]);
      WriteUntilKilled(pipeFds[1]);
    }
    close(pipeFds[1]);
    std::vector<Report> reports;
    Report report;
    while (static_cast<int>(reports.size()) < killAfter && ReadReport(pipeFds[0], &report)) reports.push_back(report);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer died early, status " << status;
    while (ReadReport(pipeFds[0], &report)) reports.push_back(report);
    close(pipeFds[0]);
    return reports;
  }
};

TEST_P(DurabilityTest, KilledWriterLosesNoReturnedWrite) {
  const std::vector<Report> reports = RunAndKillWriter(GetParam());
  ASSERT_GE(static_cast<int>(reports.size()), GetParam());

  EXPECT_EQ(IntegrityCheck(HostPath("site.gpd")), "ok");
  ASSERT_EQ(Geopane_Open(kMapPath), 0);
  int cards = 0;
  for (const Report& report : reports) {
    if (report.what == Written::kPoint) {
      PntRecord point{};
      ASSERT_EQ(MapdbPnt_Get(report.id, &point), 0) << "point " << report.number;
      EXPECT_EQ(point.number, report.number);
    } else {
      NavRecord card{};
      ASSERT_EQ(MapdbNav_Get(report.id, &card), 0) << "card " << report.number;
      EXPECT_TRUE(SameBytes(card, CardFor(report.number)));
      ++cards;
    }
  }
  int stored = 0;
  ASSERT_EQ(MapdbNav_GetCnt(&stored), 0);
  EXPECT_GE(stored, cards);
  EXPECT_LE(stored, cards + 1) << "at most the write in flight is there unreported";
}

INSTANTIATE_TEST_SUITE_P(KillMoments, DurabilityTest, ::testing::Values(1, 57, 400));

}  // namespace
}  // namespace geopane::testing
