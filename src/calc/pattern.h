// The number patterns of the result fields.
#pragma once

#include <string>

namespace quarnel {

enum class Pattern {
  OneToThreeDecimals,  // "0.0##": 25 -> "25.0", 28.269681 -> "28.27"
  UpToThreeDecimals,   // "0.###": 25 -> "25.", 332.640461 -> "332.64"
};

// A finite value to 15 significant decimal digits, rounded from its exact binary value with halves
// to the even neighbour (the digits of printf's "%.14e"): ±d.dddddddddddddd × 10^exponent. Zero
// keeps its sign and has exponent 0. Throws std::domain_error for an infinity or a NaN.
struct FifteenDigits {
  bool negative;
  std::string digits;  // 15 decimal digits
  int exponent;
};
FifteenDigits fifteenDigits(double value);

// Writes a finite double by the pattern: first rounded to 15 significant digits, then to three
// decimals with halves away from zero; the integer part in full, "." as the decimal point, no
// grouping and no exponent. A negative value that rounds to zero loses its minus sign.
std::string formatNumber(double value, Pattern pattern);

}  // namespace quarnel
