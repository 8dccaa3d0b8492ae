// Where the report file is: the one place that knows it on each system.
#pragma once

#include <string>

namespace quarnel {

// The name of the report file.
inline constexpr const char* kReportFileName = "Quarnel书.txt";

// The report file: "c:\Quarnel书.txt" on Windows; elsewhere, with no drive C, the file in the
// user's home folder (UTF-8 name).
std::string reportPath();
// The report file as the user is told where it goes: "C:\Quarnel书.txt", "~/Quarnel书.txt".
std::string reportPathShown();
// Where the report goes on Windows when the system refuses to let the user write reportPath():
// the file in the user's Documents folder. Empty elsewhere: there is no second place.
std::string fallbackReportPath();
// When appending to file, the fallback, failed with the system's error code: where the system's
// guard of that folder may be what stopped it, the lines that say so and how to allow the
// program; else empty.
std::string fallbackBlockedHint(unsigned long code, const std::string& file);

}  // namespace quarnel
