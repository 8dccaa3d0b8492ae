#include "ui/handlers.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "ui/memory_window.h"

namespace quarnel {
namespace {

using Results = std::array<std::string, 4>;

Results results(const MemoryWindow& w) {
  return {w.text("dhz"), w.text("hhz"), w.text("zjhh"), w.text("hzsjz")};
}

void type(MemoryWindow& w, const std::map<std::string, std::string>& texts) {
  for (const auto& [name, text] : texts) w.setText(name, text);
}

// The default window with the inputs of the exterior worked example typed in.
MemoryWindow exteriorExample() {
  MemoryWindow w;
  type(w, {{"gqsl", "1"},
           {"ytzcd", "3.6"},
           {"zscg", "2.9"},
           {"qcs", "6"},
           {"hhjscs", "5"},
           {"zsqh", "0.37"},
           {"qcd", "6.6"},
           {"mcmj", "3.78"},
           {"lmjscd", "3.3"}});
  return w;
}

TEST(Calculate, WorkedExamplesShowTheirResults) {
  MemoryWindow ext = exteriorExample();
  cmdjs_Click(ext);
  EXPECT_EQ(results(ext), (Results{"244.219", "43.492", "28.27", "332.64"}));

  MemoryWindow in;
  in.select("Optnq");
  type(in, {{"gqc1", "3.3"},
            {"gqds1", "1"},
            {"gqc2", "2.4"},
            {"gqds2", "2"},
            {"zscg", "2.9"},
            {"qcs", "6"},
            {"hhjscs", "5"},
            {"zsqh", "0.24"},
            {"qcd", "6.6"},
            {"mcmj", "1.89"},
            {"lmjscd", "3.9"}});
  cmdjs_Click(in);
  EXPECT_EQ(results(in), (Results{"209.261", "41.73", "27.124", "289.088"}));
  EXPECT_TRUE(ext.warnings().empty());
  EXPECT_TRUE(in.warnings().empty());
}

TEST(Calculate, ZeroWallLengthWarnsAndKeepsEarlierResults) {
  for (const char* length : {"0", "0.000", "-0", "abc", " ", ""}) {
    MemoryWindow w = exteriorExample();
    cmdjs_Click(w);
    w.setText("qcd", length);
    cmdjs_Click(w);
    ASSERT_EQ(w.warnings().size(), 1u) << "'" << length << "'";
    EXPECT_EQ(w.warnings()[0].text, "墙长度输入错!");
    EXPECT_EQ(w.warnings()[0].title, "提示");
    EXPECT_EQ(results(w), (Results{"244.219", "43.492", "28.27", "332.64"}));
  }
  MemoryWindow fresh;
  cmdjs_Click(fresh);
  EXPECT_EQ(fresh.warnings().size(), 1u);
  EXPECT_EQ(results(fresh), (Results{"", "", "", ""}));
}

TEST(Calculate, OtherWallLengthsPass) {
  MemoryWindow unit = exteriorExample();
  unit.setText("qcd", "6.6m");
  cmdjs_Click(unit);
  EXPECT_EQ(results(unit), (Results{"244.219", "43.492", "28.27", "332.64"}));
  MemoryWindow negative = exteriorExample();
  negative.setText("qcd", "-6");
  cmdjs_Click(negative);
  EXPECT_TRUE(negative.warnings().empty());
  EXPECT_FALSE(negative.text("dhz").empty());
}

TEST(Calculate, ValueOutOfRangeWarnsWritesNothingAndKeepsInputs) {
  struct Case {
    const char* field;
    const char* text;
    const char* caption;
  } cases[] = {{"hhjscs", "40000", "楼面计算层数"},
               {"hhjscs", "-32769", "楼面计算层数"},
               {"zrz", "1e400", "砖墙容重"},
               {"nrq", "1e39", "女儿墙线荷载"},
               {"lmjscd", "1e308", "恒荷载"}};
  for (const Case& c : cases) {
    MemoryWindow w = exteriorExample();
    w.setText(c.field, c.text);
    MemoryWindow before = w;
    cmdjs_Click(w);
    ASSERT_EQ(w.warnings().size(), 1u) << c.field;
    EXPECT_EQ(w.warnings()[0].title, "提示");
    EXPECT_NE(w.warnings()[0].text.find(c.caption), std::string::npos) << w.warnings()[0].text;
    EXPECT_EQ(results(w), (Results{"", "", "", ""})) << c.field;
    for (const auto& f : {"zrz", "hhjscs", "nrq", "lmjscd", "qcd", "zxh", "counter"})
      EXPECT_EQ(w.text(f), before.text(f));
  }
}

// The controls that the wall type switches, with their visibility for an exterior wall.
const std::map<std::string, bool> kSwitched = {
    {"nrq", true},      {"Frame3", true},  {"Frame7", false},  {"Frame8", false},
    {"Label4", true},   {"Label14", true}, {"yttccd", true},   {"ytzcd", true},
    {"Label13", true},  {"Label15", true}, {"Label32", false}, {"Label33", false},
    {"Label34", false}, {"Label35", true}, {"Label36", false}, {"Label37", false},
    {"Label38", false}, {"gqsl", true},    {"gqc1", false},    {"gqc2", false},
    {"gqds1", false},   {"gqds2", false}};

void expectWallState(const MemoryWindow& w, bool exterior) {
  for (const auto& [name, forExterior] : kSwitched)
    EXPECT_EQ(w.ownVisible(name), forExterior == exterior) << name;
  for (const char* always : {"Label9", "zrz", "Frame2", "zscg", "dhz", "Label31"})
    EXPECT_TRUE(w.ownVisible(always)) << always;
  EXPECT_FALSE(w.ownVisible("counter"));
}

TEST(WallTypeSwitch, ShowsTheInputsOfTheSelectedType) {
  MemoryWindow w;
  expectWallState(w, true);
  w.setText("yttccd", "2.5");
  w.setText("gqc1", "4");
  w.select("Optnq");
  Optnq_Click(w);
  expectWallState(w, false);
  EXPECT_FALSE(w.onScreen("yttccd"));
  EXPECT_TRUE(w.onScreen("gqc1"));
  Optnq_Click(w);  // the option already selected: nothing changes
  optwq_Click(w);  // its option is not selected: nothing happens
  expectWallState(w, false);
  w.select("optwq");
  optwq_Click(w);
  expectWallState(w, true);
  EXPECT_FALSE(w.onScreen("gqc1"));
  EXPECT_EQ(w.text("yttccd"), "2.5");
  EXPECT_EQ(w.text("gqc1"), "4");
}

TEST(ZrzKeyFilter, LetsDigitsBlanksAndControlCodesThrough) {
  MemoryWindow w;
  for (int code : std::initializer_list<int>{'0', '5', '9', ' ', 8, 13, 3, 22, 24, 0, -20001, -1}) {
    std::int16_t key = static_cast<std::int16_t>(code);
    zrz_KeyPress(w, key);
    EXPECT_EQ(key, code);
  }
  for (int code : std::initializer_list<int>{'.', '+', '-', 'e', 'A', '!', '/', ':', '~', 127}) {
    std::int16_t key = static_cast<std::int16_t>(code);
    zrz_KeyPress(w, key);
    EXPECT_EQ(key, 0) << code;
  }
}

}  // namespace
}  // namespace quarnel
