#include "report/report_file.h"

#include "report/report_path.h"

namespace quarnel {

ReportAppend appendReport(ReportFiles& files, std::string_view bytes) {
  ReportAppend a{files.path, std::nullopt, false};
  if (bytes.empty()) return a;
  a.failure = appendToFile(files.path, bytes);
  if (a.failure && a.failure->refused && !files.fallback.empty()) {
    a.file = files.fallback;
    a.failure = appendToFile(files.fallback, bytes);
    if (a.failure) a.failure->refusedFirst = files.path;
    a.tellFallback = !a.failure && !files.toldFallback;
    files.toldFallback = files.toldFallback || a.tellFallback;
  }
  return a;
}

std::string appendFailureText(const std::string& file, const AppendFailure& f,
                              std::string_view notWritten) {
  std::string text = f.refusedFirst.empty()
                         ? "计算书文件写入失败：\n" + file + "\n"
                         : "计算书文件写入失败：\n系统不允许写入 " + f.refusedFirst +
                               "，\n改为写入 " + file + " 也失败了。\n";
  text += "原因：" + f.reason + "\n";
  if (!f.refusedFirst.empty()) text += fallbackBlockedHint(f.code);
  if (f.leftOver) return text + "文件末尾可能留有本次未写完的内容，请检查该文件。";
  return text + std::string(notWritten);
}

std::string fallbackNotice(const ReportFiles& files) {
  return "系统不允许写入 " + files.path + "，计算书已写入：\n" + files.fallback;
}

}  // namespace quarnel
