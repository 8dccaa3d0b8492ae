// The GBK bytes of every code point of the Basic Multilingual Plane, surrogates included (as the
// three bytes UTF-8 would give them), then of byte strings that are not UTF-8; each entry is its
// length in one byte, then its bytes. The Linux build writes it to a file (gbk_table), the Windows
// tests compare it with their own.
#pragma once

#include <string>

#include "report/gbk.h"

namespace quarnel::test {

inline std::string utf8(unsigned cp) {
  if (cp < 0x80) return std::string(1, char(cp));
  if (cp < 0x800) return {char(0xC0 | cp >> 6), char(0x80 | (cp & 0x3F))};
  return {char(0xE0 | cp >> 12), char(0x80 | (cp >> 6 & 0x3F)), char(0x80 | (cp & 0x3F))};
}

// Stray bytes, an overlong form, a cut sequence, a code point beyond U+10FFFF, one beyond the
// plane, a surrogate pair written as two three-byte forms.
inline const char* const kNotUtf8[] = {"\x80",
                                       "\xC0\x80",
                                       "\xE4\xB8",
                                       "\xE4\xB8"
                                       "A",
                                       "\xF4\x90\x80\x80",
                                       "\xF0\x9F\x98\x80",
                                       "\xFF\xFE",
                                       "\xED\xA0\x80\xED\xB0\x80"};

inline std::string gbkTable() {
  std::string table;
  auto entry = [&](const std::string& in) {
    std::string out = toGbk(in);
    table += char(out.size());
    table += out;
  };
  for (unsigned cp = 0; cp <= 0xFFFF; ++cp) entry(utf8(cp));
  for (const char* s : kNotUtf8) entry(s);
  return table;
}

}  // namespace quarnel::test
