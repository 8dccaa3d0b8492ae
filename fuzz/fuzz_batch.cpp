// Arbitrary bytes as the table of quarnel-batch, appended to a scratch report file: either the run
// succeeds, prints one line per axis and the file grows by the header(s) and one section per axis,
// or it fails, lists its problems and the file keeps its bytes. Never a crash, a usage error or a
// partial append.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "batch/batch.h"
#include "report/report_sections.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const struct Scratch {  // one file for the whole run, removed at its end
    std::string path = "/tmp/quarnel-fuzz-batch-" + std::to_string(getpid()) + ".txt";
    ~Scratch() { std::remove(path.c_str()); }
  } scratch;
  const std::string& path = scratch.path;
  const std::string before = "earlier\r\n", rule = "\r\n" + std::string(quarnel::kRule) + "\r\n";
  std::ofstream(path, std::ios::binary | std::ios::trunc) << before;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out, err;
  const int status = quarnel::runBatch({"-o", path, "-"}, in, out, err);
  std::ifstream file(path, std::ios::binary);
  const std::string after{std::istreambuf_iterator<char>(file), {}};

  // Every section ends with a rule line and each header holds three (a header starts the report and
  // comes again where the basic data change); no field makes a whole line. The printed lines are
  // the caption line and one per axis.
  std::size_t rules = 0, lines = 0;
  for (std::size_t k = after.find(rule); k != std::string::npos; k = after.find(rule, k + 1))
    ++rules;
  for (char c : out.str()) lines += c == '\n';
  const bool appended =
      after.compare(0, before.size() + rule.size() - 2, before + rule.substr(2)) == 0 &&
      lines > 0 && rules >= lines + 2 && (rules - (lines - 1)) % 3 == 0;
  if (status == 0 ? !(after == before && lines == 0) && !appended
                  : status != 1 || after != before || err.str().compare(0, 2, "-:") != 0)
    std::abort();
  return 0;
}
