// The report lines of a click, byte for byte, as the report's line tables and the print-zone rule
// give them (one column per GBK byte: a Chinese character or full-width sign takes two).
#include <algorithm>
#include <string>
#include <vector>

#include "report/report_handler.h"
#include "report_golden.h"
#include "report_test_util.h"
#include "ui/memory_window.h"

namespace quarnel {
namespace {

using namespace test;

// What one click writes into a fresh file, read back as UTF-8.
std::string clickOnce(MemoryWindow& w) {
  test::ScratchDir dir;
  std::string path = dir.file("Quarnel书.txt");
  Cmdjss_Click(w, path);
  EXPECT_TRUE(w.warnings().empty());
  return test::fromGbk(test::readBytes(path));
}

TEST(ReportGolden, FirstClickInTheDefaultWindowWritesHeaderAndFirstForm) {
  MemoryWindow w;
  std::string text = clickOnce(w);
  EXPECT_EQ(text, kDefaultHeader + kFirstExterior);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 19);
}

TEST(ReportGolden, LaterClickWritesOnlyTheSectionInItsLaterForm) {
  MemoryWindow w;
  w.setText("counter", "2");
  EXPECT_EQ(clickOnce(w), kLaterExterior);
}

// An interior wall with inputs and results. Columns before each ZONE: N1 8; N2 16; N3 18, then
// 28 + 17 = 45; N4 18; R2 17.
TEST(ReportGolden, InteriorSectionIsTheSameWithAndWithoutHeader) {
  const std::string interior = crlf({
      "轴线号:B" + B(6) + "计算类型：内墙",
      "折算层高：3.3(m)" + B(12) + "  墙体计算层数：6(层)   楼面计算层数：5(层)",
      "活荷折减系数：0.85" + B(10) + "折算墙厚：0.24(m)" + B(11) + "    墙长度：5.4(m)",
      "门窗面积：3.78(m2)" + B(10) + "  楼面计算板跨：3.9(m)",
      "隔墙数量：",
      "轴线一侧：  隔墙长：2.1  数量：1",
      "轴线另侧：  隔墙长：  数量：",
      "[计算结果]",
      "恒荷载=45.6(kn/m)" + B(11) + "活荷载=12.3(kn/m)",
      "折减后活荷载=8.0(kn/m)",
      "设计值=恒荷载+活荷载（折减）=65.92(kn/m)",
      kRule,
  });
  for (const char* counter : {"1", "2"}) {
    MemoryWindow w;
    w.select("Optnq");
    const std::vector<std::pair<const char*, const char*>> fields = {
        {"zxh", "B"},        {"zscg", "3.3"},  {"qcs", "6"},       {"hhjscs", "5"},
        {"zjxs", "0.85"},    {"zsqh", "0.24"}, {"qcd", "5.4"},     {"mcmj", "3.78"},
        {"lmjscd", "3.9"},   {"gqc1", "2.1"},  {"gqds1", "1"},     {"dhz", "45.6"},
        {"hhz", "12.3"},     {"zjhh", "8.0"},  {"hzsjz", "65.92"}, {"gqsl", "7"},
        {"counter", counter}};
    for (auto [name, text] : fields) w.setText(name, text);
    std::string expected = std::string(counter) == "1" ? kDefaultHeader + interior : interior;
    EXPECT_EQ(clickOnce(w), expected) << "counter " << counter;
  }
}

struct AxisCase {
  const char* zxh;
  std::string line;
};

// Field texts are written unchanged and move the next item to the first zone start after them.
TEST(ReportGolden, AxisLabelsOfAnyLengthAndScript) {
  const std::string long40 = "0123456789012345678901234567890123456789";
  const std::vector<AxisCase> cases = {
      {"", "轴线号:" + B(7) + "计算类型：外墙"},                   // 7 columns
      {"东侧", "轴线号:东侧" + B(3) + "计算类型：外墙"},           // 11
      {"A1234567", "轴线号:A1234567" + B(13) + "计算类型：外墙"},  // 15
      {"0123456789012345678901234567890123456789",
       "轴线号:" + long40 + B(9) + "计算类型：外墙"},         // 47
      {"A😀", "轴线号:A?" + B(5) + "计算类型：外墙"},          // 9: one "?" for the emoji
      {"a b\tc", "轴线号:a b\tc" + B(2) + "计算类型：外墙"},  // 12
  };
  for (const AxisCase& c : cases) {
    MemoryWindow w;
    w.setText("counter", "2");
    w.setText("zxh", c.zxh);
    std::string text = clickOnce(w);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), c.line) << c.zxh;
  }
}

// counter says "header written" exactly when its leading number rounds (halves to even) to 2.
TEST(ReportGolden, CounterReadsAsTwoByLeadingNumberAndRounding) {
  const std::vector<const char*> written = {"2",   "2.0",  " 2 ",   "+2",    "1.5",
                                            "2.5", "2abc", "20e-1", "0.2E1", "2\n"};
  const std::vector<const char*> due = {"1",   "",      "0",    "3",     "-2",     "1.49", "2.51",
                                        "abc", "65538", "1e10", "1e999", "-1e999", "e2"};
  for (bool isWritten : {true, false}) {
    for (const char* counter : isWritten ? written : due) {
      MemoryWindow w;
      w.setText("counter", counter);
      EXPECT_EQ(clickOnce(w), isWritten ? kLaterExterior : kDefaultHeader + kFirstExterior)
          << "counter \"" << counter << "\"";
      EXPECT_EQ(w.text("counter"), "2");
    }
  }
}

TEST(ReportGolden, FocusMovesToTheAxisLabel) {
  MemoryWindow w;
  w.setFocus("qcd");
  clickOnce(w);
  EXPECT_EQ(w.focus(), "zxh");
}

}  // namespace
}  // namespace quarnel
