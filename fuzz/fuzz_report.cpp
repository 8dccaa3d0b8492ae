// The report click on arbitrary field texts (invalid UTF-8, control characters, megabyte texts),
// appending to a file in a scratch folder: the click succeeds, and the file holds GBK text whose
// every line ends with CR LF and whose line count is that of the header and the section written.
#include <iconv.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "calc/number.h"
#include "fuzz_input.h"
#include "report/report_handler.h"
#include "ui/memory_window.h"

namespace {

using quarnel::fuzz::fail;

// The fields the report reads, in the order of the fuzz input.
const char* const kFields[] = {"zxh",   "zrz",    "crz",  "lmhh",   "lmdh",  "wmhh",  "wmdh",
                               "gqsl",  "gqc1",   "gqc2", "gqds1",  "gqds2", "nrq",   "yttccd",
                               "ytzcd", "zscg",   "qcs",  "hhjscs", "zjxs",  "zsqh",  "qcd",
                               "mcmj",  "lmjscd", "dhz",  "hhz",    "zjhh",  "hzsjz", "counter"};
constexpr std::size_t kFieldCount = sizeof kFields / sizeof kFields[0];

enum Outcome { WithHeader, Megabyte };
quarnel::fuzz::Tally tally("report", {"with the header", "with a megabyte field"});

// A scratch folder for the whole run, removed when the run ends.
struct Scratch {
  std::string dir, file;
  Scratch() {
    char pattern[] = "/tmp/quarnel-fuzz-XXXXXX";
    if (!mkdtemp(pattern)) fail("no scratch folder");
    dir = pattern;
    file = dir + "/Quarnel书.txt";
  }
  ~Scratch() {
    std::remove(file.c_str());
    rmdir(dir.c_str());
  }
};
Scratch scratch;

// Whether the bytes convert from one character set to another without a fault.
bool converts(const std::string& bytes, const char* from, const char* to) {
  iconv_t cd = iconv_open(to, from);
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char buf[4096];
  bool ok = true;
  while (ok && inLeft > 0) {
    char* out = buf;
    std::size_t outLeft = sizeof buf;
    ok = iconv(cd, &in, &inLeft, &out, &outLeft) != std::size_t(-1) || errno == E2BIG;
  }
  iconv_close(cd);
  return ok;
}

// Megabyte texts hold only characters that GBK has: the address sanitizer checks the whole rest of
// the text at each of the converter's restarts after a bad byte or a character GBK lacks, which
// makes a megabyte of them take minutes here (and milliseconds in the program). Such characters
// are fuzzed in texts of ordinary length.
bool allGbk(const std::string& unit) {
  return converts(unit, "UTF-8", "GBK");
}

// Whether the bytes are GBK text throughout.
bool decodesAsGbk(const std::string& bytes) {
  return converts(bytes, "GBK", "UTF-8");
}

// The positions of byte c in bytes (found with memchr: megabyte files stay fast).
std::vector<std::size_t> positions(const std::string& bytes, char c) {
  std::vector<std::size_t> out;
  for (const char *p = bytes.data(), *end = p + bytes.size();
       (p = static_cast<const char*>(std::memchr(p, c, end - p))) != nullptr; ++p)
    out.push_back(p - bytes.data());
  return out;
}

// The number of lines, each of which must end with CR LF, with no CR or LF anywhere else.
std::size_t crlfLines(const std::string& bytes) {
  const std::vector<std::size_t> cr = positions(bytes, '\r'), lf = positions(bytes, '\n');
  if (cr.size() != lf.size()) fail("CR or LF outside a line end");
  for (std::size_t k = 0; k < cr.size(); ++k)
    if (lf[k] != cr[k] + 1) fail("CR or LF outside a line end");
  if (!bytes.empty() && bytes.back() != '\n') fail("the last line has no line end");
  return lf.size();
}

// Whether counter says the header was already written: its text reads as the whole number 2.
bool headerWritten(const std::string& counter) {
  const quarnel::LeadingNumber n = quarnel::parseLeadingNumber(counter);
  const std::optional<std::int16_t> state = n.inRange ? quarnel::toInt16(n.value) : std::nullopt;
  return state && *state == 2;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tally.run();
  const quarnel::fuzz::FieldInput in =
      quarnel::fuzz::splitFields(data, size, kFieldCount, quarnel::fuzz::kMegabyte, allGbk);
  quarnel::MemoryWindow w;
  if (in.interior) w.select("Optnq");
  for (std::size_t k = 0; k < kFieldCount; ++k) w.setText(kFields[k], in.texts[k]);
  w.setFocus("qcd");
  std::remove(scratch.file.c_str());
  quarnel::Cmdjss_Click(w, scratch.file);

  if (!w.warnings().empty()) fail("the click failed: " + w.warnings()[0].text);
  if (w.text("counter") != "2" || w.focus() != "zxh") fail("counter or focus after the click");
  std::ifstream file(scratch.file, std::ios::binary | std::ios::ate);
  std::string bytes(static_cast<std::size_t>(file.tellg()), '\0');
  file.seekg(0).read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!decodesAsGbk(bytes)) fail("the file is not GBK");
  const bool header = !headerWritten(in.texts.back());
  const std::size_t want = (header ? 9 : 0) + (in.interior ? 12 : 10);
  if (crlfLines(bytes) != want) fail("line count differs from the header and section");
  if (header) tally.count(WithHeader);
  bool megabyte = false;
  for (const std::string& t : in.texts) megabyte = megabyte || t.size() >= quarnel::fuzz::kMegabyte;
  if (megabyte) tally.count(Megabyte);
  return 0;
}
