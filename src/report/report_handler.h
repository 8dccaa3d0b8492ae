// The handler of the button Cmdjss ("生成计算书"): appends the calculation report of the current
// axis to the report file, preceded by the report header on the first report of a run.
#pragma once

#include <string>

#include "ui/window.h"

namespace quarnel {

// The report file: "c:\Quarnel书.txt" on Windows; elsewhere, with no drive C, the file
// Quarnel书.txt in the user's home directory (UTF-8 name).
std::string reportPath();
// Where the report goes on Windows when the system refuses to let the user write reportPath():
// Quarnel书.txt in the user's Documents folder. Empty elsewhere: there is no second place.
std::string fallbackReportPath();

// The report files of one run: the report goes to path whenever the system lets the user write
// it, otherwise to fallback; the first report of the run that goes to fallback tells the user.
struct ReportFiles {
  std::string path;
  std::string fallback;
  bool toldFallback = false;
};

// Appends the report to the program's report files (reportPath(), fallbackReportPath()).
void Cmdjss_Click(Window& w);

// Builds the report of the click (header when counter does not read as 2, then the section of the
// selected wall type), appends it to files.path in one piece (to files.fallback when the system
// refuses files.path for lack of access), sets counter to "2" and puts the focus into zxh. If no
// file can be written, nothing of the click stays in it, a warning box "提示" names the file and
// the reason, and counter and the focus stay as they were.
void Cmdjss_Click(Window& w, ReportFiles& files);
// The same with one report file and no second place.
void Cmdjss_Click(Window& w, const std::string& path);

}  // namespace quarnel
