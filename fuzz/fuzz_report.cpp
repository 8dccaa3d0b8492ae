// The report text of arbitrary field texts (invalid UTF-8, control characters, line breaks) and
// either wall type, with or without the header, built in memory as a click builds it: every line,
// the last included, ends with CR LF, no CR or LF stands elsewhere, and the line count is that of
// the header and the section.
#include "fuzz_input.h"
#include "report/report_sections.h"
#include "ui/memory_window.h"

using quarnel::fuzz::fail;

namespace {

const char* const kFields[] = {"zxh",   "zrz",    "crz",  "lmhh",   "lmdh",  "wmhh", "wmdh",
                               "gqsl",  "gqc1",   "gqc2", "gqds1",  "gqds2", "nrq",  "yttccd",
                               "ytzcd", "zscg",   "qcs",  "hhjscs", "zjxs",  "zsqh", "qcd",
                               "mcmj",  "lmjscd", "dhz",  "hhz",    "zjhh",  "hzsjz"};

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
