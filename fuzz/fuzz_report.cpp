// The report of arbitrary field texts (flag byte: bit 0 interior, bit 1 header): every line ends
// with CR LF, no CR or LF stands elsewhere, and the line count is that of header and section.
#include <cstdlib>
#include <sstream>

#include "calc/fields.h"
#include "report/report_sections.h"
#include "ui/click_steps.h"
#include "ui/memory_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarnel;
  // A text for every field, after the flag byte, separated by '|'.
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size).substr(size > 0));
  const bool interior = size > 0 && (data[0] & 1), header = size > 0 && (data[0] & 2);
  static MemoryWindow w;  // built once: every field the report reads is set
  for (const Field& f : fields()) {
    std::string text;
    std::getline(in, text, '|');
    w.setText(f.name, text);
  }
  ReportText report;
  const FieldText text = textsOf(w);
  if (header) writeHeader(report, text);
  interior ? writeInterior(report, text) : writeExterior(report, text, header);

  const std::string bytes = "\r\n" + report.bytes();  // one more line end, before the first line
  std::size_t lines = 0;
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    if ((bytes[k] == '\r') != (bytes[k + 1] == '\n')) std::abort();  // bytes[size()] is '\0'
    lines += bytes[k] == '\n';
  }
  if (bytes.back() != '\n' || lines != 1 + (header ? 9u : 0u) + (interior ? 12u : 10u))
    std::abort();
  return 0;
}
