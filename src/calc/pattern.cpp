#include "calc/pattern.h"

#include <charconv>
#include <cstdlib>

namespace quarnel {
namespace {

struct Decimal {
  bool negative;
  std::string whole;     // integer digits, at least one
  std::string decimals;  // exactly three digits
};

// The value with 15 significant digits, then rounded to three decimals, halves away from zero.
Decimal roundToThousandths(double value) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  std::string s(buf, res.ptr);
  Decimal d{s[0] == '-', "", ""};
  if (d.negative) s.erase(0, 1);
  std::size_t e = s.find('e');
  int exp = std::atoi(s.c_str() + e + 1);
  std::string digits = s.substr(0, 1) + s.substr(2, e - 2);  // 15 digits
  std::string frac;
  if (exp >= 0) {
    digits.append(exp + 1 > 15 ? exp + 1 - 15 : 0, '0');
    d.whole = digits.substr(0, exp + 1);
    frac = digits.substr(exp + 1);
  } else {
    d.whole = "0";
    frac = std::string(-exp - 1, '0') + digits;
  }
  frac.append(4, '0');
  bool up = frac[3] >= '5';
  d.decimals = frac.substr(0, 3);
  std::string all = d.whole + d.decimals;
  for (std::size_t i = all.size(); up && i-- > 0;) {
    up = all[i] == '9';
    all[i] = up ? '0' : all[i] + 1;
  }
  if (up) all.insert(all.begin(), '1');
  d.whole = all.substr(0, all.size() - 3);
  d.decimals = all.substr(all.size() - 3);
  return d;
}

}  // namespace

std::string formatNumber(double value, Pattern pattern) {
  Decimal d = roundToThousandths(value);
  std::size_t keep = 3;
  std::size_t least = pattern == Pattern::OneToThreeDecimals ? 1 : 0;
  while (keep > least && d.decimals[keep - 1] == '0') --keep;
  bool zero = d.whole.find_first_not_of('0') == std::string::npos &&
              d.decimals.find_first_not_of('0') == std::string::npos;
  std::string out = d.negative && !zero ? "-" : "";
  return out + d.whole + "." + d.decimals.substr(0, keep);
}

}  // namespace quarnel
