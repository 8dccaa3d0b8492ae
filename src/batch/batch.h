// The command quarnel-batch: the reports of a whole building from a table of axes. It reads the
// table, runs its axes as the window program would run them typed one after another, prints the
// results, and appends the report of the whole table to the report file in one append, or nothing
// at all when any line fails.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "quarnel/version.h"

namespace quarnel {

// Exit statuses; kBatchCheckFailed only with --fail-on-check, when every file was written and a
// checked wall fails its check.
enum BatchStatus { kBatchDone = 0, kBatchFailed = 1, kBatchUsage = 2, kBatchCheckFailed = 3 };

// Runs the command with its arguments (UTF-8, without the program's name). The table "-" is read
// from in; the results go to out, messages and problems to err, each problem as
// "TABLE:LINE: column: message" with TABLE as given.
int runBatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err);

}  // namespace quarnel
