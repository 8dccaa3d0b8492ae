#include "report/report_file.h"

#include <utility>

#include "report/report_path.h"

namespace quarnel {

ReportAppend appendReport(ReportFiles& files, std::string_view bytes) {
  ReportAppend a{files.path, std::nullopt};
  if (bytes.empty()) return a;
  if (files.findFallback) files.fallback = std::exchange(files.findFallback, nullptr)();
  a.failure = appendToFile(files.path, bytes);
  if (a.failure && a.failure->refused && !files.fallback.empty()) {
    a.file = files.fallback;
    a.failure = appendToFile(files.fallback, bytes);
    if (a.failure) a.failure->refusedFirst = files.path;
  }
  if (a.failure || files.toldPlace || files.fallback.empty()) return a;
  const std::string& other = a.file == files.path ? files.fallback : files.path;
  if (fileAt(other)) a.otherFile = other;
  a.tellPlace = files.toldPlace = a.file == files.fallback || !a.otherFile.empty();
  return a;
}

std::string appendFailureText(const std::string& file, const AppendFailure& f,
                              std::string_view notWritten) {
  const std::string blocked = f.refusedFirst.empty() ? "" : fallbackBlockedHint(f.code, file);
  std::string text;
  if (!blocked.empty())
    text = blocked + "系统的说明：" + f.reason + "\n系统不允许写入 " + f.refusedFirst +
           "，所以改为写入“文档”文件夹。\n";
  else if (f.refusedFirst.empty())
    text = "计算书文件写入失败：\n" + file + "\n原因：" + f.reason + "\n";
  else
    text = "计算书文件写入失败：\n系统不允许写入 " + f.refusedFirst + "，\n改为写入 " + file +
           " 也失败了。\n原因：" + f.reason + "\n";
  if (f.leftOver) return text + "文件末尾可能留有本次未写完的内容，请检查该文件。";
  return text + std::string(notWritten);
}

std::string placeNotice(const ReportFiles& files, const ReportAppend& appended) {
  std::string text = appended.file == files.path
                         ? "计算书已写入：\n" + files.path
                         : "系统不允许写入 " + files.path + "，计算书已写入：\n" + files.fallback;
  if (!appended.otherFile.empty())
    text += "\n另有一个计算书文件，其中是以前写入的计算书：\n" + appended.otherFile;
  return text;
}

}  // namespace quarnel
