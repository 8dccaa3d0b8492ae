// The whole calculation click on 22 arbitrary field texts and either wall type, through the
// handler on the in-memory window: either the four result fields show texts of their patterns
// that lie within half a thousandth of the computed loads, or one warning box is shown and no
// result field is touched.
#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>

#include "calc/calculation.h"
#include "fuzz_input.h"
#include "ui/handlers.h"
#include "ui/memory_window.h"

namespace {

using quarnel::fuzz::fail;

enum Outcome { Computed, Warned, WallLengthZero, Long };
quarnel::fuzz::Tally tally("calculation", {"computed", "warned", "of them for a zero wall length",
                                           "with a 64 KiB field"});

// The size of a blown-up field: megabyte texts through the calculate click are left to the window
// tests, where a parse of one takes milliseconds; under the fuzzer's instrumentation it takes a
// second and would crowd out every other input.
constexpr std::size_t kLong = 64 * 1024;

// Never a text of either pattern: shows whether the click wrote a result field.
constexpr const char* kUntouched = "untouched";

// "0.0##": whole part without leading zeros, one decimal always, up to three without trailing
// zeros; "0.###" the same with no decimal needed. No minus sign before a zero.
const std::regex kOneToThree(R"(-?(0|[1-9][0-9]*)\.[0-9]([0-9]?[1-9])?)");
const std::regex kUpToThree(R"(-?(0|[1-9][0-9]*)\.([0-9]?[0-9]?[1-9])?)");
const std::regex kNegativeZero(R"(-0\.0*)");

// The text shows the value to three decimals: it lies within half a thousandth of it, allowing
// for the 15 significant digits the value is first rounded to.
void checkText(const std::string& text, double value, bool upToThree) {
  if (!std::regex_match(text, upToThree ? kUpToThree : kOneToThree)) fail("pattern: " + text);
  if (std::regex_match(text, kNegativeZero)) fail("negative zero shown: " + text);
  const double shown = std::strtod(text.c_str(), nullptr);
  if (!(std::fabs(shown - value) <= 0.0005 + std::fabs(value) * 1e-14))
    fail("text " + text + " does not show the computed value");
}

// What the click must have done, from the same inputs read and computed without the window.
void checkClick(const quarnel::MemoryWindow& w, const quarnel::fuzz::FieldInput& in) {
  const auto& fields = quarnel::inputFields();
  quarnel::ReadResult read = quarnel::readInputs([&](std::string_view name) {
    for (std::size_t k = 0; k < fields.size(); ++k)
      if (name == fields[k].name) return in.texts[k];
    fail("unknown field read");
  });
  const auto wall = in.interior ? quarnel::WallType::Interior : quarnel::WallType::Exterior;
  quarnel::Loads loads{};
  if (read.inputs && read.inputs->qcd != 0.0) loads = quarnel::computeLoads(*read.inputs, wall);
  const double values[4] = {loads.dhz, loads.hhz, loads.zjhh, loads.hzsjz};
  bool computable = read.inputs && read.inputs->qcd != 0.0;
  for (double v : values) computable = computable && std::isfinite(v);

  if (w.warnings().size() != (computable ? 0u : 1u)) fail("warning boxes shown");
  for (std::size_t k = 0; k < 4; ++k) {
    const std::string shown = w.text(quarnel::kResultFields[k]);
    if (!computable && shown != kUntouched) fail("a result written after a failure");
    if (computable) checkText(shown, values[k], k == 3 && !in.interior);
  }
  if (!computable && w.warnings()[0].title != "提示") fail("warning title");
  tally.count(computable ? Computed : Warned);
  if (read.inputs && read.inputs->qcd == 0.0) {
    if (w.warnings()[0].text != "墙长度输入错!") fail("wall length message");
    tally.count(WallLengthZero);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tally.run();
  const auto& fields = quarnel::inputFields();
  const quarnel::fuzz::FieldInput in = quarnel::fuzz::splitFields(data, size, fields.size(), kLong);
  quarnel::MemoryWindow w;
  if (in.interior) w.select("Optnq");
  for (std::size_t k = 0; k < fields.size(); ++k) w.setText(fields[k].name, in.texts[k]);
  for (const char* result : quarnel::kResultFields) w.setText(result, kUntouched);
  quarnel::cmdjs_Click(w);
  for (const std::string& t : in.texts)
    if (t.size() >= kLong) {
      tally.count(Long);
      break;
    }
  if (w.focus() != "zxh") fail("the click moved the focus");
  checkClick(w, in);
  return 0;
}
