#include "batch/batch.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>

#include "batch/columns.h"
#include "batch/csv.h"
#include "batch/dates.h"
#include "batch/files.h"
#include "batch/output.h"
#include "batch/run.h"
#include "batch/usage.h"
#include "document/check.h"
#include "document/document.h"
#include "document/sha256.h"
#include "report/report_file.h"
#include "report/report_path.h"
#include "ui/window_table.h"

namespace quarnel {
namespace {

struct Options {
  std::string table, output, results, document, title, date;
  bool dryRun = false, csv = false, defaults = false, failOnCheck = false;
  bool help = false, version = false,
       header = false;  // print the help, the version, the header row
  bool documentGiven = false, titleGiven = false, dateGiven = false;
};

// What a table read from the standard input is called in the document.
constexpr const char* kStandardInput = "标准输入";

// The options that take a value (a file, or a text of the document): each may be given once.
struct ValueOption {
  const char* name;
  const char* longName;  // nullptr: none
  std::string Options::*value;
  const char* missing;             // what the message says is missing after it
  bool Options::*given = nullptr;  // set when the option is given, where the run needs to know
};
const ValueOption kValueOptions[] = {
    {"-o", nullptr, &Options::output, "文件名"},
    {"-r", "--results", &Options::results, "文件名"},
    {"-d", "--document", &Options::document, "文件名", &Options::documentGiven},
    {"--title", nullptr, &Options::title, "内容", &Options::titleGiven},
    {"--date", nullptr, &Options::date, "内容", &Options::dateGiven}};

// The options that set a flag.
struct FlagOption {
  const char* name;
  const char* longName;
  bool Options::*flag;
};
const FlagOption kFlagOptions[] = {{"-n", "--dry-run", &Options::dryRun},
                                   {"--csv", nullptr, &Options::csv},
                                   {"--defaults", nullptr, &Options::defaults},
                                   {"--fail-on-check", nullptr, &Options::failOnCheck},
                                   {"--template", nullptr, &Options::header},
                                   {"-h", "--help", &Options::help},
                                   {"--version", nullptr, &Options::version}};

// The option of the list that the argument names, or nullptr.
template <typename Option, std::size_t N>
const Option* named(const Option (&options)[N], const std::string& a) {
  for (const Option& option : options)
    if (a == option.name || (option.longName && a == option.longName)) return &option;
  return nullptr;
}

// The usage error of a report file that is the table, or of a results file that is the table or a
// report file, however each is written (appending or writing would change the table or the
// report); empty when there is none.
std::string fileClash(const Options& o) {
  const std::vector<std::string> reports =
      o.output.empty() ? std::vector{reportPath(), fallbackReportPath()} : std::vector{o.output};
  for (const std::string& report : reports)
    if (!report.empty() && o.table != "-" && sameFile(report, o.table))
      return "计算书文件 " + report + " 就是表格 " + o.table;
  if (!o.results.empty() && o.table != "-" && sameFile(o.results, o.table))
    return "结果文件 " + o.results + " 就是表格 " + o.table;
  for (const std::string& report : reports)
    if (!o.results.empty() && !report.empty() && sameFile(o.results, report))
      return "结果文件 " + o.results + " 就是计算书文件 " + report;
  if (o.document.empty()) return "";
  if (o.table != "-" && sameFile(o.document, o.table))
    return "HTML 计算书 " + o.document + " 就是表格 " + o.table;
  for (const std::string& report : reports)
    if (!report.empty() && sameFile(o.document, report))
      return "HTML 计算书 " + o.document + " 就是计算书文件 " + report;
  if (!o.results.empty() && sameFile(o.document, o.results))
    return "HTML 计算书 " + o.document + " 就是结果文件 " + o.results;
  return "";
}

// The date of the document: --date, else the day of SOURCE_DATE_EPOCH when it is set, else
// today; or the usage error.
std::string documentDate(Options& o) {
  if (o.dateGiven)
    return calendarDate(o.date) ? "" : "--date 应为实际存在的日期，写成 YYYY-MM-DD：" + o.date;
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (!epoch) return o.date = today(), "";
  const std::optional<std::string> day = epochDate(epoch);
  if (!day) return std::string("环境变量 SOURCE_DATE_EPOCH 应为 1970 年以来的秒数：") + epoch;
  return o.date = *day, "";
}

// The options of the command line, or the usage error. "--" ends the options: every later
// argument is the table.
std::optional<Options> parseArgs(const std::vector<std::string>& args, std::string& error) {
  Options o;
  bool tableGiven = false, optionsEnded = false;
  bool given[std::size(kValueOptions)] = {};
  for (std::size_t k = 0; k < args.size() && error.empty(); ++k) {
    const std::string& a = args[k];
    const bool option = !optionsEnded && a.size() > 1 && a[0] == '-';
    if (const ValueOption* value = option ? named(kValueOptions, a) : nullptr) {
      if (k + 1 == args.size())
        error = "选项 " + a + " 后面缺少" + value->missing;
      else if (given[value - kValueOptions])
        error = "选项 " + a + " 只能给出一次";
      else
        o.*value->value = args[++k], given[value - kValueOptions] = true;
      if (error.empty() && value->given) o.*value->given = true;
    } else if (const FlagOption* flag = option ? named(kFlagOptions, a) : nullptr) {
      o.*flag->flag = true;
    } else if (option && a == "--") {
      optionsEnded = true;
    } else if (option) {
      error = "未知的选项 " + a;
    } else if (tableGiven) {
      error = "只能给出一个表格";
    } else {
      o.table = a, tableGiven = true;
    }
  }
  if (error.empty() && !tableGiven && !o.help && !o.version && !o.header) error = "没有给出表格";
  if (error.empty() && o.documentGiven && o.document.empty()) error = "选项 -d 后面缺少文件名";
  if (error.empty() && !o.documentGiven && (o.titleGiven || o.dateGiven))
    error =
        std::string("选项 ") + (o.titleGiven ? "--title" : "--date") + " 只用于 -d（HTML 计算书）";
  if (error.empty() && o.titleGiven && o.title.empty()) error = "--title 不能为空";
  if (error.empty() && tableGiven) error = fileClash(o);
  if (error.empty() && tableGiven && o.documentGiven) error = documentDate(o);
  if (!error.empty()) return std::nullopt;
  return o;
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

// The calculation document of the run's axes, or nothing when a value of an axis cannot be shown
// (listed on err, as the problems of a table are).
std::optional<std::string> documentOf(const Options& o, const std::string& bytes,
                                      const AxesRun& run, std::ostream& err) {
  const std::filesystem::path table = std::filesystem::u8path(o.table);
  DocumentInfo info;
  info.tableName = o.table == "-" ? kStandardInput : table.filename().u8string();
  info.title = o.titleGiven ? o.title : o.table == "-" ? kStandardInput : table.stem().u8string();
  info.date = o.date;
  info.tableSha256 = sha256Hex(bytes);
  info.program = std::string("quarnel-batch ") + kVersion;
  info.wallNames = {optionFor(WallType::Exterior).caption, optionFor(WallType::Interior).caption};
  CalculationDocument doc = calculationDocument(info, run.axes);
  if (doc.problems.empty()) return std::move(doc.html);
  std::vector<Problem> problems;
  for (const auto& [line, message] : doc.problems) problems.push_back({line, "", message});
  listProblems(err, o.table, problems);
  err << "表格有错，计算书没有写入。\n";
  return std::nullopt;
}

int runTable(const Options& o, std::istream& in, std::ostream& out, std::ostream& err) {
  std::string reason;
  std::error_code ignored;
  if (o.table != "-" && std::filesystem::is_directory(std::filesystem::u8path(o.table), ignored)) {
    listProblems(err, o.table, {{0, "", "是文件夹，不是表格文件"}});
    return kBatchFailed;
  }
  const std::optional<std::string> bytes = readTable(o.table, in, reason);
  const TableText text = bytes ? tableText(*bytes) : TableText{};
  if (!text.text) {
    listProblems(err, o.table, {{0, "", bytes ? text.problem : "无法读取（" + reason + "）"}});
    return kBatchFailed;
  }
  const AxesRun run = runAxes(parseCsv(*text.text), {o.defaults});
  listProblems(err, o.table, run.warnings);
  if (!run.problems.empty()) {
    listProblems(err, o.table, run.problems);
    err << "表格有错，计算书没有写入。\n";
    return kBatchFailed;
  }
  // The document is made and written beside its file before anything else is written, and put
  // in its place once the report is in; a table without axes makes none.
  const bool documented = o.documentGiven && !run.axes.empty();
  ReplacingFile document;
  if (documented) {
    const std::optional<std::string> html = documentOf(o, *bytes, run, err);
    if (!html) return kBatchFailed;
    if (!document.prepare(o.document, *html, reason)) {
      err << "HTML 计算书写入失败：" << o.document << "\n原因：" << reason
          << "\n计算书没有写入。\n";
      return kBatchFailed;
    }
  }
  // The results are printed once they are in the report (or with -n calculated), never for a run
  // that appended nothing; the results file is opened before and written after the append. A
  // table without axes gives the caption line alone.
  const std::string printed = o.csv ? csvTable(run.axes) : terminalTable(run.axes);
  ResultsFile results;
  if (!o.results.empty() && !results.open(o.results, reason)) {
    err << "结果文件写入失败：" << o.results << "\n原因：" << reason << "\n计算书没有写入。\n";
    return kBatchFailed;
  }
  const std::string axes = std::to_string(run.axes.size()) + " 条轴线";
  std::string done = run.axes.empty() ? std::string("表格中没有轴线，计算书没有写入") +
                                            (o.documentGiven ? "，HTML 计算书也没有写入" : "")
                                      : "试算：" + axes + "，计算书没有写入";
  if (!o.dryRun && !run.axes.empty()) {
    ReportFiles files{o.output.empty() ? reportPath() : o.output,
                      o.output.empty() ? fallbackReportPath() : ""};
    const ReportAppend appended = appendReport(files, run.report);
    if (appended.failure) {
      err << appendFailureText(appended.file, *appended.failure,
                               "计算书没有写入，排除原因后可再次运行 quarnel-batch。")
          << '\n';
      return kBatchFailed;
    }
    if (appended.tellPlace) err << placeNotice(files, appended) << '\n';
    done = axes + "的计算书已写入 " + appended.file;
  }
  if (documented && !document.replace(reason)) {
    err << "HTML 计算书写入失败：" << o.document << "\n原因：" << reason << '\n'
        << (o.dryRun ? "计算书没有写入。" : done + "，HTML 计算书没有写入。") << '\n';
    return kBatchFailed;
  }
  if (documented) done += "，HTML 计算书已写入 " + o.document;
  // The results into the results file, or to the standard output (a full disk, a closed pipe
  // fail it); then what became of the report and of the results.
  std::string why = "无法写到标准输出";
  const bool delivered = o.results.empty() ? static_cast<bool>((out << printed).flush())
                                           : results.write(resultsFileText(printed, o.csv), why);
  err << done << (delivered && !o.results.empty() ? "，结果已写入 " + o.results : "")
      << (o.dryRun || run.axes.empty() ? "。" : "") << '\n';
  if (!delivered)
    err << "结果没有写出：" << (o.results.empty() ? "" : o.results + "，原因：") << why << '\n';
  // A wall that fails its check is a result, said once more here; a status only when asked.
  std::size_t checked = 0;
  std::string failing;
  for (const Axis& a : run.axes) {
    checked += a.check.has_value();
    if (checkFails(a)) failing += (failing.empty() ? "" : "、") + a.label;
  }
  if (checked > 0)
    err << "墙体验算：" << checked << " 条轴线，"
        << (failing.empty() ? "全部满足" : "不满足的轴线：" + failing) << '\n';
  if (!delivered) return kBatchFailed;
  return o.failOnCheck && !failing.empty() ? kBatchCheckFailed : kBatchDone;
}

}  // namespace

int runBatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err) {
  std::string error;
  const std::optional<Options> o = parseArgs(args, error);
  if (!o) {
    err << "quarnel-batch: " << error
        << "\n用法 Usage: quarnel-batch [-o 文件] [-r 文件] [-d 文件] [-n] [--csv] [--defaults] "
           "[--fail-on-check] 表格.csv"
        << "（--help 查看说明）\n";
    return kBatchUsage;
  }
  if (o->help) out << usageText();
  if (o->version) out << "quarnel-batch " << kVersion << '\n';
  if (o->header) out << headerRow();
  if (o->help || o->version || o->header) return kBatchDone;
  try {
    return runTable(*o, in, out, err);
  } catch (const std::exception& e) {  // no GBK converter on this system
    listProblems(err, o->table, {{0, "", e.what()}});
    return kBatchFailed;
  }
}

}  // namespace quarnel
