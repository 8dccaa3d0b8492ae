// quarnel-batch against the window: the bytes it appends equal those of the window's handlers
// given the same axes one after another, and the worked examples' report written out by hand from
// the report's line layout; every error of a table; what it prints.
#include "batch/batch.h"

#include <gtest/gtest.h>

#include "../common/test_support.h"
#include "report/gbk.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"

namespace quarnel::test {
namespace {

const std::string kData = QUARNEL_TEST_DATA "/batch/";
#ifdef _WIN32  // a missing table in the system's words, which end with the error code
const std::string kLineEnd = "\r\n", kNoSuchTable = "（错误代码 2））\n";
#else
const std::string kLineEnd = "\n", kNoSuchTable = "no-such-table.csv: 无法读取（No such file";
#endif

struct Ran {
  int status;
  std::string out, err;
};
Ran batch(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = runBatch(args, in, out, err);
  return {status, out.str(), err.str()};
}

// What the window program appends when the axes of an .axes file are typed into it one after
// another, each line one axis: an option to select, then what is typed as name=text (\s a blank,
// \n a line feed, \r a carriage return); then 计  算 and 生成计算书 clicked.
std::string typedIntoWindow(const std::string& axes, const std::string& path) {
  MemoryWindow w;
  std::istringstream lines(readBytes(axes));
  for (std::string line; std::getline(lines, line);) {
    std::istringstream items(line);
    for (std::string item; items >> item;) {
      if (item == "optwq" || item == "Optnq") w.select(item);
      if (item == "optwq" || item == "Optnq") item == "optwq" ? optwq_Click(w) : Optnq_Click(w);
      std::string text;
      for (std::size_t k = item.find('=') + 1; k > 0 && k < item.size(); ++k)
        text += item[k] != '\\' ? item[k] : "\n\r "[std::string("nrs").find(item[++k])];
      if (item.find('=') != std::string::npos) w.setText(item.substr(0, item.find('=')), text);
    }
    cmdjs_Click(w);
    reportClick(w, path);
  }
  EXPECT_TRUE(w.warnings().empty()) << axes;
  return readBytes(path);
}

TEST(Batch, AppendsWhatTheWindowAppendsForTheSameAxes) {
  for (const char* name : {"worked_examples", "switching", "captions", "gbk", "bom", "quoted"}) {
    ScratchDir dir;
    const Ran r = batch({"-o", dir.file("batch.txt"), kData + name + ".csv"});
    EXPECT_EQ(r.status, 0) << name << ": " << r.err;
    EXPECT_EQ(readBytes(dir.file("batch.txt")),
              typedIntoWindow(kData + name + ".axes", dir.file("window.txt")))
        << name;
  }
}

TEST(Batch, AppendsAndPrintsTheWorkedExamples) {
  ScratchDir dir;
  writeBytes(dir.file("r.txt"), "earlier\r\n");
  const Ran r = batch({"-o", dir.file("r.txt"), kData + "worked_examples.csv"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(readBytes(dir.file("r.txt")),
            "earlier\r\n" + toGbk(readBytes(kData + "golden/worked_examples.txt")));
  EXPECT_EQ(r.out, readBytes(kData + "worked_examples.out"));
  EXPECT_EQ(batch({"--csv", "-n", kData + "quoted.csv"}).out,
            "\xEF\xBB\xBF轴线号,墙类型,恒荷载,活荷载,折减后活荷,荷载设计值\r\n"
            "\"A,\"\"1\"\"\",外墙,244.219,43.492,28.27,332.64\r\n"
            "\"B\n2\",内墙,209.261,41.73,27.124,289.088\r\n"
            "\"C\r\n3\",内墙,209.261,41.73,27.124,289.088\r\n");
}

// -r: the results as they would be printed, into the file (UTF-8 with a byte-order mark, the
// table in the system's line ends, the CSV in CR LF) in place of what it held; only the summary
// line is printed, and the report is appended as without -r.
TEST(Batch, ResultsFileHoldsWhatWouldBePrinted) {
  std::string table = "\xEF\xBB\xBF";
  for (char c : readBytes(kData + "worked_examples.out"))
    table += c == '\n' ? kLineEnd : std::string(1, c);
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{}, table},
      {{"--csv"},
       "\xEF\xBB\xBF轴线号,墙类型,恒荷载,活荷载,折减后活荷,荷载设计值\r\n"
       "A,外墙,244.219,43.492,28.27,332.64\r\nB,内墙,209.261,41.73,27.124,289.088\r\n"}};
  for (auto [args, bytes] : rows) {
    ScratchDir dir;
    writeBytes(dir.file("结果.txt"), std::string(1000, 'x'));
    args.insert(args.end(), {"-o", dir.file("r.txt"), "--results", dir.file("结果.txt"),
                             kData + "worked_examples.csv"});
    const Ran r = batch(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readBytes(dir.file("结果.txt")), bytes);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "2 条轴线的计算书已写入 " + dir.file("r.txt") + "，结果已写入 " +
                         dir.file("结果.txt") + "\n");
    EXPECT_EQ(readBytes(dir.file("r.txt")), toGbk(readBytes(kData + "golden/worked_examples.txt")));
  }
}

// Each table (read from standard input unless the arguments name another) with the exit status
// and what standard error says; the report file keeps its bytes, and a failed run prints no result.
// "@" stands for the scratch folder of the report file r.txt.
TEST(Batch, ErrorsListTheirLinesAndAppendNothing) {
  const std::string h = "zxh,qcd,lmjscd,hhjscs\n", good = "A,6.6,3.3,5\n";
  const struct {
    std::vector<std::string> args;
    std::string table;
    int status;
    std::string err;
  } rows[] = {
      {{"-"},
       h + good + "B,0\nC,,\nD,5\n",
       1,
       "-:3: qcd: 墙长度输入错!\n-:4: qcd: 墙长度输入错!\n"},
      {{"-"}, " 墙  长度 \n6.6\n\"0\"\n", 1, "-:3: 墙  长度: 墙长度输入错!\n"},
      {{"-"}, "zxh\r\n\"A\r\nB\",\r\n", 1, "-:2: qcd: 墙长度输入错!\n"},
      {{"-"}, h + "\"A\n\nB\",6.6,3.3\nC,6.6,3.3,1e6\n", 1, "-:5: hhjscs: 楼面计算层数超出"},
      {{"-"}, h + good + "B,6.6,3.3,5,\nC,6.6,3.3,5,,x\n", 1, "\n-:4: 单元格比表头多\n"},
      {{"-"}, h + good + "B,6.6\n\"C,6.6\nD,6.6\n", 1, "\n-:4: 引号没有闭合\n"},
      {{"-"}, "zxh,qcdd,\n" + good, 1, "-:1: qcdd: 未知的列名\n"},
      {{"-"}, "qcd, 墙长度,wall\n", 1, "-:1: 墙长度: 与列 qcd 重复\n"},
      {{"-"}, "zxh,wall,qcd\nA,外墙,6.6\nB,exteriors,6.6\n", 1, "\n-:3: wall: 墙类型应为"},
      {{"-"}, h + "\x81 ,6.6\n", 1, "-: 既不是 UTF-8 也不是 GBK"},
      {{"-"}, "\xEF\xBB\xBF\r\n,,\r\n", 1, "-: 表格是空的\n"},
      {{"-"}, h + ",,\n\n", 0, "表格中没有轴线"},
      {{"-n", "-"}, h + good, 0, "试算：1 条轴线"},
      {{"no-such-table.csv"}, "", 1, kNoSuchTable},
      {{"-o", "no-such-folder/r.txt", "-"}, h + good, 1, "计算书文件写入失败"},
      {{"-r", "@no-such-folder/x.txt", "-"}, h + good, 1, "结果文件写入失败"},
      {{"-o", "@no-such-folder/r.txt", "-r", "@x.txt", "-"}, h + good, 1, "计算书文件写入失败"},
      {{"-r", "@./r.txt", "-"}, h + good, 2, "就是计算书文件"},
      {{"-r", "@sub/../t.csv", "@t.csv"}, "", 2, "就是表格"},
      {{"-r"}, "", 2, "-r 后面缺少文件名"},
      {{}, "", 2, "没有给出表格"},
      {{"-", "-"}, "", 2, "只能给出一个表格"},
      {{"-x", "-"}, "", 2, "未知的选项 -x"},
      {{"-o"}, "", 2, "-o 后面缺少文件名"}};
  for (const auto& row : rows) {
    ScratchDir dir;
    writeBytes(dir.file("r.txt"), "earlier\r\n");
    std::vector<std::string> args = {"-o", dir.file("r.txt")};
    for (const std::string& a : row.args) args.push_back(a[0] == '@' ? dir.file(a.substr(1)) : a);
    const Ran r = batch(args, row.table);
    EXPECT_EQ(r.status, row.status) << row.table;
    EXPECT_TRUE(r.status == 0 || r.out.empty()) << r.out;
    EXPECT_NE(("\n" + r.err).find(row.err), std::string::npos) << r.err;
    EXPECT_EQ(readBytes(dir.file("r.txt")), "earlier\r\n") << row.table;
    EXPECT_FALSE(fs::exists(fs::u8path(dir.file("x.txt"))));  // no results file is left
  }
}

TEST(Batch, ReadsGbkAndRefusesWhatIsNotGbk) {
  EXPECT_EQ(fromGbk("A\xD7\xA9\xC7\xBD\xA3\xBA\xAA\xA1\xA1\x40\xA7\xA0"),
            "A砖墙：\uE000\uE4C6\uE765");
  for (const char* bytes : {"\x81 ", "A\xD7", "\xD7\x7F"})
    EXPECT_EQ(fromGbk(bytes), std::nullopt) << bytes;
}

}  // namespace
}  // namespace quarnel::test
