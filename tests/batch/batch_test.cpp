// quarnel-batch against the window: the bytes it appends equal those of the window's handlers
// given the same axes one after another, and the worked examples' report written out by hand from
// the report's line layout; every error of a table; what it prints.
#include "batch/batch.h"

#include <gtest/gtest.h>

#include "../common/test_support.h"
#include "report/gbk.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"
#ifdef _WIN32
#include <windows.h>

#include "calc/utf16.h"
#endif

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
  ReportFiles run{path, {}};
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
    Cmdjss_Click(w, run);
  }
  EXPECT_TRUE(w.warnings().empty()) << axes;
  return readBytes(path);
}

// Tables and the axes they hold; basic_data changes 楼面活荷 on a later row, and so does the
// building saved by LibreOffice Calc 7.4 from libreoffice/building.fods (in UTF-8 and in GBK):
//   soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1' building.fods
// (85 in place of 76 for GBK): its report states the header twice. basic_values.fods, saved the
// same way in UTF-8, changes each basic datum alone on a later row (a header each) and writes the
// same numbers in other formats (2.0, 2, 2.00: no header).
TEST(Batch, AppendsWhatTheWindowAppendsForTheSameAxes) {
  const std::tuple<std::string, std::string, std::size_t> tables[] = {
      {"worked_examples", "worked_examples", 1},
      {"switching", "switching", 1},
      {"captions", "captions", 1},
      {"gbk", "gbk", 1},
      {"bom", "bom", 1},
      {"quoted", "quoted", 1},
      {"basic_data", "basic_data", 2},
      {"libreoffice/building-utf8", "libreoffice/building", 2},
      {"libreoffice/building-gbk", "libreoffice/building", 2},
      {"libreoffice/basic_values", "libreoffice/basic_values", 8}};
  for (const auto& [table, axes, headers] : tables) {
    ScratchDir dir;
    const Ran r = batch({"-o", dir.file("batch.txt"), kData + table + ".csv"});
    EXPECT_EQ(r.status, 0) << table << ": " << r.err;
    const std::string report = readBytes(dir.file("batch.txt")), title = toGbk("----Quarnel书----");
    EXPECT_EQ(report, typedIntoWindow(kData + axes + ".axes", dir.file("window.txt"))) << table;
    std::size_t titles = 0;
    for (auto k = report.find(title); k != std::string::npos; k = report.find(title, k + 1))
      ++titles;
    EXPECT_EQ(titles, headers) << table;
  }
}

