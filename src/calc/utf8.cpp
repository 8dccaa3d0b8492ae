#include "calc/utf8.h"

namespace quarnel {

Utf8Step nextUtf8(std::string_view text) {
  auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = s[0] < 0x80           ? 1
                        : (s[0] >> 5) == 0x6  ? 2
                        : (s[0] >> 4) == 0xE  ? 3
                        : (s[0] >> 3) == 0x1E ? 4
                                              : 0;
  if (n == 0 || n > text.size()) return {-1, 1};
  for (std::size_t i = 1; i < n; ++i)
    if ((s[i] & 0xC0) != 0x80) return {-1, 1};
  if (n == 1) return {s[0], 1};
  static const long kMin[] = {0, 0, 0x80, 0x800, 0x10000};
  long cp = s[0] & (0x7F >> n);
  for (std::size_t i = 1; i < n; ++i) cp = (cp << 6) | (s[i] & 0x3F);
  if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {-1, n};
  return {cp, n};
}

bool isUtf8(std::string_view text) {
  while (!text.empty()) {
    Utf8Step step = nextUtf8(text);
    if (step.codePoint < 0) return false;
    text.remove_prefix(step.length);
  }
  return true;
}

std::string utf8Of(char32_t c) {
  if (c < 0x80) return std::string(1, char(c));
  if (c < 0x800) return {char(0xC0 | c >> 6), char(0x80 | (c & 63))};
  if (c < 0x10000) return {char(0xE0 | c >> 12), char(0x80 | (c >> 6 & 63)), char(0x80 | (c & 63))};
  return {char(0xF0 | c >> 18), char(0x80 | (c >> 12 & 63)), char(0x80 | (c >> 6 & 63)),
          char(0x80 | (c & 63))};
}

}  // namespace quarnel
