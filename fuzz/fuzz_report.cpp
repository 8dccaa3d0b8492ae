// The report text of arbitrary field texts (invalid UTF-8, control characters, line breaks) and
// either wall type, with or without the header, built in memory as a click builds it: the bytes
// are GBK throughout, and every line, the last included, ends with CR LF, with no CR or LF
// elsewhere; the line count is that of the header and the section.
#include <iconv.h>

#include "fuzz_input.h"
#include "report/report_sections.h"
#include "ui/memory_window.h"

using quarnel::fuzz::fail;

namespace {

const char* const kFields[] = {"zxh",   "zrz",    "crz",  "lmhh",   "lmdh",  "wmhh", "wmdh",
                               "gqsl",  "gqc1",   "gqc2", "gqds1",  "gqds2", "nrq",  "yttccd",
                               "ytzcd", "zscg",   "qcs",  "hhjscs", "zjxs",  "zsqh", "qcd",
                               "mcmj",  "lmjscd", "dhz",  "hhz",    "zjhh",  "hzsjz"};

bool isGbk(const std::string& bytes) {
  static iconv_t cd = iconv_open("UTF-8", "GBK");
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  std::string out(bytes.size() * 2 + 4, '\0');
  char* to = out.data();
  std::size_t toLeft = out.size();
  return iconv(cd, &in, &inLeft, &to, &toLeft) != std::size_t(-1) && inLeft == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto texts = quarnel::fuzz::splitFields(data, size, std::size(kFields));
  const bool interior = size > 0 && (data[0] & 1), header = size > 0 && (data[0] & 2);
  static quarnel::MemoryWindow w;  // built once: every field the report reads is set
  for (std::size_t k = 0; k < texts.size(); ++k) w.setText(kFields[k], texts[k]);
  quarnel::ReportText report;
  if (header) quarnel::writeHeader(report, w);
  if (interior)
    quarnel::writeInterior(report, w);
  else
    quarnel::writeExterior(report, w, header);

  const std::string& bytes = report.bytes();
  if (!isGbk(bytes)) fail("the report is not GBK");
  std::size_t lines = 0;
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    if (bytes[k] == '\n' && (k == 0 || bytes[k - 1] != '\r')) fail("LF without CR");
    if (bytes[k] == '\r' && (k + 1 == bytes.size() || bytes[k + 1] != '\n')) fail("CR alone");
    lines += bytes[k] == '\n';
  }
  if (bytes.empty() || bytes.back() != '\n') fail("the last line has no line end");
  if (lines != (header ? 9u : 0u) + (interior ? 12u : 10u)) fail("line count");
  return 0;
}
