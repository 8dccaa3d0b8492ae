// The calculate click on 22 texts: four results within half a thousandth of the loads, or one box
// and no result touched. Flag byte: bit 0 interior; bits 1-3 all set: a zero wall length stays.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "calc/calculation.h"
#include "calc/number.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"

namespace {
struct Tally {  // libFuzzer counts the runs
  unsigned long long computed = 0;
  ~Tally() { std::fprintf(stderr, "quarnel-fuzz calculation: %llu computed\n", computed); }
} tally;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarnel;
  const auto& fields = inputFields();
  std::vector<std::string> texts(fields.size());  // after the flag byte, separated by '|'
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size).substr(size > 0));
  for (std::string& text : texts) std::getline(in, text, '|');
  const bool interior = size > 0 && (data[0] & 1), anyLength = size > 0 && (data[0] & 14) == 14;
  static MemoryWindow w;  // built once (run with -detect_leaks=0: its boxes pile up)
  const std::size_t boxes = w.warnings().size();
  w.select(interior ? "Optnq" : "optwq");
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const bool zero = parseLeadingNumber(texts[k]).value == 0.0 && !anyLength;
    w.setText(fields[k].name, (zero && fields[k].name == std::string("qcd") ? "1" : "") + texts[k]);
  }
  for (const char* result : kResultFields) w.setText(result, "untouched");
  cmdjs_Click(w);

  const auto read = readInputs([&](std::string_view name) { return w.text(name); });
  const auto wall = interior ? WallType::Interior : WallType::Exterior;
  const Loads l =
      read.inputs && read.inputs->qcd != 0 ? computeLoads(*read.inputs, wall) : Loads{NAN, 0, 0, 0};
  const double values[] = {l.dhz, l.hhz, l.zjhh, l.hzsjz};
  bool computed = true;
  for (double v : values) computed = computed && std::isfinite(v);
  tally.computed += computed;
  if (w.warnings().size() != boxes + !computed) std::abort();
  for (std::size_t k = 0; k < 4; ++k) {
    const std::string shown = w.text(kResultFields[k]);
    char* end = nullptr;
    const double diff = std::fabs(std::strtod(shown.c_str(), &end) - values[k]);
    if (computed ? *end || !(diff <= 0.0005 + std::fabs(values[k]) * 1e-14) : shown != "untouched")
      std::abort();
  }
  return 0;
}
