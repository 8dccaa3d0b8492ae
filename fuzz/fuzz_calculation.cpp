// The calculate click on 22 texts: four texts of the number patterns, or one box and no result
// touched; values of 0 (not the wall length) or 0.001 to 1000 always compute unless a text holds a
// full-width digit, point, sign or blank. Flag byte: bit 0 interior; bits 1-3 all set: a wall
// length that reads as zero stays (else it gets a "1" in front).
#include <cmath>
#include <cstdlib>
#include <regex>
#include <sstream>

#include "calc/calculation.h"
#include "calc/number.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"

namespace {
// "0.###" and "0.0##": no leading zero, no exponent, no trailing zero beyond the decimals kept.
const std::regex kPatterns[] = {std::regex(R"(-?(0|[1-9][0-9]*)\.([0-9]{0,2}[1-9])?)"),
                                std::regex(R"(-?(0|[1-9][0-9]*)\.([0-9]|[0-9]{1,2}[1-9]))")};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarnel;
  const auto& fields = fieldsOf(FieldKind::Input);
  const auto& results = fieldsOf(FieldKind::Result);
  std::vector<std::string> texts(fields.size());  // after the flag byte, separated by '|'
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size).substr(size > 0));
  for (std::string& text : texts) std::getline(in, text, '|');
  const bool interior = size > 0 && (data[0] & 1), anyLength = size > 0 && (data[0] & 14) == 14;
  MemoryWindow w;  // nothing kept from run to run
  w.select(optionFor(interior ? WallType::Interior : WallType::Exterior).name);
  bool moderate = true;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const bool length = fields[k]->name == std::string("qcd");
    if (length && parseLeadingNumber(texts[k]).value == 0.0 && !anyLength)
      texts[k] = "1" + texts[k];
    const double v = std::fabs(parseLeadingNumber(texts[k]).value);
    moderate =
        moderate && !holdsFullWidth(texts[k]) && (v == 0.0 ? !length : v >= 1e-3 && v <= 1e3);
    w.setText(fields[k]->name, texts[k]);
  }
  for (const Field* result : results) w.setText(result->name, "untouched");
  cmdjs_Click(w);

  const bool computed = w.warnings().empty();  // else one box and nothing touched
  if (w.warnings().size() > 1 || (moderate && !computed)) std::abort();
  for (const Field* result : results) {
    const std::string shown = w.text(result->name);
    const bool design = result->load == &Loads::hzsjz;
    if (computed ? !std::regex_match(shown, kPatterns[design && !interior ? 0 : 1])
                 : shown != "untouched")
      std::abort();
  }
  return 0;
}
