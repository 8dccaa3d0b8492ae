// The calculate click on 22 arbitrary texts: four texts of the patterns within half a thousandth of
// the loads, or one warning box and no result touched. A wall length reading as zero gets a "1" in
// front (so that most runs compute) unless bits 1 to 3 of the flag byte keep the text as it is.
#include <cmath>
#include <regex>

#include "calc/calculation.h"
#include "calc/number.h"
#include "fuzz_input.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"

using quarnel::fuzz::fail;

namespace {
struct Tally {
  unsigned long long runs = 0, computed = 0;
  ~Tally() {
    std::fprintf(stderr, "quarnel-fuzz calculation: %llu runs, %llu computed\n", runs, computed);
  }
} tally;
const std::regex kOneToThree(R"(-?(0|[1-9][0-9]*)\.[0-9]([0-9]?[1-9])?)");  // "0.0##"
const std::regex kUpToThree(R"(-?(0|[1-9][0-9]*)\.([0-9]?[0-9]?[1-9])?)");  // "0.###"
const std::regex kNegativeZero(R"(-0\.0*)");
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ++tally.runs;
  const auto& fields = quarnel::inputFields();
  std::vector<std::string> texts = quarnel::fuzz::splitFields(data, size, fields.size());
  const bool interior = size > 0 && (data[0] & 1), anyLength = size > 0 && (data[0] & 14) == 14;
  static quarnel::MemoryWindow w;  // built once (run with -detect_leaks=0: its boxes pile up)
  const std::size_t boxes = w.warnings().size();
  w.select(interior ? "Optnq" : "optwq");
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (fields[k].name == std::string("qcd") && !anyLength &&
        quarnel::parseLeadingNumber(texts[k]).value == 0.0)
      texts[k] = "1" + texts[k];
    w.setText(fields[k].name, texts[k]);
  }
  for (const char* result : quarnel::kResultFields) w.setText(result, "untouched");
  quarnel::cmdjs_Click(w);

  // The same texts read and computed without the window.
  const quarnel::ReadResult read = quarnel::readInputs([&](std::string_view name) {
    for (std::size_t k = 0; k < fields.size(); ++k)
      if (name == fields[k].name) return texts[k];
    fail("unknown field read");
  });
  const auto wall = interior ? quarnel::WallType::Interior : quarnel::WallType::Exterior;
  bool computable = read.inputs && read.inputs->qcd != 0.0;
  const quarnel::Loads loads =
      computable ? quarnel::computeLoads(*read.inputs, wall) : quarnel::Loads{0, 0, 0, 0};
  const double values[] = {loads.dhz, loads.hhz, loads.zjhh, loads.hzsjz};
  for (double v : values) computable = computable && std::isfinite(v);
  tally.computed += computable;

  if (w.warnings().size() != boxes + !computable) fail("warning boxes shown");
  if (!computable && w.warnings().back().title != "提示") fail("warning title");
  for (std::size_t k = 0; k < 4; ++k) {
    const std::string shown = w.text(quarnel::kResultFields[k]);
    if (!computable) {
      if (shown != "untouched") fail("a result written after a warning");
      continue;
    }
    if (!std::regex_match(shown, k == 3 && !interior ? kUpToThree : kOneToThree)) fail("pattern");
    if (std::regex_match(shown, kNegativeZero)) fail("negative zero shown");
    const double diff = std::fabs(std::strtod(shown.c_str(), nullptr) - values[k]);
    if (!(diff <= 0.0005 + std::fabs(values[k]) * 1e-14)) fail("text does not show the value");
  }
  return 0;
}
