#include "calc/number.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

#include "calc/utf8.h"

namespace quarnel {
namespace {

bool ignorable(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool digit(char c) {
  return c >= '0' && c <= '9';
}

// The characters of the number, blanks removed, in the form "ddd.ddde[-]ddd" without sign.
struct Cleaned {
  std::string mantissa;  // digits with at most one '.'
  std::string exponent;  // optional sign and digits, or empty
  bool negative = false;
  bool anyDigit = false;
};

Cleaned clean(std::string_view text) {
  Cleaned n;
  enum { Sign, Mantissa, ExpSign, ExpDigits } state = Sign;
  bool point = false;
  for (char c : text) {
    if (ignorable(c)) continue;
    if (state == Sign && (c == '+' || c == '-')) {
      n.negative = c == '-';
      state = Mantissa;
    } else if ((state == Sign || state == Mantissa) && (digit(c) || (c == '.' && !point))) {
      point = point || c == '.';
      n.anyDigit = n.anyDigit || digit(c);
      n.mantissa += c;
      state = Mantissa;
    } else if (state == Mantissa && n.anyDigit && (c == 'e' || c == 'E')) {
      state = ExpSign;
    } else if (state == ExpSign && (c == '+' || c == '-')) {
      n.exponent += c;
      state = ExpDigits;
    } else if ((state == ExpSign || state == ExpDigits) && digit(c)) {
      n.exponent += c;
      state = ExpDigits;
    } else {
      break;
    }
  }
  if (!n.exponent.empty() && !digit(n.exponent.back())) n.exponent.clear();  // "1e+" reads as 1
  return n;
}

// The power of ten of the number's leading digit, roughly; decides whether a value out of the
// double range is too large or too small.
long long magnitude(const Cleaned& n) {
  long long exp = 0;
  bool expNegative = !n.exponent.empty() && n.exponent[0] == '-';
  for (char c : n.exponent)
    if (digit(c) && exp < 1000000) exp = exp * 10 + (c - '0');
  if (expNegative) exp = -exp;
  long long lead = 0, seen = 0;
  bool nonzero = false, afterPoint = false;
  for (char c : n.mantissa) {
    if (c == '.') {
      afterPoint = true;
      continue;
    }
    if (!nonzero && c == '0') {
      if (afterPoint) --lead;
      continue;
    }
    if (!nonzero) nonzero = true;
    if (!afterPoint) ++seen;
  }
  return (seen > 0 ? seen : lead) + exp;
}

}  // namespace

LeadingNumber parseLeadingNumber(std::string_view text) {
  Cleaned n = clean(text);
  if (!n.anyDigit) return {0.0, true};
  std::string s = n.mantissa;
  if (!n.exponent.empty()) s += 'e' + n.exponent;
  double value = 0.0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  (void)end;
  bool inRange = true;
  if (ec == std::errc::result_out_of_range) {
    inRange = magnitude(n) <= 0;  // too small: the value is zero
    value = inRange ? 0.0 : HUGE_VAL;
  }
  return {n.negative ? -value : value, inRange};
}

std::optional<std::int16_t> toInt16(double value) {
  if (!(value > -32769.0 && value < 32768.0)) return std::nullopt;
  double whole = std::floor(value);
  double diff = value - whole;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  if (whole < -32768.0 || whole > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(whole);
}

std::optional<float> toFloat(double value) {
  // Halfway between FLT_MAX and 2^128 a value rounds to infinity (the tie goes to the even 2^128).
  const double limit = 0x1.ffffffp127;
  if (!(std::fabs(value) < limit)) return std::nullopt;
  if (std::fabs(value) > FLT_MAX) return std::copysign(FLT_MAX, value);
  return static_cast<float>(value);
}

bool holdsFullWidth(std::string_view text) {
  for (Utf8Step step{}; !text.empty(); text.remove_prefix(step.length)) {
    step = nextUtf8(text);
    const long c = step.codePoint;
    if ((c >= 0xFF10 && c <= 0xFF19) || c == 0xFF0E || c == 0xFF0B || c == 0xFF0D || c == 0x3000 ||
        c == 0x3002)
      return true;
  }
  return false;
}

}  // namespace quarnel
