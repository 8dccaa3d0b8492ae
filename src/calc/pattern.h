// The number patterns of the result fields.
#pragma once

#include <string>

namespace quarnel {

enum class Pattern {
  OneToThreeDecimals,  // "0.0##": 25 -> "25.0", 28.269681 -> "28.27"
  UpToThreeDecimals,   // "0.###": 25 -> "25.", 332.640461 -> "332.64"
};

// Writes a finite double by the pattern: first rounded to 15 significant digits, then to three
// decimals with halves away from zero; the integer part in full, "." as the decimal point, no
// grouping and no exponent. A negative value that rounds to zero loses its minus sign.
std::string formatNumber(double value, Pattern pattern);

}  // namespace quarnel
