// Appending to the report file: the whole text of one click goes in with one write, or not at all.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

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
// language, as errorText gives them).
std::string systemErrorText(unsigned long code);
// Windows: words for an error as the messages give them, on one line, without the line break they
// end with, followed by the code: "拒绝访问。（错误代码 5）"; "未知错误（错误代码 N）" without
// words.
std::string errorText(std::string_view words, unsigned long code);

// Windows: runs attempt (it gives 0 or the system's error code) again while another program holds
// the file for a moment (error 32 or 33), at most ten more times 100 ms apart; the last result.
unsigned long retryWhileHeld(const std::function<unsigned long()>& attempt);

// Whether a file, not a folder, stands at path (UTF-8).
bool fileAt(const std::string& path);

// Opens the file at path (UTF-8) for appending, creating it when missing, and appends bytes in one
// write under an exclusive lock, so that reports of two programs never mix. On any failure the
// bytes this call appended are taken back (when they are still the end of the file) and the
// failure is returned; nothing on success.
std::optional<AppendFailure> appendToFile(const std::string& path, std::string_view bytes);

// A basic datum as a report header stated it: the working value that the calculation reads from
// its text, or the text where the calculation reads none.
using StatedDatum = std::variant<double, std::string>;

// The report files of one run: the report goes to path whenever the system lets the user write
// it, otherwise to fallback (when there is one); the first report of the run that goes to
// fallback, or to path while a report file stands at fallback too, tells the user. The basic data
// that the last report header of the run stated are kept beside them, so that a report whose basic
// data differ in value states them again.
struct ReportFiles {
  std::string path;
  std::string fallback;
  bool toldPlace = false;
  std::optional<std::vector<StatedDatum>> statedData = std::nullopt;
  // When set, gives fallback at the first report (the window does not look for the Documents
  // folder while it starts).
  std::string (*findFallback)() = nullptr;
};

// How appending a report went: the file it went to (or the last one tried), the failure, and
// whether the user is now to be told where it went (placeNotice), with the report file at the
// other place when there is one.
struct ReportAppend {
  std::string file;
  std::optional<AppendFailure> failure;
  bool tellPlace = false;
  std::string otherFile = {};
};

// Appends bytes to files.path, or to files.fallback when the system refuses files.path for lack
// of access (a failure there names files.path as refused first). Nothing is appended, and nothing
// fails, when there are no bytes.
ReportAppend appendReport(ReportFiles& files, std::string_view bytes);

// What the window says when a report was not appended: the inputs are still there.
inline constexpr std::string_view kReportNotWritten =
    "本次计算书没有写入文件，输入的数据都还在，排除原因后可再次生成。";
// The warning for a report that could not be appended to the file: after a refusal it names both
// files; where the system's guard of the fallback's folder may be the cause, it leads with that
// and how to allow the program, then gives the system's words; it ends with notWritten when
// nothing of the report stayed in the file.
std::string appendFailureText(const std::string& file, const AppendFailure& failure,
                              std::string_view notWritten = kReportNotWritten);
// The notice of where the report went: to the fallback because the system refused the path, or
// to the path; and the other report file, when there is one.
std::string placeNotice(const ReportFiles& files, const ReportAppend& appended);

}  // namespace quarnel
