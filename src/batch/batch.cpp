#include "batch/batch.h"

#include <exception>
#include <iostream>
#include <optional>
#include <sstream>

#include "batch/columns.h"
#include "batch/csv.h"
#include "batch/files.h"
#include "batch/output.h"
#include "batch/run.h"
#include "report/report_file.h"
#include "report/report_path.h"

namespace quarnel {
namespace {

struct Options {
  std::string table, output, results;
  bool dryRun = false, csv = false, help = false, version = false;
};

// The usage error of a results file that is the table or a report file however either is
// written (writing the results would overwrite it); empty when it is neither.
std::string resultsClash(const Options& o) {
  if (o.table != "-" && sameFile(o.results, o.table))
    return "结果文件 " + o.results + " 就是表格 " + o.table;
  const std::vector<std::string> reports =
      o.output.empty() ? std::vector{reportPath(), fallbackReportPath()} : std::vector{o.output};
  for (const std::string& report : reports)
    if (!report.empty() && sameFile(o.results, report))
      return "结果文件 " + o.results + " 就是计算书文件 " + report;
  return "";
}

// The options of the command line, or the usage error.
std::optional<Options> parseArgs(const std::vector<std::string>& args, std::string& error) {
  Options o;
  bool tableGiven = false;
  for (std::size_t k = 0; k < args.size() && error.empty(); ++k) {
    const std::string& a = args[k];
    if (a == "-o" && k + 1 < args.size())
      o.output = args[++k];
    else if (a == "-o")
      error = "选项 -o 后面缺少文件名";
    else if ((a == "-r" || a == "--results") && k + 1 < args.size())
      o.results = args[++k];
    else if (a == "-r" || a == "--results")
      error = "选项 " + a + " 后面缺少文件名";
    else if (a == "-n" || a == "--dry-run")
      o.dryRun = true;
    else if (a == "--csv")
      o.csv = true;
    else if (a == "--help" || a == "-h")
      o.help = true;
    else if (a == "--version")
      o.version = true;
    else if (a.size() > 1 && a[0] == '-')
      error = "未知的选项 " + a;
    else if (tableGiven)
      error = "只能给出一个表格";
    else
      o.table = a, tableGiven = true;
  }
  if (error.empty() && !tableGiven && !o.help && !o.version) error = "没有给出表格";
  if (error.empty() && !o.results.empty()) error = resultsClash(o);
  if (!error.empty()) return std::nullopt;
  return o;
}

std::string usageText() {
  std::string columns;
  for (const FieldNames& f : fieldNames()) {
    columns += "  ";
    for (const std::string& name : f.names) columns += (name == f.field ? "" : " / ") + name;
    columns += "\n";
  }
  return "用法 Usage: quarnel-batch [选项 options] 表格.csv\n"
         "\n"
         "按表格逐条计算墙轴线，把整张表的计算书一次追加到计算书文件，与在窗口中逐条输入、\n"
         "点“计  算”和“生成计算书”所得完全相同；任何一行有错则什么也不写入。\n"
         "Calculates every wall axis of a CSV table and appends the report of the whole table in\n"
         "one piece, exactly as typing the axes into the window would; nothing if any line fails.\n"
         "\n"
         "表格：CSV（UTF-8 或 GBK），第一行为列名，以后每行一条轴线；空单元格沿用上一行，\n"
         "缺少的列取窗口的默认值，全空的行跳过。\n"
         "Table: CSV (UTF-8 or GBK), the first line names the columns, then one axis per line;\n"
         "an empty cell keeps the line above, a missing column the window's default, and an\n"
         "empty line is skipped.\n"
         "\n"
         "  -o 文件 FILE     计算书写入该文件 append the report to FILE (default " +
         reportPathShown() +
         ")\n"
         "  -n, --dry-run    只计算，不写计算书 calculate only, append nothing\n"
         "  --csv            结果输出为 CSV print the results as CSV (UTF-8 with BOM)\n"
         "  -r, --results 文件 FILE\n"
         "                   结果写入该文件（UTF-8 带 BOM）write the results to FILE (UTF-8 with "
         "BOM)\n"
         "  -                从标准输入读表格 read the table from standard input\n"
         "  --help, --version\n"
         "退出状态 Exit status: 0 成功 done, 1 表格有错 failed (nothing appended), 2 用法错误 "
         "usage\n"
         "\n"
         "列名 Columns:\n" +
         columns + "  " + kWallColumns[0] + " / " + kWallColumns[1] +
         ": 外墙 / 内墙 / exterior / interior\n";
}

void listProblems(std::ostream& err, const std::string& table, const std::vector<Problem>& ps) {
  for (const Problem& p : ps) {
    err << table;
    if (p.line > 0) err << ':' << p.line;
    err << ": " << (p.column.empty() ? "" : p.column + ": ") << p.message << '\n';
  }
}

// The bytes of the table, or the reason why they cannot be read.
std::optional<std::string> readTable(const std::string& name, std::istream& in,
                                     std::string& reason) {
  if (name != "-") return readFileBytes(name, reason);
  std::ostringstream bytes;
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) bytes.write(buffer, in.gcount());
  if (in.bad()) reason = "读取失败";
  if (in.bad()) return std::nullopt;
  return bytes.str();
}

// The printed results as the results file holds them: UTF-8 with a byte-order mark, the lines
// ended as on this system (the CSV already has both, and keeps its CR LF everywhere).
std::string resultsFileText(const std::string& printed, bool csv) {
  if (csv) return printed;
  std::string text = "\xEF\xBB\xBF";
  for (char c : printed) c == '\n' ? text += kTextLineEnd : text += c;
  return text;
}

int runTable(const Options& o, std::istream& in, std::ostream& out, std::ostream& err) {
  std::string reason;
  const std::optional<std::string> bytes = readTable(o.table, in, reason);
  const std::optional<std::string> text = bytes ? tableText(*bytes) : std::nullopt;
  if (!text) {
    listProblems(
        err, o.table,
        {{0, "", bytes ? "既不是 UTF-8 也不是 GBK 编码的文本" : "无法读取（" + reason + "）"}});
    return kBatchFailed;
  }
  const AxesRun run = runAxes(parseCsv(*text));
  if (!run.problems.empty()) {
    listProblems(err, o.table, run.problems);
    err << "表格有错，计算书没有写入。\n";
    return kBatchFailed;
  }
  if (run.axes.empty()) {
    err << "表格中没有轴线，计算书没有写入。\n";
    return kBatchDone;
  }
  // The results are printed once they are in the report (or with -n calculated), never for a run
  // that appended nothing; the results file is opened before and written after the append.
  const std::string printed = o.csv ? csvTable(run.axes) : terminalTable(run.axes);
  ResultsFile results;
  if (!o.results.empty() && !results.open(o.results, reason)) {
    err << "结果文件写入失败：" << o.results << "\n原因：" << reason << "\n计算书没有写入。\n";
    return kBatchFailed;
  }
  // The results to out or into the results file, then the line that says what was done; false
  // when the results file cannot be written, said after that line.
  auto deliver = [&](const std::string& done, const char* end) {
    std::string why;
    if (o.results.empty()) out << printed;
    const bool ok = o.results.empty() || results.write(resultsFileText(printed, o.csv), why);
    err << done << (o.results.empty() || !ok ? "" : "，结果已写入 " + o.results) << end << '\n';
    if (!ok) err << "结果文件写入失败：" << o.results << "\n原因：" << why << '\n';
    return ok;
  };
  const std::string axes = std::to_string(run.axes.size()) + " 条轴线";
  if (o.dryRun)
    return deliver("试算：" + axes + "，计算书没有写入", "。") ? kBatchDone : kBatchFailed;
  ReportFiles files = o.output.empty() ? ReportFiles{reportPath(), fallbackReportPath()}
                                       : ReportFiles{o.output, {}};
  const ReportAppend appended = appendReport(files, run.report);
  if (appended.failure) {
    err << appendFailureText(appended.file, *appended.failure) << '\n';
    return kBatchFailed;
  }
  if (appended.tellFallback) err << fallbackNotice(files) << '\n';
  return deliver(axes + "的计算书已写入 " + appended.file, "") ? kBatchDone : kBatchFailed;
}

}  // namespace

int runBatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err) {
  std::string error;
  const std::optional<Options> o = parseArgs(args, error);
  if (!o) {
    err << "quarnel-batch: " << error
        << "\n用法 Usage: quarnel-batch [-o 文件] [-r 文件] [-n] [--csv] 表格.csv"
        << "（--help 查看说明）\n";
    return kBatchUsage;
  }
  if (o->help) out << usageText();
  if (o->version) out << "quarnel-batch " << kVersion << '\n';
  if (o->help || o->version) return kBatchDone;
  try {
    return runTable(*o, in, out, err);
  } catch (const std::exception& e) {  // no GBK converter on this system
    listProblems(err, o->table, {{0, "", e.what()}});
    return kBatchFailed;
  }
}

}  // namespace quarnel
