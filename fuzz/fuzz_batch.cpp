// Arbitrary bytes as the table of quarnel-batch, appended to a scratch report file: either the run
// succeeds, prints one line per axis and the file grows by the header(s) and one section per axis,
// holding no control byte but the line ends, or it fails, lists its problems and the file keeps its
// bytes. Never a crash, a usage error or a partial append.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "batch/batch.h"
#include "report/report_sections.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // One file for the whole run, removed at its end, cut back to its first bytes after each input:
  // emptied and written anew, it would be written to the disk at each close (ext4 does so to keep
  // a file replaced in place), which would take most of the time.
  const std::string before = "earlier\r\n", rule = "\r\n" + std::string(quarnel::kRule) + "\r\n";
  static const struct Scratch {
    std::string path = "/tmp/quarnel-fuzz-batch-" + std::to_string(getpid()) + ".txt";
    explicit Scratch(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    ~Scratch() { std::remove(path.c_str()); }
  } scratch(before);
  const std::string& path = scratch.path;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out, err;
  const int status = quarnel::runBatch({"-o", path, "-"}, in, out, err);
  std::ifstream file(path, std::ios::binary);
  const std::string after{std::istreambuf_iterator<char>(file), {}};
  if (after.size() > before.size() && truncate(path.c_str(), off_t(before.size())) != 0)
    std::abort();

  // Every section ends with a rule line and each header holds three (a header starts the report and
  // comes again where the basic data change); no field makes a whole line. The printed lines are
  // the caption line and one per axis.
  std::size_t rules = 0, lines = 0;
  for (std::size_t k = after.find(rule); k != std::string::npos; k = after.find(rule, k + 1))
    ++rules;
  for (char c : out.str()) lines += c == '\n';
  const bool appended =
      after.compare(0, before.size() + rule.size() - 2, before + rule.substr(2)) == 0 &&
      lines > 1 && rules >= lines + 2 && (rules - (lines - 1)) % 3 == 0 &&
      std::none_of(after.begin() + before.size(), after.end(), [](char c) {
        return (c >= 0 && c < ' ' && c != '\r' && c != '\n') || c == 0x7F;
      });
  if (status == 0 ? !(after == before && lines == 1) && !appended
                  : status != 1 || after != before || err.str().compare(0, 2, "-:") != 0)
    std::abort();
  return 0;
}
