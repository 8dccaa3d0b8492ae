#include "report/report_handler.h"

#include <cstdlib>
#include <exception>

#ifdef _WIN32
#include <shlobj.h>
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

#include "calc/calculation.h"
#include "calc/number.h"
#include "report/gbk.h"
#include "report/report_file.h"
#include "report/report_sections.h"
#include "report/report_text.h"

namespace quarnel {

namespace {

// Whether counter says that the header has been written in this run: its text reads as 2.
bool headerWritten(const Window& w) {
  LeadingNumber n = parseLeadingNumber(w.text("counter"));
  if (!n.inRange) return false;
  std::optional<std::int16_t> state = toInt16(n.value);
  return state && *state == 2;
}

std::string failureText(const std::string& path, const AppendFailure& f) {
  std::string text = "计算书文件写入失败：\n" + path + "\n原因：" + f.reason + "\n";
  if (f.leftOver) return text + "文件末尾可能留有本次未写完的内容，请检查该文件。";
  return text + "本次计算书没有写入文件，输入的数据都还在，排除原因后可再次生成。";
}

}  // namespace

std::string reportPath() {
#ifdef _WIN32
  return "c:\\Quarnel书.txt";
#else
  const char* home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd* user = getpwuid(getuid());
    home = user && user->pw_dir ? user->pw_dir : ".";
  }
  return std::string(home) + "/Quarnel书.txt";
#endif
}

std::string fallbackReportPath() {
#ifdef _WIN32
  wchar_t* folder = nullptr;
  std::string path;
  if (SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &folder) == S_OK)
    path = utf8(folder) + "\\Quarnel书.txt";
  CoTaskMemFree(folder);
  return path;
#else
  return {};
#endif
}

void Cmdjss_Click(Window& w) {
  static ReportFiles files{reportPath(), fallbackReportPath()};
  Cmdjss_Click(w, files);
}

void Cmdjss_Click(Window& w, const std::string& path) {
  ReportFiles files{path, {}};
  Cmdjss_Click(w, files);
}

void Cmdjss_Click(Window& w, ReportFiles& files) {
  const std::string& path = files.path;
  bool headerDue = !headerWritten(w);
  ReportText report;
  try {
    if (headerDue) writeHeader(report, w);
    if (w.isSelected("optwq")) writeExterior(report, w, headerDue);
    if (w.isSelected("Optnq")) writeInterior(report, w);
  } catch (const std::exception& e) {  // no GBK converter on this system
    w.warn(failureText(path, {e.what(), false}), kNoticeTitle);
    return;
  }
  bool inFallback = false;
  if (!report.bytes().empty()) {
    std::optional<AppendFailure> f = appendToFile(path, report.bytes());
    if (f && f->refused && !files.fallback.empty()) {
      f = appendToFile(files.fallback, report.bytes());
      if (f) return w.warn(failureText(files.fallback, *f), kNoticeTitle);
      inFallback = true;
    } else if (f) {
      return w.warn(failureText(path, *f), kNoticeTitle);
    }
  }
  w.setText("counter", "2");
  w.setFocus("zxh");
  if (inFallback && !files.toldFallback) {
    files.toldFallback = true;
    w.warn("系统不允许写入 " + path + "，计算书已写入：\n" + files.fallback, kNoticeTitle);
  }
}

}  // namespace quarnel
