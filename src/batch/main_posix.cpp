// The entry of quarnel-batch on Linux: the arguments as they are (UTF-8), the standard streams. A
// pipe whose reader has gone fails the write (and the run says so) instead of ending the program.
#include <clocale>
#include <csignal>
#include <iostream>

#include "batch/batch.h"

int main(int argc, char* argv[]) {
  std::signal(SIGPIPE, SIG_IGN);
  // The system's reasons (a file that cannot be read or written) in the user's language, as UTF-8
  // like every other message.
  std::setlocale(LC_MESSAGES, "");
  std::setlocale(LC_CTYPE, "C.UTF-8");
  return quarnel::runBatch({argv + 1, argv + argc}, std::cin, std::cout, std::cerr);
}
