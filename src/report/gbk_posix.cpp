// GBK by glibc's converter, with the Private Use Area of code page 936 added.
#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <stdexcept>

#include "calc/utf8.h"
#include "report/gbk.h"

namespace quarnel {
namespace {

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

// The code page 936 code of a Private Use Area code point (one byte below 0x100), or 0.
unsigned privateUse(long cp) {
  if (cp >= 0xE000 && cp < 0xE4C6) {
    long i = cp < 0xE234 ? cp - 0xE000 : cp - 0xE234;
    return ((cp < 0xE234 ? 0xAA : 0xF8) + i / 94) << 8 | (0xA1 + i % 94);
  }
  if (cp >= 0xE4C6 && cp < 0xE766) {
    long i = cp - 0xE4C6, trail = 0x40 + i % 96;
    return (0xA1 + i / 96) << 8 | (trail < 0x7F ? trail : trail + 1);
  }
  for (const PuaRun& r : kPuaRuns)
    if (cp >= r.first && cp < r.first + r.count) return r.gbk + unsigned(cp - r.first);
  return 0;
}

// The Private Use Area code point of a code page 936 code, or -1: privateUse worked backwards.
long privateUseOf(unsigned code) {
  const unsigned lead = code >> 8, trail = code & 0xFF;
  long cp = -1;
  if (trail >= 0xA1 && trail <= 0xFE && lead >= 0xAA && lead <= 0xAF)
    cp = 0xE000 + long(lead - 0xAA) * 94 + long(trail - 0xA1);
  else if (trail >= 0xA1 && trail <= 0xFE && lead >= 0xF8 && lead <= 0xFE)
    cp = 0xE234 + long(lead - 0xF8) * 94 + long(trail - 0xA1);
  else if (lead >= 0xA1 && lead <= 0xA7 && trail >= 0x40 && trail <= 0xA0)
    cp = 0xE4C6 + long(lead - 0xA1) * 96 + long(trail < 0x7F ? trail - 0x40 : trail - 0x41);
  for (const PuaRun& r : kPuaRuns)
    if (code >= r.gbk && code < unsigned(r.gbk + r.count)) cp = r.first + long(code - r.gbk);
  return cp >= 0 && privateUse(cp) == code ? cp : -1;
}

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("no ") + from + " to " + to + " converter");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts text; at every place the converter cannot go on, unconvertible(rest, out) appends
  // what stands for the characters at the start of rest and says how many bytes they take (0:
  // the text cannot be converted).
  template <typename Unconvertible>
  std::optional<std::string> convert(std::string_view text, Unconvertible unconvertible) {
    std::string out;
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char buf[256];
    while (inLeft > 0) {
      char* to = buf;
      std::size_t toLeft = sizeof buf;
      std::size_t r = iconv(cd_, &in, &inLeft, &to, &toLeft);
      out.append(buf, to - buf);
      if (r != std::size_t(-1) || errno == E2BIG) continue;
      std::size_t n = unconvertible(std::string_view(in, inLeft), out);
      if (n == 0) return std::nullopt;
      in += n;
      inLeft -= n;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string toGbk(std::string_view utf8) {
  thread_local Converter converter("GBK", "UTF-8");
  // A character GBK lacks, or bytes that are not UTF-8.
  return *converter.convert(utf8, [](std::string_view rest, std::string& out) {
    Utf8Step step = nextUtf8(rest);
    unsigned code = privateUse(step.codePoint);
    if (code == 0) out += '?';
    if (code >= 0x100) out += char(code >> 8);
    if (code != 0) out += char(code & 0xFF);
    return step.length;
  });
}

std::optional<std::string> fromGbk(std::string_view gbk) {
  thread_local Converter converter("UTF-8", "GBK");
  // The user-defined areas, or bytes that are not GBK.
  return converter.convert(gbk, [](std::string_view rest, std::string& out) -> std::size_t {
    auto byte = [&](std::size_t k) {
      return k < rest.size() ? unsigned(std::uint8_t(rest[k])) : 0u;
    };
    long cp = byte(0) == 0xFF ? privateUseOf(0xFF) : privateUseOf(byte(0) << 8 | byte(1));
    if (cp < 0) return 0;
    out += utf8Of(char32_t(cp));
    return byte(0) == 0xFF ? 1 : 2;
  });
}

}  // namespace quarnel
