// The leading-number parse on arbitrary bytes, checked against a second, slow reading: the C
// library's strtod on the text with its blanks removed. Also checks the floor-count and float
// conversions of every value read against the rounding of the floating-point unit.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/number.h"
#include "fuzz_input.h"

namespace {

using quarnel::fuzz::fail;

enum Outcome { ByStrtod, NoNumber, OutOfRange, Int16Fits };
quarnel::fuzz::Tally tally("number", {"read by strtod", "without a number", "beyond a double",
                                      "fitting a 16-bit integer"});

struct Expected {
  double value;
  bool inRange;
};

// Blanks, tabs and line feeds removed, wherever they stand.
std::string withoutBlanks(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') out += c;
  return out;
}

// What the text should read as. strtod reads the longest decimal number at the start; the texts it
// would read differently (hexadecimal, "inf", "nan", leading white space of its own) all begin,
// after the sign, with something other than a digit or a point, and those read as no number.
Expected reference(std::string_view text) {
  const std::string s = withoutBlanks(text);
  std::size_t k = !s.empty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
  const bool negative = k == 1 && s[0] == '-';
  if (s.compare(k, 2, "0x") == 0 || s.compare(k, 2, "0X") == 0)
    return {negative ? -0.0 : 0.0, true};  // the "0" before the x
  if (k >= s.size() || !(std::isdigit(static_cast<unsigned char>(s[k])) || s[k] == '.')) {
    tally.count(NoNumber);
    return {0.0, true};
  }
  errno = 0;
  const double v = std::strtod(s.c_str(), nullptr);
  if (errno == ERANGE && std::isinf(v)) {
    tally.count(OutOfRange);
    return {v, false};
  }
  tally.count(ByStrtod);
  return {v, true};
}

bool sameDouble(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The floor count: nearest whole number, ties to even (the default rounding of nearbyint).
void checkInt16(double v) {
  const std::optional<std::int16_t> got = quarnel::toInt16(v);
  const double r = std::nearbyint(v);
  const bool fits = r >= -32768.0 && r <= 32767.0;
  if (fits != got.has_value()) fail("toInt16 range decision");
  if (fits && static_cast<double>(*got) != r) fail("toInt16 value");
  if (fits) tally.count(Int16Fits);
}

// A float field: the nearest float, ties to even; a value that rounds to infinity is no float.
void checkFloat(double v) {
  const std::optional<float> got = quarnel::toFloat(v);
  const float nearest = static_cast<float>(v);
  if (std::isinf(nearest) == got.has_value()) fail("toFloat range decision");
  if (got && !sameDouble(*got, nearest)) fail("toFloat value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tally.run();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const quarnel::LeadingNumber got = quarnel::parseLeadingNumber(text);
  if (got.inRange && !std::isfinite(got.value)) fail("a value beyond a double reported in range");
  const Expected want = reference(text);
  if (got.inRange != want.inRange) fail("range decision differs from strtod");
  if (want.inRange && !sameDouble(got.value, want.value)) fail("value differs from strtod");
  if (got.inRange) {
    checkInt16(got.value);
    checkFloat(got.value);
  }
  return 0;
}
