// Reading UTF-8 text one character at a time, as the conversions to GBK and UTF-16 need it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quarnel {

// One step through UTF-8 text: the code point of the sequence at its start and the sequence's
// length in bytes. A byte that does not start a well-formed sequence is a step of its own with the
// code point -1, and so is a well-formed sequence that is overlong, a surrogate or beyond U+10FFFF.
struct Utf8Step {
  long codePoint;
  std::size_t length;
};
Utf8Step nextUtf8(std::string_view text);

// Whether the text is UTF-8 throughout.
bool isUtf8(std::string_view text);

// The UTF-8 bytes of a code point.
std::string utf8Of(char32_t codePoint);

// An ASCII letter in lower case; any other byte as it is (names and words that ignore case).
inline char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

}  // namespace quarnel
