// Faults of the report file: the program warns once, keeps the header flag, leaves no half report.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <utility>

#include "../common/test_support.h"
#include "report/report_sections.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"
#ifdef _WIN32
#include <windows.h>
#else
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

TEST(ReportFile, WhateverStandsAtThePathIsAppendedToOrLeftAsItWas) {
  using Make = void (*)(const fs::path& path);
  const std::tuple<const char*, Make, bool> rows[] = {
      {"nothing: the file is created", [](const fs::path&) {}, true},
      {"bytes of another program: kept",
       [](const fs::path& p) { writeBytes(p.u8string(), std::string("x\r\n\0\xFF y", 8)); }, true},
      {"a folder", [](const fs::path& p) { fs::create_directory(p); }, false},
      {"a missing folder", [](const fs::path& p) { fs::remove_all(p.parent_path()); }, false},
#ifndef _WIN32
      {"a link to a full disk", [](const fs::path& p) { fs::create_symlink("/dev/full", p); },
       false},
      {"a named pipe that nobody reads", [](const fs::path& p) { mkfifo(p.c_str(), 0600); }, false},
      {"a dangling link into a missing folder",
       [](const fs::path& p) { fs::create_symlink(p.parent_path() / "gone/r.txt", p); }, false},
#else
      {"a read-only file",
       [](const fs::path& p) {
         writeBytes(p.u8string(), "x");
         fs::permissions(p, fs::perms::owner_read);
       },
       false},
      {"a file another program holds open for writing without sharing",
       [](const fs::path& p) {
         held = CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
       },
       false},
#endif
  };
  std::error_code ignored;
  for (const auto& [name, make, writable] : rows) {
    SCOPED_TRACE(name);
    ScratchDir dir;
    const fs::path path = dir.path / fs::u8path("Quarnel书.txt");
    MemoryWindow w;
    w.setFocus("qcd");
    make(path);
    const std::string before = standing(path);
    Cmdjss_Click(w, path.u8string());
#ifdef _WIN32
    CloseHandle(std::exchange(held, INVALID_HANDLE_VALUE));
#endif
    EXPECT_EQ(w.text("counter"), writable ? "2" : "1");
    EXPECT_EQ(w.focus(), writable ? "zxh" : "qcd");
    EXPECT_FALSE(fs::exists(dir.path / "gone"));
    ASSERT_EQ(w.warnings().size(), writable ? 0u : 1u);
    const std::string now = standing(path);
    EXPECT_EQ(now.substr(0, before.size()), before);
    EXPECT_EQ(lines(now.substr(before.size())), writable ? 9u + 10u : 0u);
    if (!writable) {
      EXPECT_NE(w.warnings()[0].text.find(path.u8string()), std::string::npos);
    }
    fs::permissions(path, fs::perms::owner_all, ignored);
  }
}

// Writers (threads with their own window and file) append 1000 reports each at once: none mixed.
TEST(ReportFile, ConcurrentAppendsNeverMix) {
  auto section = [](int program, int n, MemoryWindow& w) {
    w.setText("zxh", std::to_string(program) + "-" + std::to_string(n) + std::string(2048, '#'));
    ReportText text;
    writeExterior(text, fieldsOf(w), false);
    return text.bytes();
  };
  for (int programs : {2, 8}) {
    ScratchDir dir;
    std::vector<std::thread> threads;
    for (int p = 0; p < programs; ++p)
      threads.emplace_back([&, p] {
        MemoryWindow w;
        w.setText("counter", "2");
        for (int n = 0; n < 1000; ++n) {
          section(p, n, w);  // sets the axis label
          Cmdjss_Click(w, dir.file("r.txt"));
        }
        EXPECT_TRUE(w.warnings().empty());
      });
    for (std::thread& t : threads) t.join();
    const std::string file = readBytes(dir.file("r.txt"));
    std::vector<int> next(programs, 0);
    MemoryWindow w;
    for (std::size_t at = 0; at < file.size();) {
      const int p = file[at + 7] - '0';  // after "轴线号:" in GBK
      const std::string expected = section(p, next[p]++, w);
      ASSERT_EQ(file.compare(at, expected.size(), expected), 0) << "a mixed report at byte " << at;
      at += expected.size();
    }
    EXPECT_EQ(next, std::vector<int>(programs, 1000));
  }
}

// Run alone with files limited to 1 KiB (tests/CMakeLists.txt): written in part, then taken back.
TEST(ReportFile, AWriteFailingHalfWayUnderAFileSizeLimit) {
  ScratchDir dir;
  writeBytes(dir.file("r.txt"), std::string(900, 'x'));
  MemoryWindow w;
  Cmdjss_Click(w, dir.file("r.txt"));
  EXPECT_EQ(readBytes(dir.file("r.txt")), std::string(900, 'x'));
  EXPECT_EQ(w.warnings().size(), 1u);
  EXPECT_EQ(w.text("counter"), "1");
}

#ifdef _WIN32
// Refused (a folder stands at the path), the report goes to the second place, which the first such
// click of the run names; a path that works keeps the report, and nothing is said.
TEST(ReportFile, ARefusedPathSendsTheReportToTheSecondPlaceAndSaysSoOnce) {
  ScratchDir dir;
  fs::create_directory(dir.path / "c");
  for (const std::string primary : {"c", "c.txt"}) {
    ReportFiles files{dir.file(primary), dir.file("docs.txt")};
    MemoryWindow w;
    Cmdjss_Click(w, files);
    Cmdjss_Click(w, files);
    const bool refused = primary == "c";
    ASSERT_EQ(w.warnings().size(), refused ? 1u : 0u);
    EXPECT_TRUE(!refused || w.warnings()[0].text.find(files.fallback) != std::string::npos);
    EXPECT_EQ(lines(readBytes(refused ? files.fallback : files.path)), 9u + 10u + 10u);
  }
  EXPECT_TRUE(fs::is_empty(dir.path / "c"));
}
#endif

}  // namespace
}  // namespace quarnel::test
