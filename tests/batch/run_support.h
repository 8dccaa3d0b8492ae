// quarnel-batch run in the test's process: its status and what it printed and said.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "batch/batch.h"

namespace quarnel::test {

inline const std::string kData = QUARNEL_TEST_DATA "/batch/";
#ifdef _WIN32  // a missing table in the system's words, which end with the error code
inline const std::string kLineEnd = "\r\n", kNoSuchTable = "（错误代码 2））\n";
#else
inline const std::string kLineEnd = "\n",
                         kNoSuchTable = "no-such-table.csv: 无法读取（No such file";
#endif

struct Ran {
  int status;
  std::string out, err;
};
// Runs quarnel-batch with the arguments, the table "-" read from input.
inline Ran batch(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = runBatch(args, in, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace quarnel::test