// The errors of a table saved by LibreOffice Calc from libreoffice/errors.fods, as its notes say.
TEST(Batch, ListsTheErrorsOfATableSavedByASpreadsheet) {
  ScratchDir dir;
  const std::string table = kData + "libreoffice/errors.csv";
  const Ran r = batch({"-o", dir.file("r.txt"), table});
  EXPECT_EQ(r.status, 1);
  std::string expected;
  for (const char* line :
       {":2: 活荷折减系数: 「65%」不是数字，写成小数，例如 0.65",
        ":3: 砖墙容重: 「#DIV/0!」不是数字，这是电子表格的错误值，请检查该单元格的公式",
        ":3: 墙长度: 「#N/A」不是数字，这是电子表格的错误值，请检查该单元格的公式",
        ":4: 楼面计算层数: 「4.5」应为整数", ":4: 墙长度: 「1,234.5」不是数字，去掉千位分隔符",
        ":5: 轴线号: 没有轴线号（轴线号不沿用上一行）", ":5: 门窗面积: 「-1.2」不能为负数",
        ":6: 墙长度: 「约3.78」不是数字"})
    expected += table + line + "\n";
  EXPECT_EQ(r.err, expected + "表格有错，计算书没有写入。\n");
  EXPECT_FALSE(fs::exists(fs::u8path(dir.file("r.txt"))));
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
            "\"C\r\n3\",内墙,209.261,41.73,27.124,289.088\r\n"
            "\"D\"\"4\",内墙,209.261,41.73,27.124,289.088\r\n");
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
// "@" stands for the scratch folder of the report file r.txt. h names the columns without which no
// axis is calculated, g is a good axis; a row "B,..." sets the cells of its columns over g's.
TEST(Batch, ErrorsListTheirLinesAndAppendNothing) {
  const std::string c = "zxh,zscg,qcs,hhjscs,zsqh,lmjscd", v = "A,2.9,6,5,0.37,3.3",
                    h = c + ",qcd,zjxs,zrz,mcmj\n", g = v + ",6.6,0.65,22,3.78\n", hg = h + g,
                    fw = "\u3000";  // the full-width blank
  const struct {
    std::vector<std::string> args;
    std::string table;
    int status;
    std::string err;
  } rows[] = {
      {{"-"},
       hg + "B,,,,,,0\nC\nD,,,,,,5\n",
       1,
       "-:3: qcd: 墙长度输入错!\n-:4: qcd: 墙长度输入错!\n"},
      {{"-"},
       " 墙  长度 ," + c + "\n6.6," + v + "\n\"0\",B\n",
       1,
       "-:3: 墙  长度: 墙长度输入错!\n"},
      {{"-"}, h + "\"A\r\nB\",2.9,6,5,0.37,3.3,0\r\n", 1, "-:2: qcd: 墙长度输入错!\n"},
      {{"-"}, h + "\"A\n\nB\",2.9,6,5,0.37,3.3,6.6\nC,,,1e6\n", 1, "-:5: hhjscs: 楼面计算层数超出"},
      {{"-"}, hg + "B,,,,,,,,,,\nC,,,,,,,,,,x\n", 1, "\n-:4: 单元格比表头多\n"},
      {{"-"}, hg + "B,6.6\n\"C,6.6\nD,6.6\n", 1, "\n-:4: 引号没有闭合\n"},
      {{"-"}, "zxh,qcdd,\n" + g, 1, "-:1: 未知的列名「qcdd」\n"},
      {{"-"}, "qcd, 墙长度,wall\n", 1, "-:1: 列「墙长度」与列「qcd」重复\n"},
      {{"-"},
       "wall," + c + ",qcd\n外墙," + v + ",6.6\nexteriors,B\n",
       1,
       "\n-:3: wall: 墙类型应为"},
      {{"-"}, h + "\x81 ,6.6\n", 1, "-: 既不是 UTF-8 也不是 GBK"},
      {{"-"}, "\xEF\xBB\xBF\r\n,,\r\n", 1, "-: 表格是空的\n"},
      {{"-"}, h + ",,\n\n", 0, "表格中没有轴线"},
      {{"-n", "-"}, hg, 0, "试算：1 条轴线"},
      // Cells: a number as a spreadsheet writes it, or the cell quoted with a hint.
      {{"-"}, hg + "B,,,,,,,,#REF!\n", 1, "-:3: zrz: 「#REF!」不是数字，这是电子表格的错误值"},
      {{"-"},
       hg + "B,,,,,,,,#N/A\nC,,,,,,,,#VALUE!\nD,,,,,,,,#DIV/0!\n",
       1,
       "-:5: zrz: 「#DIV/0!」"},
      {{"-"}, hg + "B,,,,,,,65%\n", 1, "-:3: zjxs: 「65%」不是数字，写成小数，例如 0.65\n"},
      {{"-"},
       hg + "B,,,,,,\"1,234.5\"\nC,,,,,,\"6,600\"\n",
       1,
       "-:4: qcd: 「6,600」不是数字，去掉千位"},
      {{"-"}, hg + "B,,,,,,３.６\n", 1, "-:3: qcd: 「３.６」不是数字，请用半角数字\n"},
      {{"-"}, hg + "B,,,,,,,,,3．78\nC,,,,,,,,２２\n", 1, "-:4: zrz: 「２２」不是数字，请用半角"},
      {{"-"}, hg + "B,,,,,,3.6" + fw + "\n", 1, "-:3: qcd: 「3.6　」不是数字，请用半角数字\n"},
      {{"-"},
       hg + "B,,,,,,-\nC,,,,,,/\nD,,,,,,约3.78\nE,,,,,, \n",
       1,
       "\n-:6: qcd: 「 」不是数字\n"},
      {{"-"}, hg + "B,,,,,,-3.6\nC,,,,,,,,,-1\n", 1, "\n-:4: mcmj: 「-1」不能为负数\n"},
      {{"-"}, hg + "B,,,4.5\n", 1, "-:3: hhjscs: 「4.5」应为整数\n"},
      {{"-"}, hg + "B,,,,,,,0\nC,,,,,,,1.5\n", 1, "-:4: zjxs: 「1.5」应大于 0 且不大于 1\n"},
      {{"-n", "-"}, hg + "B, 2.9 ,+6,5.,.37,3.3e0,1.2E+01,1,-0\n", 0, "试算：2 条轴线"},
      // Rows: blank ones are skipped, the axis label is never taken from the row above.
      {{"-n", "-"}, hg + ",,, ,,\n" + fw + ",\t\n", 0, "试算：1 条轴线"},
      {{"-"},
       hg + ",2.9\n" + fw + ",3.0\n",
       1,
       "-:3: zxh: 没有轴线号（轴线号不沿用上一行）\n-:4: zxh"},
      {{"-n", "-"}, hg + "A \n", 0, "-:3: zxh: 「A 」与第 2 行的轴线号相同"},
      // Columns: notes, units as the window shows them, blanks around the names.
      {{"-n", "-"},
       "备注,#," + fw + "墙长度(m)" + fw + "," + c + "\n楼梯间,x,6.6," + v + "\n",
       0,
       "试算：1 条轴线"},
      {{"-n", "-"},
       "砖墙容重[kN/m3],门窗面积（m2）,qcd," + c + "\n22,3.78,6.6," + v + "\n",
       0,
       "试算：1 条轴线"},
      {{"-"},
       "墙长度(mm),活荷折减系数(m)\n",
       1,
       "-:1: 列「墙长度(mm)」的单位应为 m\n-:1: 列「活荷折减系数(m)」的数值没有单位\n"},
      {{"-"},
       "zxh,qcd,lmjscd,hhjscs,zsqh\n",
       1,
       "-:1: 表格中没有列「折算层高」\n-:1: 表格中没有列「墙体计算层数」\n"},
      {{"-"}, h + "A,,6,5,0.37,3.3,6.6\n", 1, "-:2: zscg: 没有数值"},
      // Files and streams.
      {{"no-such-table.csv"}, "", 1, kNoSuchTable},
      {{"@"}, "", 1, ": 是文件夹，不是表格文件\n"},
      {{"-o", "@t.csv", "@sub/../t.csv"}, "", 2, "就是表格"},
      {{"-o", "no-such-folder/r.txt", "-"}, hg, 1, "计算书文件写入失败"},
      {{"-r", "@no-such-folder/x.txt", "-"}, hg, 1, "结果文件写入失败"},
      {{"-o", "@no-such-folder/r.txt", "-r", "@x.txt", "-"}, hg, 1, "计算书文件写入失败"},
      {{"-r", "@./r.txt", "-"}, hg, 2, "就是计算书文件"},
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
    EXPECT_EQ(r.status, row.status) << row.table << r.err;
    EXPECT_TRUE(r.status == 0 || r.out.empty()) << r.out;
    EXPECT_NE(("\n" + r.err).find(row.err), std::string::npos) << r.err;
    EXPECT_EQ(readBytes(dir.file("r.txt")), "earlier\r\n") << row.table;
    EXPECT_FALSE(fs::exists(fs::u8path(dir.file("x.txt"))));  // no results file is left
  }
}

