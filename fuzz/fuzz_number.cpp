// The leading-number parse on arbitrary bytes against strtod on the text without its blanks, and
// the floor-count and float conversions of every value read against the rounding of the processor.
#include <cerrno>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "calc/number.h"
#include "fuzz_input.h"

using quarnel::fuzz::fail;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string s;  // without blanks, tabs and line feeds
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') s += c;
  // strtod reads hexadecimal, "inf", "nan" and its own white space too: all of them begin, after
  // the sign, with something other than a digit or a point (or with "0x", read here as the 0).
  const std::size_t k = !s.empty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
  const bool number =
      k < s.size() && (std::isdigit(static_cast<unsigned char>(s[k])) || s[k] == '.');
  if (number && (s.compare(k, 2, "0x") == 0 || s.compare(k, 2, "0X") == 0)) s.resize(k + 1);
  errno = 0;
  const double want = number ? std::strtod(s.c_str(), nullptr) : 0.0;
  const bool inRange = !(errno == ERANGE && std::isinf(want));

  const quarnel::LeadingNumber got = quarnel::parseLeadingNumber(text);
  if (got.inRange != inRange) fail("range decision differs from strtod");
  if (!inRange) return 0;
  if (std::memcmp(&got.value, &want, sizeof want) != 0) fail("value differs from strtod");
  const double whole = std::nearbyint(got.value);  // ties to even
  const bool fits = whole >= -32768.0 && whole <= 32767.0;
  const std::optional<std::int16_t> i = quarnel::toInt16(got.value);
  if (fits != i.has_value() || (fits && *i != whole)) fail("toInt16");
  const float nearest = static_cast<float>(got.value);
  const std::optional<float> f = quarnel::toFloat(got.value);
  if (std::isinf(nearest) == f.has_value() || (f && std::memcmp(&*f, &nearest, sizeof nearest)))
    fail("toFloat");
  return 0;
}
