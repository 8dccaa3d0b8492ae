// The handler of the button Cmdjss ("生成计算书"): appends the calculation report of the current
// axis to the report file, preceded by the report header on the first report of a run.
#pragma once

#include <string>

#include "ui/window.h"

namespace quarnel {

// The report file: "c:\Quarnel书.txt" on Windows; elsewhere, with no drive C, the file
// Quarnel书.txt in the user's home directory (UTF-8 name).
std::string reportPath();

// Appends the report to reportPath(); see the overload below.
void Cmdjss_Click(Window& w);

// Builds the report of the click (header when counter does not read as 2, then the section of the
// selected wall type), appends it to the file at path in one piece, sets counter to "2" and puts
// the focus into zxh. If the file cannot be written, nothing of the click stays in it, a warning
// box "提示" names the file and the reason, and counter and the focus stay as they were.
void Cmdjss_Click(Window& w, const std::string& path);

}  // namespace quarnel
