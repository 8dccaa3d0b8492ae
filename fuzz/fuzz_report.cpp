// The report click on arbitrary field texts (invalid UTF-8, control characters, megabyte texts),
// appending to a file in a scratch folder: the click succeeds, and the file holds GBK text whose
// every line ends with CR LF and whose line count is that of the header and the section written.
#include <iconv.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

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

// Whether the bytes are GBK text throughout.
bool decodesAsGbk(const std::string& bytes) {
  iconv_t cd = iconv_open("UTF-8", "GBK");
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

// The number of lines, each of which must end with CR LF, with no CR or LF anywhere else.
std::size_t crlfLines(const std::string& bytes) {
  std::size_t lines = 0;
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    const bool cr = bytes[k] == '\r', lf = bytes[k] == '\n';
    if (cr && (k + 1 == bytes.size() || bytes[k + 1] != '\n')) fail("CR without LF");
    if (lf && (k == 0 || bytes[k - 1] != '\r')) fail("LF without CR");
    lines += lf ? 1 : 0;
  }
  if (!bytes.empty() && bytes.back() != '\n') fail("the last line has no line end");
  return lines;
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
  const quarnel::fuzz::FieldInput in = quarnel::fuzz::splitFields(data, size, kFieldCount);
  quarnel::MemoryWindow w;
  if (in.interior) w.select("Optnq");
  for (std::size_t k = 0; k < kFieldCount; ++k) w.setText(kFields[k], in.texts[k]);
  w.setFocus("qcd");
  std::remove(scratch.file.c_str());
  quarnel::Cmdjss_Click(w, scratch.file);

  if (!w.warnings().empty()) fail("the click failed: " + w.warnings()[0].text);
  if (w.text("counter") != "2" || w.focus() != "zxh") fail("counter or focus after the click");
  std::ifstream file(scratch.file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
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
