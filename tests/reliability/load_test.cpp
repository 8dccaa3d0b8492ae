// Several programs append many reports to one file at the same time: every report must stand
// whole and unmixed, in each program's own order, and none may be missing or doubled.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "load_window.h"
#include "reliability_util.h"
#include "report/report_handler.h"

extern char** environ;

namespace quarnel {
namespace {

using namespace reliability;

constexpr int kReports = 1000;

// Starts `programs` appenders held back by one pipe, lets them go together and waits for them;
// whether all appended every report.
bool runAppenders(const std::string& path, int programs) {
  int gate[2];
  if (pipe(gate) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, gate[0], 0);
  posix_spawn_file_actions_addclose(&actions, gate[1]);
  std::vector<pid_t> pids;
  for (int p = 0; p < programs; ++p) {
    std::vector<std::string> args = {QUARNEL_APPENDER, path, std::to_string(p),
                                     std::to_string(kReports)};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0)
      pids.push_back(pid);
  }
  posix_spawn_file_actions_destroy(&actions);
  close(gate[0]);
  close(gate[1]);  // all start now
  bool ok = pids.size() == static_cast<std::size_t>(programs);
  for (pid_t pid : pids) {
    int status = 0;
    ok = waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0 && ok;
  }
  return ok;
}

// The bytes that report `report` of program `program` appends when it runs alone.
std::string aloneBytes(int program, int report) {
  ScratchDir dir;
  MemoryWindow w;
  fillForLoad(w, program, report);
  if (report > 0) w.setText("counter", "2");
  Cmdjss_Click(w, dir.file("alone.txt"));
  return readBytes(dir.file("alone.txt"));
}

// Walks the file: each step must be the next report of one of the programs, byte for byte.
// Returns how many reports of each program were found, stopping at the first broken one.
std::vector<int> reportsFound(const std::string& file, int programs, std::size_t& brokenAt) {
  std::vector<int> next(programs, 0);
  std::vector<std::string> expected(programs);
  for (int p = 0; p < programs; ++p) expected[p] = aloneBytes(p, 0);
  std::size_t at = 0;
  while (at < file.size()) {
    int found = -1;
    for (int p = 0; p < programs && found < 0; ++p)
      if (next[p] < kReports && file.compare(at, expected[p].size(), expected[p]) == 0) found = p;
    if (found < 0) break;
    at += expected[found].size();
    if (++next[found] < kReports) expected[found] = aloneBytes(found, next[found]);
  }
  brokenAt = at;
  return next;
}

TEST(ReportLoad, TwoThenEightProgramsAppendAThousandReportsEach) {
  for (int programs : {2, 8}) {
    ScratchDir dir;
    const std::string path = dir.file("Quarnel书.txt");
    ASSERT_TRUE(runAppenders(path, programs)) << programs << " programs";
    const std::string file = readBytes(path);
    std::size_t brokenAt = 0;
    const std::vector<int> found = reportsFound(file, programs, brokenAt);
    EXPECT_EQ(brokenAt, file.size()) << programs << " programs: mixed or broken report at byte "
                                     << brokenAt << " of " << file.size();
    EXPECT_EQ(found, std::vector<int>(programs, kReports)) << programs << " programs";
  }
}

}  // namespace
}  // namespace quarnel
