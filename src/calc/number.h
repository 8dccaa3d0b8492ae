// The conversions of a field text to the working values of a calculation.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// A leading number: its value, and whether it lies within the range of a double.
struct LeadingNumber {
  double value;
  bool inRange;
};

// Reads the number at the start of a text: blanks, tabs and line feeds are ignored anywhere; then
// an optional sign, digits with at most one ".", and an optional exponent (E or e, optional sign,
// digits); reading stops at the first character that cannot continue it; no digit gives 0.
// The value is the nearest double; inRange is false when its magnitude exceeds every double.
LeadingNumber parseLeadingNumber(std::string_view text);

// The nearest whole number, halves to the even neighbour, as a 16-bit integer; nothing when that
// lies outside -32768..32767.
std::optional<std::int16_t> toInt16(double value);

// The nearest 32-bit float, ties to even; nothing when the value rounds beyond the float range.
std::optional<float> toFloat(double value);

// The shortest text that reads back as the value, as the tables of constants write it: "0.0015",
// "7.5", "26".
std::string shortestText(double value);

// Whether the text holds what a Chinese input method types in place of a digit, point, sign or
// blank: the full-width digits ０ to ９, point ．, signs ＋ and －, the ideographic blank (U+3000)
// or the ideographic full stop 。. The leading number stops at any of them.
bool holdsFullWidth(std::string_view text);

}  // namespace quarnel
