// One program of the load test: waits until its standard input closes, so that all programs
// start together, then appends COUNT reports to PATH through the report button's handler.
//   report_appender PATH PROGRAM COUNT
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "load_window.h"
#include "report/report_handler.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: report_appender PATH PROGRAM COUNT\n");
    return 2;
  }
  alarm(120);  // a program that hangs ends instead of holding up the test
  char buf[64];
  while (read(0, buf, sizeof buf) > 0) {
  }
  const int program = std::atoi(argv[2]), count = std::atoi(argv[3]);
  quarnel::MemoryWindow w;
  for (int report = 0; report < count; ++report) {
    quarnel::reliability::fillForLoad(w, program, report);
    quarnel::Cmdjss_Click(w, argv[1]);
    if (!w.warnings().empty()) {
      std::fprintf(stderr, "report %d failed: %s\n", report, w.warnings()[0].text.c_str());
      return 1;
    }
  }
  return 0;
}