// Results that cannot be written to the standard output (a full disk, a closed pipe): status 1,
// and standard error says what became of the report.
TEST(Batch, ResultsThatCannotBePrintedFailTheRun) {
  for (bool dryRun : {false, true}) {
    ScratchDir dir;
    std::istringstream in(readBytes(kData + "worked_examples.csv"));
    std::ostream full(nullptr);  // takes nothing
    std::ostringstream err;
    std::vector<std::string> args = {"-o", dir.file("r.txt"), "-"};
    if (dryRun) args.insert(args.begin(), "-n");
    EXPECT_EQ(runBatch(args, in, full, err), 1);
    EXPECT_NE(err.str().find(dryRun ? "计算书没有写入" : "计算书已写入 " + dir.file("r.txt")),
              std::string::npos);
    EXPECT_NE(err.str().find("结果没有写出"), std::string::npos) << err.str();
  }
}

#ifdef _WIN32
// A second program (a virus scanner, a sync client) holds the file: the report click, the batch's
// report, results file and document wait 300 ms out; 3 s fail as before, inputs and file kept.
TEST(HeldFile, ABriefHoldIsWaitedForALongOneFailsAsBefore) {
  enum Held { Click, Report, Results, Document };
  const std::string inUse = "原因：文件正被另一个程序使用（错误代码 32）\n";
  const std::tuple<Held, int, std::string> rows[] = {
      {Click, 300, ""},    {Click, 3000, inUse},
      {Report, 300, ""},   {Report, 3000, inUse},
      {Results, 300, ""},  {Results, 3000, "（错误代码 32）\n计算书没有写入。"},
      {Document, 300, ""}, {Document, 3000, "（错误代码 32）"}};
  for (const auto& [held, ms, failure] : rows) {
    SCOPED_TRACE(std::to_string(held) + " held for " + std::to_string(ms) + " ms");
    ScratchDir dir;
    const std::string file = dir.file(held == Results    ? "结果.txt"
                                      : held == Document ? "计算书.html"
                                                         : "r.txt");
    writeBytes(file, "earlier\r\n");
    HANDLE holding = CreateEventW(nullptr, TRUE, FALSE, L"QuarnelTestHolding");
    std::wstring command = L"\"" + wide(QUARNEL_HOLD_FILE) + L"\" \"" + wide(file) + L"\" " +
                           std::to_wstring(ms) + L" QuarnelTestHolding";
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION holder{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &start, &holder));
    ASSERT_EQ(WaitForSingleObject(holding, 20000), WAIT_OBJECT_0) << "the file was never held";
    std::string said;
    if (held == Click) {
      MemoryWindow w;
      w.setText("zxh", "B7"), w.setFocus("qcd");
      ReportFiles files{file, {}};
      Cmdjss_Click(w, files);
      said = w.warnings().empty() ? "" : w.warnings()[0].text;
      EXPECT_EQ(w.text("zxh") + w.text("counter") + w.focus(), said.empty() ? "B72zxh" : "B71qcd");
    } else {
      std::vector<std::string> args = {"-o", dir.file("r.txt"), kData + "worked_examples.csv"};
      if (held == Results) args.insert(args.begin(), {"-r", file});
      if (held == Document) args.insert(args.begin(), {"-n", "-d", file});
      const Ran r = batch(args);
      said = r.status ? r.err : "";
    }
    TerminateProcess(holder.hProcess, 0), WaitForSingleObject(holder.hProcess, 20000);
    CloseHandle(holder.hProcess), CloseHandle(holder.hThread), CloseHandle(holding);
    EXPECT_TRUE(failure.empty() ? said.empty() : said.find(failure) != std::string::npos) << said;
    EXPECT_EQ(readBytes(file) == "earlier\r\n", !failure.empty());
  }
}
#endif

TEST(Batch, ReadsGbkAndRefusesWhatIsNotGbk) {
  EXPECT_EQ(fromGbk("A\xD7\xA9\xC7\xBD\xA3\xBA\xAA\xA1\xA1\x40\xA7\xA0"),
            "A砖墙：\uE000\uE4C6\uE765");
  for (const char* bytes : {"\x81 ", "A\xD7", "\xD7\x7F"})
    EXPECT_EQ(fromGbk(bytes), std::nullopt) << bytes;
}

}  // namespace
}  // namespace quarnel::test
