#include "calc/pattern.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace quarnel {
namespace {

struct Decimal {
  bool negative;
  std::string whole;     // integer digits, at least one
  std::string decimals;  // exactly three digits
};

// A whole number in base 10^9, the least significant limb first.
class Whole {
 public:
  explicit Whole(std::uint64_t n) : limbs_{std::uint32_t(n % kBase), std::uint32_t(n / kBase)} {}
  // factor < 2^31: each product and carry stays below 2^63.
  void multiply(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t x = std::uint64_t(limb) * factor + carry;
      limb = std::uint32_t(x % kBase), carry = x / kBase;
    }
    for (; carry; carry /= kBase) limbs_.push_back(std::uint32_t(carry % kBase));
  }
  // The decimal digits without leading zeros ("" for 0).
  std::string digits() const {
    std::string out;
    for (std::size_t i = limbs_.size(); i-- > 0;) {
      const std::string limb = std::to_string(limbs_[i]);
      if (!out.empty()) out.append(9 - limb.size(), '0');
      if (!out.empty() || limbs_[i]) out += limb;
    }
    return out;
  }

 private:
  static constexpr std::uint64_t kBase = 1000000000;
  std::vector<std::uint32_t> limbs_;
};

}  // namespace

FifteenDigits fifteenDigits(double value) {
  if (!std::isfinite(value)) throw std::domain_error("not a finite number");
  FifteenDigits out{std::signbit(value), std::string(15, '0'), 0};
  if (value == 0) return out;
  // |value| = mantissa · 2^power exactly; for power < 0 that is mantissa · 5^-power · 10^power.
  int power = 0;
  const double fraction = std::frexp(std::fabs(value), &power);
  Whole exact(static_cast<std::uint64_t>(std::ldexp(fraction, 53)));
  power -= 53;
  int tenPower = 0;  // of the last digit
  for (; power > 0; power -= std::min(power, 30)) exact.multiply(1u << std::min(power, 30));
  for (int step; power < 0; power += step) {
    step = std::min(-power, 13);  // 5^13 < 2^31
    std::uint32_t five = 1;
    for (int i = 0; i < step; ++i) five *= 5;
    exact.multiply(five), tenPower -= step;
  }
  std::string digits = exact.digits();
  out.exponent = tenPower + int(digits.size()) - 1;
  if (digits.size() <= 15) return out.digits = digits.append(15 - digits.size(), '0'), out;
  const char next = digits[15];
  const bool beyond = digits.find_first_not_of('0', 16) != std::string::npos;
  bool up = next > '5' || (next == '5' && (beyond || (digits[14] - '0') % 2 == 1));
  digits.resize(15);
  for (std::size_t i = 15; up && i-- > 0;) {
    up = digits[i] == '9';
    digits[i] = up ? '0' : char(digits[i] + 1);
  }
  if (up) digits = "1" + digits.substr(0, 14), ++out.exponent;  // 999…9 became 1000…0
  out.digits = digits;
  return out;
}

namespace {

// The value with 15 significant digits, then rounded to three decimals, halves away from zero.
Decimal roundToThousandths(double value) {
  const FifteenDigits fifteen = fifteenDigits(value);
  Decimal d{fifteen.negative, "", ""};
  const int exp = fifteen.exponent;
  std::string digits = fifteen.digits;
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
