// The report file on POSIX systems: in the home folder.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "report/report_path.h"

namespace quarnel {

std::string reportPath() {
  const char* home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd* user = getpwuid(getuid());
    home = user && user->pw_dir ? user->pw_dir : ".";
  }
  return std::string(home) + "/" + kReportFileName;
}

std::string reportPathShown() {
  return std::string("~/") + kReportFileName;
}

std::string fallbackReportPath() {
  return {};
}

std::string fallbackBlockedHint(unsigned long, const std::string&) {
  return {};
}

}  // namespace quarnel
