// Faults of the report file: the program warns once, keeps the header flag, leaves no half report,
// and writes to the second place only when the system refuses the first for lack of access.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <utility>

#include "../common/test_support.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace quarnel::test {
namespace {

#ifdef _WIN32
HANDLE held = INVALID_HANDLE_VALUE;  // the file as another program holds it open
#endif

// What stands at a path: a file's bytes, or what else it is.
std::string standing(const fs::path& p) {
  if (fs::is_symlink(p)) return "link to " + fs::read_symlink(p).string();
  if (fs::is_directory(p) || fs::is_fifo(p)) return std::to_string(int(fs::status(p).type()));
  return readBytes(p.u8string());
}

std::size_t lines(const std::string& bytes) {
  return std::count(bytes.begin(), bytes.end(), '\n');
}

enum Outcome { Appended, Warned, SecondPlace };

// Two clicks with something at the path, in a folder of its own, and a second place beside it.
TEST(ReportFile, WhateverStandsAtThePathIsAppendedToOrLeftAsItWas) {
  const std::tuple<const char*, void (*)(const fs::path&), Outcome> rows[] = {
      {"nothing: the file is created", [](const fs::path&) {}, Appended},
      {"a missing folder", [](const fs::path& p) { fs::remove_all(p.parent_path()); }, Warned},
#ifndef _WIN32
      {"a folder", [](const fs::path& p) { fs::create_directory(p); }, Warned},
      {"a full disk", [](const fs::path& p) { fs::create_symlink("/dev/full", p); }, Warned},
      {"a pipe nobody reads", [](const fs::path& p) { mkfifo(p.c_str(), 0600); }, Warned},
      {"a dangling link into a missing folder",
       [](const fs::path& p) { fs::create_symlink(p.parent_path() / "gone/r.txt", p); }, Warned},
#else
      {"a folder: access denied", [](const fs::path& p) { fs::create_directory(p); }, SecondPlace},
      {"a read-only file: access denied",
       [](const fs::path& p) {
         writeBytes(p.u8string(), "x"), fs::permissions(p, fs::perms::owner_read);
       },
       SecondPlace},
      {"a file another program holds open for writing without sharing",
       [](const fs::path& p) {
         held = CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
       },
       Warned},
#endif
  };
  std::error_code ignored;
  for (const auto& [name, make, outcome] : rows) {
    SCOPED_TRACE(name);
    ScratchDir dir;
    fs::create_directory(dir.path / "c");
    const fs::path path = dir.path / "c" / fs::u8path("Quarnel书.txt");
    ReportFiles files{path.u8string(), dir.file("docs.txt")};
    MemoryWindow w;
    w.setFocus("qcd");
    make(path);
    const std::string before = standing(path);
    Cmdjss_Click(w, files);
    Cmdjss_Click(w, files);
#ifdef _WIN32
    CloseHandle(std::exchange(held, INVALID_HANDLE_VALUE));
#endif
    const bool written = outcome != Warned;  // then one box each, else a notice once
    EXPECT_EQ(w.text("counter") + " " + w.focus(), written ? "2 zxh" : "1 qcd");
    EXPECT_FALSE(fs::exists(path.parent_path() / "gone"));
    ASSERT_EQ(w.warnings().size(), outcome == Appended ? 0u : written ? 1u : 2u);
    const std::string now = standing(path);
    EXPECT_EQ(now.substr(0, before.size()), before);
    EXPECT_EQ(lines(now.substr(before.size())), outcome == Appended ? 9u + 10u + 10u : 0u);
    EXPECT_EQ(lines(readBytes(files.fallback)), outcome == SecondPlace ? 9u + 10u + 10u : 0u);
    const std::string named = written ? files.fallback : files.path;  // failed, or written instead
    EXPECT_TRUE(outcome == Appended || w.warnings()[0].text.find(named) != std::string::npos);
    fs::permissions(path, fs::perms::owner_all, ignored);
  }
}

// Writers (threads with their own window and file) append 1000 reports each at once, all whole and
// in order: the golden section, "A" made p + 1, n in four digits and '#'s keeping the zone blanks.
TEST(ReportFile, ConcurrentAppendsNeverMix) {
  const std::string hashes(2054, '#');
  auto label = [&](int p, int n) { return std::to_string(10000 * p + 10000 + n) + hashes; };
  const std::string later = golden("exterior_later.txt");
  for (int programs : {2, 8}) {
    ScratchDir dir;
    std::vector<std::thread> threads;
    for (int p = 0; p < programs; ++p)
      threads.emplace_back([&, p] {
        MemoryWindow w;
        w.setText("counter", "2");
        for (int n = 0; n < 1000; ++n) {
          w.setText("zxh", label(p, n));
          reportClick(w, dir.file("r.txt"));
        }
        EXPECT_TRUE(w.warnings().empty());
      });
    for (std::thread& t : threads) t.join();
    const std::string file = readBytes(dir.file("r.txt"));
    std::vector<int> next(programs, 0);
    for (std::size_t at = 0; at < file.size();) {
      const int p = file[at + 7] - '1';  // after "轴线号:" in GBK
      const std::string expected = std::string(later).replace(7, 1, label(p, next.at(p)++));
      ASSERT_EQ(file.compare(at, expected.size(), expected), 0) << "a mixed report at byte " << at;
      at += expected.size();
    }
    EXPECT_EQ(next, std::vector<int>(programs, 1000));
  }
}

// Run alone with files limited to 1 KiB (tests/CMakeLists.txt): written in part, then taken back;
// a failing disk is no refusal, so nothing goes to the second place.
TEST(ReportFile, AWriteFailingHalfWayUnderAFileSizeLimit) {
#ifndef _WIN32
  if (rlimit limit{}; getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur != 1024)
#else
  if (!std::getenv("QUARNEL_WINE_FILE_SIZE_KIB"))  // scripts/wine.sh sets the limit
#endif
    GTEST_SKIP() << "needs files limited to 1 KiB: ulimit -f 1 (QUARNEL_WINE_FILE_SIZE_KIB=1)";
  ScratchDir dir;
  writeBytes(dir.file("r.txt"), std::string(900, 'x'));
  ReportFiles files{dir.file("r.txt"), dir.file("docs.txt")};
  MemoryWindow w;
  Cmdjss_Click(w, files);
  EXPECT_EQ(readBytes(files.path), std::string(900, 'x'));
  EXPECT_FALSE(fs::exists(files.fallback));
  EXPECT_EQ(w.warnings().size(), 1u);
  EXPECT_EQ(w.text("counter"), "1");
}

}  // namespace
}  // namespace quarnel::test
