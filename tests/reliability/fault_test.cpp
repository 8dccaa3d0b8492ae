// Faults of the report file that other programs or the disk cause between and during clicks:
// the program goes on, warns, keeps its inputs and counter, and never writes into a file that is
// no longer the report file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "reliability_util.h"
#include "report/report_handler.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"

namespace quarnel {
namespace {

namespace fs = std::filesystem;
using namespace reliability;

// "轴线号:" in GBK: the start of every section.
const std::string kAxisLineStart = "\xD6\xE1\xCF\xDF\xBA\xC5:";

// Every text the user typed, for checking that a failed click lost none.
std::vector<std::string> inputs(const Window& w) {
  std::vector<std::string> out = {w.text("zxh")};
  for (const char* name : kInputFields) out.push_back(w.text(name));
  return out;
}

// The worked exterior example, calculated, with the focus away from zxh.
void prepareWindow(MemoryWindow& w) {
  setTexts(w, kExteriorExample);
  cmdjs_Click(w);
  ASSERT_EQ(results(w), kExteriorResults);
  w.setFocus("qcd");
}

// Checks a click that could not write: one warning box "提示", and counter, focus, inputs and
// results as they were.
void expectFailedClick(MemoryWindow& w, const std::string& path, const std::string& name) {
  const std::string counter = w.text("counter");
  const std::vector<std::string> typed = inputs(w), shown = results(w);
  const std::size_t boxes = w.warnings().size();
  Cmdjss_Click(w, path);
  ASSERT_EQ(w.warnings().size(), boxes + 1) << name;
  EXPECT_EQ(w.warnings().back().title, "提示") << name;
  EXPECT_NE(w.warnings().back().text.find(path), std::string::npos) << name;
  EXPECT_EQ(w.text("counter"), counter) << name;
  EXPECT_EQ(w.focus(), "qcd") << name;
  EXPECT_EQ(inputs(w), typed) << name;
  EXPECT_EQ(results(w), shown) << name;
}

TEST(ReportFaults, DanglingLinkIntoAMissingFolderWarnsAndKeepsTheHeaderDue) {
  ScratchDir dir;
  const std::string path = dir.file("Quarnel书.txt"), target = dir.file("gone/sub/Quarnel书.txt");
  fs::create_symlink(target, path);
  MemoryWindow w;
  prepareWindow(w);
  expectFailedClick(w, path, "dangling link");
  EXPECT_FALSE(fs::exists(dir.file("gone"))) << "the click made the missing folder";
  EXPECT_EQ(fs::read_symlink(path), target);
  // Once the folder exists the next click writes through the link, header first.
  fs::create_directories(dir.file("gone/sub"));
  Cmdjss_Click(w, path);
  EXPECT_EQ(w.warnings().size(), 1u);
  EXPECT_EQ(crlfLines(readBytes(target)), 9 + 10);
  EXPECT_EQ(w.text("counter"), "2");
}

struct Replacement {
  const char* name;
  std::function<void(const ScratchDir&, const std::string&)> replace;  // what happens to the file
  bool writable;  // whether the second click can append to what now stands at the path
};

// Another program's bytes, not GBK text.
const std::string kOtherBytes = std::string("other program\r\n\x00\xFF", 17);

const std::vector<Replacement> kReplacements = {
    {"another file moved over it",
     [](const ScratchDir& d, const std::string& path) {
       writeBytes(d.file("new"), kOtherBytes);
       fs::rename(d.file("new"), path);
     },
     true},
    {"deleted", [](const ScratchDir&, const std::string& path) { fs::remove(path); }, true},
    {"a folder in its place",
     [](const ScratchDir&, const std::string& path) {
       fs::remove(path);
       fs::create_directory(path);
     },
     false},
    {"a link to a full disk in its place",
     [](const ScratchDir&, const std::string& path) {
       fs::remove(path);
       fs::create_symlink("/dev/full", path);
     },
     false},
    {"a dangling link into a missing folder in its place",
     [](const ScratchDir& d, const std::string& path) {
       fs::remove(path);
       fs::create_symlink(d.file("gone/Quarnel书.txt"), path);
     },
     false},
};

// What stands at the path now: a file's bytes, or a description of anything else.
std::string standing(const std::string& path) {
  if (fs::is_symlink(path)) return "link to " + fs::read_symlink(path).string();
  if (fs::is_directory(path)) return fs::is_empty(path) ? "empty folder" : "filled folder";
  return readBytes(path);
}

TEST(ReportFaults, FileReplacedBetweenTwoClicks) {
  for (const Replacement& r : kReplacements) {
    ScratchDir dir;
    const std::string path = dir.file("Quarnel书.txt"), first = dir.file("first");
    MemoryWindow w;
    prepareWindow(w);
    Cmdjss_Click(w, path);
    ASSERT_TRUE(w.warnings().empty()) << r.name;
    fs::create_hard_link(path, first);  // keeps the first file when the path is replaced
    const std::string firstBytes = readBytes(first);
    r.replace(dir, path);
    const std::string before = standing(path);
    w.setText("zxh", "B");
    w.setFocus("qcd");
    if (r.writable) {
      Cmdjss_Click(w, path);
      EXPECT_TRUE(w.warnings().empty()) << r.name;
      const std::string now = readBytes(path);
      ASSERT_EQ(now.compare(0, before.size(), before), 0) << r.name << ": earlier bytes changed";
      const std::string added = now.substr(before.size());
      EXPECT_EQ(crlfLines(added), 10) << r.name << ": not one section without header";
      EXPECT_EQ(added.rfind(kAxisLineStart + "B", 0), 0u) << r.name;
      EXPECT_EQ(w.focus(), "zxh") << r.name;
    } else {
      expectFailedClick(w, path, r.name);
      EXPECT_EQ(standing(path), before) << r.name;
    }
    EXPECT_EQ(readBytes(first), firstBytes) << r.name << ": the replaced file was written to";
    EXPECT_FALSE(fs::exists(dir.file("gone"))) << r.name;
  }
}

}  // namespace
}  // namespace quarnel
