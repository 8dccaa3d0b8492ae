// Faults: whatever stands at the report path, many clicks appending at once, extreme inputs. The
// program goes on, warns once, keeps its inputs and the header flag, and never leaves half a
// report.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

#include "../common/test_support.h"
#include "calc/calculation.h"
#include "report/report_handler.h"
#include "report/report_sections.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#endif

namespace quarnel::test {
namespace {

namespace fs = std::filesystem;

// What stands at a path: a file's bytes, or what else it is.
std::string standing(const std::string& path) {
  const fs::path p = fs::u8path(path);
  if (fs::is_symlink(p)) return "link to " + fs::read_symlink(p).string();
  if (fs::is_directory(p)) return fs::is_empty(p) ? "empty folder" : "filled folder";
  if (fs::is_fifo(p)) return "named pipe";
  return fs::exists(p) ? readBytes(path) : "nothing";
}

std::size_t lines(const std::string& bytes) {
  std::size_t n = 0;
  for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2) ++n;
  return n;
}

#ifndef _WIN32
// Lets the file grow to 300 bytes at most while it lives, so that a report is written in part.
struct FileSizeLimit {
  rlimit old{};
  FileSizeLimit() {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 300;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};
#endif

struct Fault {
  const char* name;
  std::function<std::string(const ScratchDir&)> make;  // makes what stands there; the path
  bool writable;
  bool limited = false;  // the file may not grow past 300 bytes
};

TEST(ReportFile, WhateverStandsAtThePath) {
  auto at = [](const ScratchDir& d) { return d.file("Quarnel书.txt"); };
  std::vector<Fault> rows = {
      {"nothing: the file is created", at, true},
      {"another program's bytes: kept, the report after them",
       [&](const ScratchDir& d) {
         writeBytes(at(d), std::string("other\r\n\0\xFF no line end", 21));
         return at(d);
       },
       true},
      {"a folder",
       [&](const ScratchDir& d) {
         fs::create_directory(fs::u8path(at(d)));
         return at(d);
       },
       false},
      {"a path into a missing folder", [](const ScratchDir& d) { return d.file("gone/r.txt"); },
       false},
  };
#ifndef _WIN32
  rows.insert(rows.end(), {
                              {"a link to a full disk",
                               [&](const ScratchDir& d) {
                                 fs::create_symlink("/dev/full", fs::u8path(at(d)));
                                 return at(d);
                               },
                               false},
                              {"a named pipe that nobody reads",
                               [&](const ScratchDir& d) {
                                 mkfifo(at(d).c_str(), 0600);
                                 return at(d);
                               },
                               false},
                              {"a dangling link into a missing folder",
                               [&](const ScratchDir& d) {
                                 fs::create_symlink(fs::u8path(d.file("gone/r.txt")),
                                                    fs::u8path(at(d)));
                                 return at(d);
                               },
                               false},
                              {"a file that may not grow: written in part, then taken back",
                               [&](const ScratchDir& d) {
                                 writeBytes(at(d), std::string(100, 'x') + "\r\n");
                                 return at(d);
                               },
                               false, true},
                          });
#endif
  for (const Fault& f : rows) {
    SCOPED_TRACE(f.name);
    ScratchDir dir;
    const std::string path = f.make(dir), before = standing(path);
    MemoryWindow w;
    setTexts(w, workedExamples()[0].texts);
    w.setFocus("qcd");
    {
#ifndef _WIN32
      std::unique_ptr<FileSizeLimit> limit(f.limited ? new FileSizeLimit : nullptr);
#endif
      Cmdjss_Click(w, path);
    }
    EXPECT_EQ(w.text("counter"), f.writable ? "2" : "1");
    EXPECT_EQ(w.focus(), f.writable ? "zxh" : "qcd");
    EXPECT_EQ(w.text("qcd"), "6.6");
    EXPECT_FALSE(fs::exists(fs::u8path(dir.file("gone"))));
    if (f.writable) {
      const std::string now = readBytes(path), old = before == "nothing" ? "" : before;
      EXPECT_TRUE(w.warnings().empty());
      EXPECT_EQ(now.substr(0, old.size()), old);
      EXPECT_EQ(lines(now.substr(old.size())), 9u + 10u);
      continue;
    }
    EXPECT_EQ(standing(path), before);
    ASSERT_EQ(w.warnings().size(), 1u);
    EXPECT_EQ(w.warnings()[0].title, "提示");
    EXPECT_NE(w.warnings()[0].text.find(path), std::string::npos);
  }
}

#ifndef _WIN32  // on Windows the file is opened deny-write: a second writer fails, it does not wait
// Programs (here threads, each with its own window and open file) append a thousand reports each
// at the same moment: every report stands whole, in its program's order, none missing or doubled.
TEST(ReportFile, ConcurrentAppendsNeverMix) {
  constexpr int kReports = 1000;
  auto label = [](int program, int report) {
    return "P" + std::to_string(program) + "-" + std::to_string(report) + std::string(2048, '#');
  };
  auto expected = [&](int program, int report) {
    MemoryWindow w;
    w.setText("zxh", label(program, report));
    ReportText text;
    if (report == 0) writeHeader(text, w);
    writeExterior(text, w, report == 0);
    return text.bytes();
  };
  for (int programs : {2, 8}) {
    ScratchDir dir;
    const std::string path = dir.file("Quarnel书.txt");
    std::atomic<int> warnings{0};
    std::vector<std::thread> threads;
    for (int p = 0; p < programs; ++p)
      threads.emplace_back([&, p] {
        MemoryWindow w;
        for (int r = 0; r < kReports; ++r) {
          w.setText("zxh", label(p, r));
          Cmdjss_Click(w, path);
        }
        warnings += int(w.warnings().size());
      });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(warnings, 0);
    const std::string file = readBytes(path);
    std::vector<int> next(programs, 0);
    std::size_t at = 0;
    while (at < file.size()) {
      int found = -1;
      for (int p = 0; p < programs && found < 0; ++p) {
        const std::string report = next[p] < kReports ? expected(p, next[p]) : "";
        if (!report.empty() && file.compare(at, report.size(), report) == 0) found = p;
      }
      ASSERT_GE(found, 0) << programs << " programs: a mixed report at byte " << at;
      at += expected(found, next[found]++).size();
    }
    EXPECT_EQ(next, std::vector<int>(programs, kReports));
  }
}
#endif

// Inputs over the worked exterior example: either its results, or one warning box naming the cause
// and the earlier results left standing; the report of each is whole.
TEST(ExtremeInputs, CalculateComputesOrWarnsAndTheReportIsWhole) {
  const std::size_t mb = 1 << 20;
  auto every = [](const std::string& text) {
    Texts all;
    for (const InputField& f : inputFields()) all.push_back({f.name, text});
    return all;
  };
  const struct {
    const char* name;
    Texts texts;
    const char* warning;  // nullptr: the worked example's results
  } rows[] = {
      {"1 MB axis label", {{"zxh", "书" + std::string(mb, 'A')}}, nullptr},
      {"1 MB of blanks before the wall length", {{"qcd", std::string(mb, ' ') + "6.6"}}, nullptr},
      {"1 MB of zeros before the wall length", {{"qcd", std::string(mb, '0') + "6.6"}}, nullptr},
      {"1 MB of letters after the span", {{"lmjscd", "3.3" + std::string(mb, 'x')}}, nullptr},
      {"1 MB of digits as the floor count", {{"hhjscs", std::string(mb, '9')}}, "楼面计算层数"},
      {"1 MB of digits as the wall length", {{"qcd", std::string(mb, '1')}}, "墙长度"},
      {"99999 floors", {{"hhjscs", "99999"}}, "楼面计算层数"},
      {"1e308 everywhere", every("1e308"), ""},
      {"every input empty", every(""), "墙长度输入错!"},
      {"every input abc", every("abc"), "墙长度输入错!"},
  };
  const Results earlier = {"1.0", "2.0", "3.0", "4."};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    MemoryWindow w;
    setTexts(w, workedExamples()[0].texts);
    setTexts(w, r.texts);
    setTexts(w, {{"dhz", "1.0"}, {"hhz", "2.0"}, {"zjhh", "3.0"}, {"hzsjz", "4."}});
    cmdjs_Click(w);
    EXPECT_EQ(results(w), r.warning ? earlier : workedExamples()[0].results);
    ASSERT_EQ(w.warnings().size(), r.warning ? 1u : 0u);
    if (r.warning) {
      EXPECT_NE(w.warnings()[0].text.find(r.warning), std::string::npos);
    }
    ScratchDir dir;
    Cmdjss_Click(w, dir.file("r.txt"));
    EXPECT_EQ(lines(readBytes(dir.file("r.txt"))), 9u + 10u);
  }
}

}  // namespace
}  // namespace quarnel::test
