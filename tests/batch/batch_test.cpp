// quarnel-batch against the window: the bytes it appends equal those of the window's handlers
// given the same axes one after another, and the worked examples' report written out by hand from
// the report's line layout; what it prints.
#include "batch/batch.h"

#include <gtest/gtest.h>

#include "../common/test_support.h"
#include "batch/output.h"
#include "report/gbk.h"
#include "run_support.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"
#ifdef _WIN32
#include <windows.h>

#include "calc/utf16.h"
#endif

namespace quarnel::test {
namespace {

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

// Tables and the axes they hold (interior has no column of the exterior wall, and states no
// parapet); basic_data changes 楼面活荷 on a later row, bom 女儿墙线荷载
// (empty on its first, interior axis), and so does the building saved by LibreOffice Calc 7.4 from
// libreoffice/building.fods, in UTF-8, GBK, tab- and semicolon-separated UTF-8, and "Unicode text"
// (UTF-16 with a byte-order mark, tab-separated):
//   soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1' building.fods
// (85 in place of 76 for GBK; 9 or 59 in place of 44 for tab or semicolon; for UTF-16
// 'txt:Text - txt - csv (StarCalc):9,34,65535,1'); its report states the header twice. Calc writes
// neither UTF-16 big-endian nor CR-only line ends: building-utf16be.txt is
// iconv -f UTF-16LE -t UTF-16BE of the UTF-16 file, building-cr.csv tr '\n' '\r' of the UTF-8 one.
// basic_values.fods, saved the same way in UTF-8, changes each basic datum alone on a later row (a
// header each) and writes the same numbers in other formats (2.0, 2, 2.00: no header).
TEST(Batch, AppendsWhatTheWindowAppendsForTheSameAxes) {
  const std::tuple<std::string, std::string, std::size_t> tables[] = {
      {"worked_examples.csv", "worked_examples", 1},
      {"switching.csv", "switching", 1},
      {"interior.csv", "interior", 1},
      {"captions.csv", "captions", 1},
      {"gbk.csv", "gbk", 1},
      {"bom.csv", "bom", 2},
      {"quoted.csv", "quoted", 1},
      {"basic_data.csv", "basic_data", 2},
      {"libreoffice/building-utf8.csv", "libreoffice/building", 2},
      {"libreoffice/building-gbk.csv", "libreoffice/building", 2},
      {"libreoffice/building-tab.csv", "libreoffice/building", 2},
      {"libreoffice/building-semicolon.csv", "libreoffice/building", 2},
      {"libreoffice/building-utf16.txt", "libreoffice/building", 2},
      {"libreoffice/building-utf16be.txt", "libreoffice/building", 2},
      {"libreoffice/building-cr.csv", "libreoffice/building", 2},
      {"libreoffice/basic_values.csv", "libreoffice/basic_values", 8}};
  for (const auto& [table, axes, headers] : tables) {
    ScratchDir dir;
    const Ran r = batch({"-o", dir.file("batch.txt"), kData + table});
    EXPECT_EQ(r.status, 0) << table << ": " << r.err;
    const std::string report = readBytes(dir.file("batch.txt")), title = toGbk("----Quarnel书----");
    EXPECT_EQ(report, typedIntoWindow(kData + axes + ".axes", dir.file("window.txt"))) << table;
    std::size_t titles = 0;
    for (auto k = report.find(title); k != std::string::npos; k = report.find(title, k + 1))
      ++titles;
    EXPECT_EQ(titles, headers) << table;
  }
}

// The errors of a table saved by LibreOffice Calc from libreoffice/errors.fods, as its notes say;
// a workbook it saved from building.fods (soffice --headless --convert-to xlsx, and xls) is none.
TEST(Batch, ListsTheErrorsOfATableSavedByASpreadsheet) {
  ScratchDir dir;
  const std::string table = kData + "libreoffice/errors.csv",
                    value = "这是电子表格的错误值，请检查";
  const Ran r = batch({"-o", dir.file("r.txt"), table});
  EXPECT_EQ(r.status, 1);
  std::string expected;
  for (const std::string& line : std::vector<std::string>{
           ":2: 活荷折减系数: 「65%」不是数字，写成小数，例如 0.65",
           ":3: 砖墙容重: 「#DIV/0!」不是数字，" + value + "该单元格的公式",
           ":3: 墙长度: 「#N/A」不是数字，" + value + "该单元格的公式",
           ":4: 楼面计算层数: 「4.5」应为 0 至 32767 的整数",
           ":4: 墙长度: 「1,234.5」不是数字，去掉千位分隔符",
           ":5: 轴线号: 没有轴线号（轴线号不沿用上一行）", ":5: 门窗面积: 「-1.2」不能为负数",
           ":6: 墙长度: 「约3.78」不是数字", ":7: 楼面计算层数: 「32768」应为 0 至 32767 的整数",
           ":7: 墙长度: 「Err:502」不是数字，" + value + "该单元格的公式",
           ":8: 门窗面积: 「250」大于墙面积：墙长度「6.6」 × 折算层高「2.9」",
           ":9: 墙长度: 「6.6m」不是数字，去掉单位",
           ":10: 轴线号: 「1/Ⓐ」中的「Ⓐ」(U+24B6)不能写入计算书（GBK 编码中没有这些字符）"})
    expected += table + line + "\n";
  EXPECT_EQ(r.err, expected + "表格有错，计算书没有写入。\n");
  EXPECT_FALSE(fs::exists(fs::u8path(dir.file("r.txt"))));
  for (const char* workbook : {"building.xlsx", "building.xls"})
    EXPECT_EQ(batch({kData + "libreoffice/" + workbook}).err,
              kData + "libreoffice/" + workbook +
                  ": 这是 Excel/WPS 工作簿，不是 CSV：请在表格程序中另存为「CSV UTF-8」\n");
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
  // A table without axes: the caption line alone, in place of the earlier results.
  ScratchDir dir;
  writeBytes(dir.file("结果.csv"), "earlier results");
  const std::string header = readBytes(kData + "worked_examples.csv");
  EXPECT_EQ(
      batch({"--csv", "-r", dir.file("结果.csv"), "-"}, header.substr(0, header.find('\n'))).status,
      0);
  EXPECT_EQ(readBytes(dir.file("结果.csv")),
            "\xEF\xBB\xBF轴线号,墙类型,恒荷载,活荷载,折减后活荷,荷载设计值\r\n");
}

// --csv and -r keep a label that a spreadsheet would take for a formula text with a leading "'".
TEST(Batch, ResultsKeepLabelsFromBeingFormulas) {
  std::vector<Axis> axes;
  std::string expected = "\xEF\xBB\xBF轴线号,墙类型,恒荷载,活荷载,折减后活荷,荷载设计值\r\n";
  for (const auto& [label, written] : std::initializer_list<std::pair<const char*, const char*>>{
           {"=1+2", "'=1+2"},
           {"+1", "'+1"},
           {"-1", "'-1"},
           {"@A", "'@A"},
           {"\tA", "'\tA"},
           {"\rA", "\"'\rA\""},
           {"A=1", "A=1"},
           {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""}}) {
    axes.push_back({2, label, WallType::Exterior, {}, {}, {"1.0", "2.0", "3.0", "4."}});
    expected += written + std::string(",外墙,1.0,2.0,3.0,4.\r\n");
  }
  EXPECT_EQ(csvTable(axes), expected);
}

// The example building with the wall check's columns (a wall with windows checked by one bay),
// saved by LibreOffice Calc from libreoffice/building-checks.fods:
//   soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1'
//   building-checks.fods
// N, Nu, beta and mu2[beta] worked by hand from the check's inputs and, for N, the worked examples'
// 1.3G + 1.5Qr (A 359.889, B 312.726 kN/m): within 0.05 %, and the verdicts exactly; B fails. The
// printed results and the document hold the same cells, the failing axis first in the summary.
TEST(Batch, ChecksTheWallsOfABuilding) {
  // label, N (0: not worked by hand), Nu, beta, mu2[beta], verdict
  const std::tuple<std::string, double, double, double, double, std::string> axes[] = {
      {"A", 1187.63, 1318.72, 9.081, 20.327, "满足"},  {"D", 0, 1571.69, 9.730, 21.667, "满足"},
      {"B", 2063.99, 1901.25, 12.0, 24.582, "不满足"}, {"C", 0, 1983.42, 8.25, 24.074, "满足"},
      {"1", 0, 1778.24, 10.541, 21.667, "满足"},       {"8", 0, 1600.41, 10.541, 21.667, "满足"}};
  ScratchDir dir;
  const Ran r = batch({"-n", "--csv", "--fail-on-check", "-d", dir.file("doc.html"), "--date",
                       "2026-01-15", kData + "libreoffice/building-checks.csv"});
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(batch({"-n", kData + "libreoffice/building-checks.csv"}).status, 0);
  EXPECT_NE(r.err.find("\n墙体验算：6 条轴线，不满足的轴线：B\n"), std::string::npos) << r.err;
  const std::string doc = readBytes(dir.file("doc.html"));
  std::istringstream lines(r.out);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line.substr(line.find("荷载设计值")), "荷载设计值,N(kN),Nu(kN),Nu/N,β,μ2[β],结论\r");
  for (const auto& [label, n, nu, beta, limit, verdict] : axes) {
    std::getline(lines, line);
    std::vector<std::string> cells;
    for (std::istringstream in(line.substr(0, line.size() - 1));
         std::getline(in, cells.emplace_back(), ',');) {
    }
    cells.pop_back();
    ASSERT_EQ(cells.size(), 12u) << line;
    EXPECT_EQ(cells[0], label);
    for (const auto& [k, expected] : {std::pair(6, n), {7, nu}, {9, beta}, {10, limit}})
      if (expected > 0) {
        EXPECT_NEAR(std::stod(cells[k]), expected, expected * 5e-4) << label << k;
      }
    EXPECT_NEAR(std::stod(cells[8]), std::stod(cells[7]) / std::stod(cells[6]), 0.001);
    EXPECT_EQ(cells[11], verdict) << label;
    std::string row = "<td>" + label + "</td><td>" + cells[1] + "</td>";
    for (int k = 6; k < 12; ++k) row += "<td class=\"num\">" + cells[k] + "</td>";
    EXPECT_NE(doc.find(row), std::string::npos) << row;
  }
  const std::size_t failing = doc.find("不满足的轴线</h3>");
  EXPECT_EQ(doc.find("<tbody><tr><td>B</td>", failing), doc.find("<tbody>", failing));
  EXPECT_LT(doc.find("<h2>4 汇总表</h2>"), failing);
  EXPECT_NE(doc.find("<tr class=\"fail\"><td>B</td>"), std::string::npos);  // red
  EXPECT_LT(failing, doc.find("单位 kN/m。★"));
  // A row that gives its own storey height takes no H0 from above: s > 2H, H0 = H = 3.6 m.
  const std::string table = readBytes(kData + "worked_examples.csv"),
                    header = table.substr(0, table.find('\n')) +
                             ",墙厚,块体强度等级,砂浆强度等级,"
                             "计算高度,层高,横墙间距\n";
  const std::string rows = table.substr(table.find('\n') + 1), a = rows.substr(0, rows.find('\n'));
  const Ran storey = batch({"-n", "--csv", "-"},
                           header + a + ",240,MU10,M5,3\nA2" + std::string(28, ',') + "3.6,20\n");
  EXPECT_NE(storey.out.find(",12.5,24.0,不满足\r\nA2,"), std::string::npos)
      << storey.out << storey.err;
  EXPECT_NE(storey.out.find(",15.0,24.0,不满足\r\n", storey.out.find("A2,")), std::string::npos);
}

// --defaults: the fields the table lacks take the window's default texts, each named once; those
// of the worked exterior example are the window's defaults but for its partitions and balcony.
TEST(Batch, DefaultsAreTakenOnlyWhenAskedAndNamedOnce) {
  const std::string table =
      "zxh,zscg,qcs,hhjscs,zsqh,qcd,mcmj,lmjscd,gqsl,ytzcd\nA,2.9,6,5,0.37,6.6,3.78,3.3,1,3."
      "6\nA2\n";
  const Ran r = batch({"--defaults", "-n", "-"}, table);
  const std::string printed = readBytes(kData + "worked_examples.out"),
                    a = printed.substr(0, printed.find("\nB") + 1);
  EXPECT_EQ(r.out, a + "A2" + a.substr(a.find("\nA") + 3));
  std::size_t named = 0;
  for (auto k = r.err.find("取窗口的默认值"); k != std::string::npos;
       k = r.err.find("取窗口的默认值", k + 1))
    ++named;
  EXPECT_EQ(named, 10u) << r.err;  // 墙类型, the six basic data, parapet, balcony, reduction
  EXPECT_NE(r.err.find("-: 墙类型: 表格中没有这一列，取窗口的默认值「外墙」\n"), std::string::npos);
}

// --template: the header row a table starts from names every column, with its unit, as a table
// may name it: the worked exterior example under it gives the window's results.
TEST(Batch, TheTemplateStartsATable) {
  const Ran header = batch({"--template"});
  EXPECT_EQ(header.out.substr(0, 3) + header.out.substr(header.out.size() - 2), "\xEF\xBB\xBF\r\n");
  const Ran r =
      batch({"-n", "-"}, header.out +
                             "A,外墙,22,0.45,2.0,3.60,0.7,7.0,1,6.858,1.2,3.6,,,,,2.9,6,5,"
                             "0.65,0.37,6.6,3.78,3.3,南\r\n");
  const std::string printed = readBytes(kData + "worked_examples.out");
  EXPECT_EQ(r.out, printed.substr(0, printed.find("\nB") + 1)) << r.err;
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
