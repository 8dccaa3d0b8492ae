#include "report/gbk.h"

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#endif

namespace quarnel {

namespace {

// The length of the UTF-8 sequence at the start of s, or 1 when it is not a well-formed one (so
// that a stray byte is skipped alone).
std::size_t sequenceLength(const unsigned char* s, std::size_t left) {
  std::size_t n = s[0] < 0x80           ? 1
                  : (s[0] >> 5) == 0x6  ? 2
                  : (s[0] >> 4) == 0xE  ? 3
                  : (s[0] >> 3) == 0x1E ? 4
                                        : 1;
  if (n > left) return 1;
  for (std::size_t i = 1; i < n; ++i)
    if ((s[i] & 0xC0) != 0x80) return 1;
  return n;
}

// The code point of a well-formed sequence of n bytes, or -1 when it is overlong, a surrogate or
// beyond U+10FFFF: such a sequence is not UTF-8.
long decode(const unsigned char* s, std::size_t n) {
  if (n == 1) return s[0] < 0x80 ? s[0] : -1;
  static const long kMin[] = {0, 0, 0x80, 0x800, 0x10000};
  long cp = s[0] & (0x7F >> n);
  for (std::size_t i = 1; i < n; ++i) cp = (cp << 6) | (s[i] & 0x3F);
  if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
  return cp;
}

#ifndef _WIN32

// Code page 936 gives the Private Use Area U+E000 to U+E864 the user-defined areas of GBK (and
// U+F8F5 the single byte 0xFF), which glibc's GBK leaves out. The rows AAA1-AFFE and F8A1-FEFE
// take 94 code points each, A140-A7A0 96 (no trail byte 0x7F); the rest are single gaps of GBK.
struct PuaRun {
  std::uint16_t first, gbk, count;
};
constexpr PuaRun kPuaRuns[] = {
    {0xE766, 0xA2AB, 6},  {0xE76C, 0xA2E3, 2},  {0xE76E, 0xA2EF, 2},  {0xE770, 0xA2FD, 2},
    {0xE772, 0xA4F4, 11}, {0xE77D, 0xA5F7, 8},  {0xE785, 0xA6B9, 8},  {0xE78D, 0xA6D9, 7},
    {0xE794, 0xA6EC, 2},  {0xE796, 0xA6F3, 1},  {0xE797, 0xA6F6, 9},  {0xE7A0, 0xA7C2, 15},
    {0xE7AF, 0xA7F2, 13}, {0xE7BC, 0xA896, 11}, {0xE7C7, 0xA8BC, 1},  {0xE7C8, 0xA8BF, 1},
    {0xE7C9, 0xA8C1, 4},  {0xE7CD, 0xA8EA, 21}, {0xE7E2, 0xA958, 1},  {0xE7E3, 0xA95B, 1},
    {0xE7E4, 0xA95D, 3},  {0xE7E7, 0xA989, 13}, {0xE7F4, 0xA997, 13}, {0xE801, 0xA9F0, 15},
    {0xE810, 0xD7FA, 5},  {0xE815, 0xFE50, 47}, {0xE844, 0xFE80, 33}, {0xF8F5, 0x00FF, 1}};

// The code page 936 bytes of a Private Use Area code point, or an empty text.
std::string privateUse(long cp) {
  unsigned code = 0;
  if (cp >= 0xE000 && cp < 0xE4C6) {
    long i = cp < 0xE234 ? cp - 0xE000 : cp - 0xE234;
    code = ((cp < 0xE234 ? 0xAA : 0xF8) + i / 94) << 8 | (0xA1 + i % 94);
  } else if (cp >= 0xE4C6 && cp < 0xE766) {
    long i = cp - 0xE4C6, trail = 0x40 + i % 96;
    code = (0xA1 + i / 96) << 8 | (trail < 0x7F ? trail : trail + 1);
  } else {
    for (const PuaRun& r : kPuaRuns)
      if (cp >= r.first && cp < r.first + r.count) code = r.gbk + unsigned(cp - r.first);
  }
  if (code == 0) return {};
  if (code < 0x100) return std::string(1, char(code));
  return {char(code >> 8), char(code & 0xFF)};
}

class Converter {
 public:
  Converter() : cd_(iconv_open("GBK", "UTF-8")) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no UTF-8 to GBK converter");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::string convert(std::string_view utf8) {
    std::string out;
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char buf[256];
    while (inLeft > 0) {
      char* to = buf;
      std::size_t toLeft = sizeof buf;
      std::size_t r = iconv(cd_, &in, &inLeft, &to, &toLeft);
      out.append(buf, to - buf);
      if (r != std::size_t(-1) || errno == E2BIG) continue;
      // EILSEQ or EINVAL: a character GBK lacks, or bytes that are not UTF-8.
      auto* s = reinterpret_cast<const unsigned char*>(in);
      std::size_t n = sequenceLength(s, inLeft);
      std::string pua = privateUse(decode(s, n));
      out += pua.empty() ? "?" : pua;
      in += n;
      inLeft -= n;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

#endif

}  // namespace

#ifdef _WIN32

std::wstring wide(std::string_view utf8) {
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::string utf8(std::wstring_view text) {
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

// Decoded here rather than by MultiByteToWideChar, so that bytes that are not UTF-8 turn into "?"
// exactly as on Linux: one per stray byte, one per well-formed sequence that is not a character.
// Code points beyond the Basic Multilingual Plane are not in code page 936 either.
std::string toGbk(std::string_view utf8) {
  std::wstring wide;
  wide.reserve(utf8.size());
  auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t n = sequenceLength(s + i, utf8.size() - i);
    long cp = decode(s + i, n);
    wide += cp < 0 || cp > 0xFFFF ? L'\xFFFD' : wchar_t(cp);
    i += n;
  }
  if (wide.empty()) return {};
  // No best fit: a character the code page lacks becomes the default "?", never a look-alike.
  int m = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide.data(), int(wide.size()), nullptr, 0,
                              "?", nullptr);
  std::string out(m, '\0');
  WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide.data(), int(wide.size()), out.data(), m, "?",
                      nullptr);
  return out;
}

#else

std::string toGbk(std::string_view utf8) {
  thread_local Converter converter;
  return converter.convert(utf8);
}

#endif

}  // namespace quarnel
