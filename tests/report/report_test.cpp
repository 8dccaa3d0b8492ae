// The report text: GBK bytes, 14-column print zones counted in those bytes, CR LF, and the lines
// of a click, byte for byte, as the line tables and the print-zone rule give them.
#include <gtest/gtest.h>

#include <initializer_list>

#include "../common/test_support.h"
#include "report/gbk.h"
#include "report/report_handler.h"
#include "report/report_text.h"
#include "ui/memory_window.h"

namespace quarnel::test {
namespace {

std::string B(int n) {
  return std::string(n, ' ');
}

std::string crlf(std::initializer_list<std::string> lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

TEST(ReportGbk, CodeTableBytesAndOneQuestionMarkForWhatGbkLacks) {
  const std::pair<const char*, std::string> rows[] = {
      {"(kn/m3) 0.45", "(kn/m3) 0.45"},
      {"书：", "\xCA\xE9\xA3\xBA"},
      {"砖墙（折减）", "\xD7\xA9\xC7\xBD\xA3\xA8\xD5\xDB\xBC\xF5\xA3\xA9"},
      {"A😀B", "A?B"},
      {"한书", "?\xCA\xE9"},
      {"a\xFF", "a?"},
      {"\xE4\xB9", "??"},
      {"\xC3(", "?("}};
  for (const auto& [utf8, gbk] : rows) EXPECT_EQ(toGbk(utf8), gbk) << gbk;
}

TEST(ReportText, ZoneBlanksReachTheNextMultipleOf14Bytes) {
  const std::string k13 = "abcdefghijklm";
  const struct {
    std::vector<std::string> items;  // each followed by a zone, the last one by nothing
    std::string utf8;
  } rows[] = {{{"", "x"}, B(14) + "x"},
              {{k13, "x"}, k13 + B(1) + "x"},
              {{k13 + "n", "x"}, k13 + "n" + B(14) + "x"},
              {{k13 + k13 + "nopq", "x"}, k13 + k13 + "nopq" + B(12) + "x"},
              {{"ab", "", "x"}, "ab" + B(12) + B(14) + "x"},
              {{"书书书书书书书", "x"}, "书书书书书书书" + B(14) + "x"},
              {{"砖墙容重：22", "x"}, "砖墙容重：22" + B(2) + "x"},
              {{"😀书", "x"}, "?书" + B(11) + "x"},
              {{"1\r\n2\n3\r", "x"}, "1  2 3 " + B(7) + "x"}};
  for (const auto& r : rows) {
    ReportText text;
    for (std::size_t k = 0; k + 1 < r.items.size(); ++k) text.add(r.items[k]).zone();
    text.add(r.items.back()).end().add("ab").zone();
    EXPECT_EQ(text.bytes(), toGbk(r.utf8 + "\r\nab" + B(12))) << r.utf8;
  }
}

const std::string kRule(70, '-');

const std::string kHeader = crlf({kRule, B(26) + "----Quarnel书----", kRule, "基本数据",
                                  "砖墙容重：22(kn/m3)" + B(9) + "门窗容重：0.45(kn/m2)",
                                  "楼面活荷：2.0(kn/m2)" + B(8) + "楼面恒荷：3.60(kn/m2)",
                                  "屋面活荷：0.7(kn/m2)" + B(8) + "屋面恒荷：7.0(kn/m2)",
                                  "女儿墙线荷载：6.858(kn/m)", kRule});

const std::string kEmptyResults =
    crlf({"[计算结果]", "恒荷载=(kn/m)" + B(1) + "活荷载=(kn/m)", "折减后活荷载=(kn/m)",
          "设计值=恒荷载+活荷载（折减）=(kn/m)", kRule});

std::string exterior(const std::string& partitions) {
  return crlf({"轴线号:A" + B(6) + "计算类型：外墙",
               "阳台挑出宽度：1.2(m)" + B(8) + "阳台总长度：(m)",
               "折算层高：(m)" + B(1) + "  墙体计算层数：(层)   楼面计算层数：(层)",
               "活荷折减系数：0.65" + B(10) + "折算墙厚：(m)" + B(1) + "    墙长度：(m)",
               "门窗面积：(m2)" + B(14) + "  楼面计算板跨：(m)" + partitions}) +
         kEmptyResults;
}

const std::string kFirstClick = kHeader + exterior("    隔墙数量：0(道)");
const std::string kLaterClick = exterior("  隔墙数量：0道");

TEST(ReportClick, EachRunAppendsAHeaderAndEachClickOneSection) {
  ScratchDir dir;
  const std::string path = dir.file("Quarnel书.txt");
  writeBytes(path, "earlier\r\n");
  MemoryWindow firstRun, secondRun;
  Cmdjss_Click(firstRun, path);
  Cmdjss_Click(firstRun, path);
  Cmdjss_Click(secondRun, path);
  EXPECT_EQ(readBytes(path), "earlier\r\n" + toGbk(kFirstClick + kLaterClick + kFirstClick));
}

TEST(ReportClick, InteriorSectionWithAndWithoutTheHeader) {
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
    ScratchDir dir;
    MemoryWindow w;
    w.select("Optnq");
    setTexts(w, {{"zxh", "B"},
                 {"zscg", "3.3"},
                 {"qcs", "6"},
                 {"hhjscs", "5"},
                 {"zjxs", "0.85"},
                 {"zsqh", "0.24"},
                 {"qcd", "5.4"},
                 {"mcmj", "3.78"},
                 {"lmjscd", "3.9"},
                 {"gqc1", "2.1"},
                 {"gqds1", "1"},
                 {"dhz", "45.6"},
                 {"hhz", "12.3"},
                 {"zjhh", "8.0"},
                 {"hzsjz", "65.92"},
                 {"gqsl", "7"},
                 {"counter", counter}});
    Cmdjss_Click(w, dir.file("r.txt"));
    const std::string header = counter == std::string("1") ? kHeader : "";
    EXPECT_EQ(readBytes(dir.file("r.txt")), toGbk(header + interior)) << counter;
  }
}

// counter says "header written" exactly when its leading number rounds, halves to even, to 2.
TEST(ReportClick, CounterReadsAsTwoByTheLeadingNumberRoundedHalfToEven) {
  const std::pair<const char*, bool> rows[] = {
      {"2", true},     {"2.0", true},   {" 2 ", true},    {"+2", true},
      {"1.5", true},   {"2.5", true},   {"2abc", true},   {"20e-1", true},
      {"1", false},    {"", false},     {"3", false},     {"-2", false},
      {"1.49", false}, {"2.51", false}, {"65538", false}, {"1e999", false}};
  for (const auto& [counter, written] : rows) {
    ScratchDir dir;
    MemoryWindow w;
    w.setText("counter", counter);
    Cmdjss_Click(w, dir.file("r.txt"));
    EXPECT_EQ(readBytes(dir.file("r.txt")), toGbk(written ? kLaterClick : kFirstClick)) << counter;
  }
}

}  // namespace
}  // namespace quarnel::test
