// Appending to the report file: the whole text of one click goes in with one write, or not at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// Why an append failed.
struct AppendFailure {
  std::string reason;             // what went wrong, in words for the user
  bool leftOver = false;          // part of the text stayed in the file: it could not be taken back
  bool refused = false;           // the system refused to open the file for lack of access rights
  unsigned long code = 0;         // the system's error code (errno; GetLastError() on Windows)
  std::string refusedFirst = {};  // the file the system refused before this one was tried, if any
};

// The system's words for one of its error codes (errno; on Windows GetLastError(), in the user's
// language, followed by the code).
std::string systemErrorText(unsigned long code);

// Opens the file at path (UTF-8) for appending, creating it when missing, and appends bytes in one
// write under an exclusive lock, so that reports of two programs never mix. On any failure the
// bytes this call appended are taken back (when they are still the end of the file) and the
// failure is returned; nothing on success.
std::optional<AppendFailure> appendToFile(const std::string& path, std::string_view bytes);

// The report files of one run: the report goes to path whenever the system lets the user write
// it, otherwise to fallback (when there is one); the first report of the run that goes to
// fallback tells the user. The basic data that the last report header of the run stated are kept
// beside them, so that a report whose basic data differ states them again.
struct ReportFiles {
  std::string path;
  std::string fallback;
  bool toldFallback = false;
  std::optional<std::string> statedData = std::nullopt;
};

// How appending a report went: the file it went to (or the last one tried), the failure, and
// whether the user is now to be told that the report went to the fallback.
struct ReportAppend {
  std::string file;
  std::optional<AppendFailure> failure;
  bool tellFallback = false;
};

// Appends bytes to files.path, or to files.fallback when the system refuses files.path for lack
// of access (a failure there names files.path as refused first). Nothing is appended, and nothing
// fails, when there are no bytes.
ReportAppend appendReport(ReportFiles& files, std::string_view bytes);

// What the window says when a report was not appended: the inputs are still there.
inline constexpr std::string_view kReportNotWritten =
    "本次计算书没有写入文件，输入的数据都还在，排除原因后可再次生成。";
// The warning for a report that could not be appended to the file: after a refusal it names both
// files and, where the system's guard of the fallback's folder may be the cause, says how to
// allow the program; it ends with notWritten when nothing of the report stayed in the file.
std::string appendFailureText(const std::string& file, const AppendFailure& failure,
                              std::string_view notWritten = kReportNotWritten);
// The notice that the report went to the fallback because the system refused the path.
std::string fallbackNotice(const ReportFiles& files);

}  // namespace quarnel
