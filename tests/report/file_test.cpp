// The report file: appended to across clicks and runs, never half written, failures shown.
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "report/report_handler.h"
#include "report/report_sections.h"
#include "report_golden.h"
#include "report_test_util.h"
#include "ui/memory_window.h"

namespace quarnel {
namespace {

namespace fs = std::filesystem;
using namespace test;

const std::string kFirstClick = kDefaultHeader + kFirstExterior;

TEST(ReportFile, CreatedWhenMissingOtherwiseGrownAtItsEnd) {
  const std::vector<std::pair<const char*, std::string>> before = {
      {"missing", ""},
      {"empty", ""},
      {"text", "earlier report\r\n"},
      {"binary", std::string("\x00\xFF\xFE\xEF\xBB\xBF no line end \x80", 21)},
  };
  for (const auto& [name, old] : before) {
    ScratchDir dir;
    std::string path = dir.file("Quarnel书.txt");
    if (std::string(name) != "missing") writeBytes(path, old);
    MemoryWindow w;
    Cmdjss_Click(w, path);
    std::string file = readBytes(path);
    ASSERT_GE(file.size(), old.size()) << name;
    EXPECT_EQ(file.substr(0, old.size()), old) << name;
    EXPECT_EQ(fromGbk(file.substr(old.size())), kFirstClick) << name;
  }
}

TEST(ReportFile, EachRunStartsWithAHeaderAndEachClickAddsOneSection) {
  ScratchDir dir;
  std::string path = dir.file("Quarnel书.txt");
  MemoryWindow firstRun;
  for (int click = 0; click < 3; ++click) Cmdjss_Click(firstRun, path);
  MemoryWindow secondRun;
  Cmdjss_Click(secondRun, path);
  std::string file = readBytes(path);
  EXPECT_EQ(fromGbk(file), kFirstClick + kLaterExterior + kLaterExterior + kFirstClick);
  // Every line, the last one included, ends with CR LF; no CR or LF stands alone.
  ASSERT_GE(file.size(), 2u);
  EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
  std::string rest;
  for (std::size_t i = 0; i < file.size(); ++i) {
    if (file.compare(i, 2, "\r\n") == 0)
      ++i;
    else
      rest += file[i];
  }
  EXPECT_EQ(rest.find_first_of("\r\n"), std::string::npos);
}

// A click that cannot write: 0 when it showed one warning box "提示" naming the file and the
// system's reason, left counter at "1" and did not move the focus; otherwise which check failed.
int failedClick(const std::string& path, int err) {
  MemoryWindow w;
  w.setFocus("qcd");
  Cmdjss_Click(w, path);
  if (w.warnings().size() != 1) return 10;
  const MemoryWindow::Warning& box = w.warnings()[0];
  if (box.title != "提示") return 11;
  if (box.text.find(path) == std::string::npos) return 12;
  if (box.text.find(std::strerror(err)) == std::string::npos) return 13;
  if (w.text("counter") != "1") return 14;
  return w.focus() == "qcd" ? 0 : 15;
}

struct FailureCase {
  const char* name;
  std::function<std::string(const ScratchDir&)> prepare;  // makes the failure, gives the path
  int err;
  bool inChild;  // runs under a file-size limit of 300 bytes
};

TEST(ReportFile, AFailedClickLeavesFileCounterAndFocusAsTheyWere) {
  const std::vector<FailureCase> cases = {
      {"the path is a folder",
       [](const ScratchDir& d) {
         fs::create_directory(d.file("Quarnel书.txt"));
         return d.file("Quarnel书.txt");
       },
       EISDIR, false},
      {"disk full",
       [](const ScratchDir& d) {
         fs::create_symlink("/dev/full", d.file("Quarnel书.txt"));
         return d.file("Quarnel书.txt");
       },
       ENOSPC, false},
      {"a named pipe that nobody reads",
       [](const ScratchDir& d) {
         mkfifo(d.file("Quarnel书.txt").c_str(), 0600);
         return d.file("Quarnel书.txt");
       },
       ENXIO, false},
      {"the file may not grow past 300 bytes: written in part, then taken back",
       [](const ScratchDir& d) {
         writeBytes(d.file("Quarnel书.txt"), std::string(100, 'x') + "\r\n");
         return d.file("Quarnel书.txt");
       },
       EFBIG, true},
  };
  for (const FailureCase& c : cases) {
    ScratchDir dir;
    std::string path = c.prepare(dir);
    std::string before = fs::is_regular_file(path) ? readBytes(path) : "";
    if (c.inChild) {
      EXPECT_EQ(inChild([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  rlimit limit{300, 300};
                  return setrlimit(RLIMIT_FSIZE, &limit) == 0 ? failedClick(path, c.err) : 99;
                }),
                0)
          << c.name;
    } else {
      EXPECT_EQ(failedClick(path, c.err), 0) << c.name;
    }
    if (fs::is_fifo(path)) continue;
    if (fs::is_symlink(path)) {
      EXPECT_EQ(fs::read_symlink(path), "/dev/full") << c.name;
    } else if (fs::is_directory(path)) {
      EXPECT_TRUE(fs::is_empty(path)) << c.name;
    } else {
      EXPECT_EQ(readBytes(path), before) << c.name;
    }
  }
}

TEST(ReportFile, AReadOnlyFolderGetsNoFile) {
  ScratchDir dir;
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  std::string path = dir.file("Quarnel书.txt");
  constexpr int kCannotDrop = 77;
  int result = inChild([&] {
    // root may write anywhere: the click runs as the unprivileged user "nobody" instead.
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setresgid(65534, 65534, 65534) != 0 ||
                           setresuid(65534, 65534, 65534) != 0))
      return kCannotDrop;
    return failedClick(path, EACCES);
  });
  if (result == kCannotDrop) GTEST_SKIP() << "running as root without the right to become nobody";
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

// Two programs append many reports to one file at the same time; every report must stand whole.
TEST(ReportFile, ReportsOfTwoProgramsNeverMix) {
  constexpr int kClicks = 300;
  const std::string filler(3000, 'f');  // sections of about 3.5 kB
  auto label = [&](int program, int click) {
    return "P" + std::to_string(program) + "-" + std::to_string(click) + filler;
  };
  ScratchDir dir;
  std::string path = dir.file("Quarnel书.txt");
  std::vector<pid_t> children;
  for (int program = 0; program < 2; ++program) {
    pid_t pid = fork();
    if (pid == 0) {
      alarm(20);
      MemoryWindow w;
      for (int click = 0; click < kClicks; ++click) {
        w.setText("zxh", label(program, click));
        Cmdjss_Click(w, path);
      }
      _exit(w.warnings().empty() ? 0 : 1);
    }
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  // The reports of each program in its own order; the file must be a merge of the two sequences.
  auto report = [&](int program, int click) {
    MemoryWindow w;
    w.setText("zxh", label(program, click));
    ReportText t;
    if (click == 0) writeHeader(t, w);
    writeExterior(t, w, click == 0);
    return t.bytes();
  };
  std::string file = readBytes(path);
  std::size_t at = 0;
  int next[2] = {0, 0};
  while (at < file.size()) {
    int taken = -1;
    for (int p = 0; p < 2 && taken < 0; ++p) {
      if (next[p] == kClicks) continue;
      std::string r = report(p, next[p]);
      if (file.compare(at, r.size(), r) == 0) {
        taken = p;
        at += r.size();
      }
    }
    ASSERT_GE(taken, 0) << "mixed or broken report at byte " << at;
    ++next[taken];
  }
  EXPECT_EQ(next[0], kClicks);
  EXPECT_EQ(next[1], kClicks);
}

}  // namespace
}  // namespace quarnel
