#include <gtest/gtest.h>

#include <map>
#include <set>

#include "ui/memory_window.h"
#include "ui/window_table.h"

namespace quarnel {
namespace {

TEST(WindowTable, MainWindowHasEveryControlOnce) {
  const WindowDesc& w = mainWindow();
  std::map<Kind, int> count;
  std::set<std::string> seen;
  for (const Control& c : w.controls) {
    ++count[c.kind];
    EXPECT_TRUE(seen.insert(c.name).second) << "twice: " << c.name;
    EXPECT_TRUE(c.container.empty() || seen.count(c.container)) << c.name << " before its frame";
    if (!c.container.empty()) {
      EXPECT_EQ(findControl(w, c.container)->kind, Kind::Frame);
    }
  }
  EXPECT_EQ(w.controls.size(), 81u);
  EXPECT_EQ(count[Kind::Frame], 8);
  EXPECT_EQ(count[Kind::TextBox], 27);
  EXPECT_EQ(count[Kind::ComboBox], 1);
  EXPECT_EQ(count[Kind::Option], 2);
  EXPECT_EQ(count[Kind::Button], 3);
  EXPECT_EQ(count[Kind::Label], 38);
  EXPECT_EQ(count[Kind::Line], 2);
}

TEST(WindowTable, StartsWithTheStoredTextsAndState) {
  MemoryWindow w;
  std::map<std::string, std::string> defaults = {
      {"zxh", "A"},    {"zrz", "22"},    {"crz", "0.45"}, {"lmhh", "2.0"},  {"lmdh", "3.60"},
      {"wmhh", "0.7"}, {"wmdh", "7.0"},  {"gqsl", "0"},   {"nrq", "6.858"}, {"yttccd", "1.2"},
      {"ytzcd", ""},   {"zjxs", "0.65"}, {"qcd", ""},     {"counter", "1"}, {"dhz", ""}};
  for (const auto& [name, text] : defaults) EXPECT_EQ(w.text(name), text) << name;
  EXPECT_TRUE(w.isSelected("optwq"));
  EXPECT_FALSE(w.isSelected("Optnq"));
  EXPECT_EQ(w.focus(), "zxh");
  EXPECT_EQ(findControl(mainWindow(), "zjxs")->items,
            (std::vector<std::string>{"1.00", "0.90", "0.85", "0.70", "0.65", "0.60", "0.55"}));
  for (const char* ro : {"dhz", "hhz", "zjhh", "hzsjz", "counter"})
    EXPECT_TRUE(findControl(mainWindow(), ro)->readOnly) << ro;
  EXPECT_FALSE(findControl(mainWindow(), "zrz")->readOnly);
}

TEST(WindowTable, TabOrderFollowsTheKeyboardOrder) {
  std::map<int, std::string> byTab;
  for (const Control& c : mainWindow().controls)
    if (c.tabIndex >= 0) byTab[c.tabIndex] = c.name;
  std::vector<std::string> order;
  for (const auto& [tab, name] : byTab) order.push_back(name);
  EXPECT_EQ(order, (std::vector<std::string>{
                       "zxh",   "optwq", "Optnq", "zrz",     "crz",    "lmhh",   "lmdh",
                       "wmhh",  "wmdh",  "gqsl",  "nrq",     "yttccd", "ytzcd",  "gqc1",
                       "gqds1", "gqc2",  "gqds2", "zscg",    "qcs",    "hhjscs", "zjxs",
                       "zsqh",  "qcd",   "mcmj",  "lmjscd",  "cmdjs",  "Cmdjss", "dhz",
                       "hhz",   "zjhh",  "hzsjz", "counter", "cmdhelp"}));
}

}  // namespace
}  // namespace quarnel
