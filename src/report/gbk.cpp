#include "report/gbk.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#endif

namespace quarnel {

#ifdef _WIN32

std::string toGbk(std::string_view utf8) {
  if (utf8.empty()) return {};
  // Invalid UTF-8 becomes U+FFFD here, which code page 936 writes as its default character "?".
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), n);
  int m = WideCharToMultiByte(936, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
  std::string out(m, '\0');
  WideCharToMultiByte(936, 0, wide.data(), n, out.data(), m, nullptr, nullptr);
  return out;
}

#else

namespace {

// The length of the UTF-8 sequence at the start of s, or 1 when it is not a valid one (so that a
// stray byte is skipped alone).
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
      std::size_t skip = sequenceLength(reinterpret_cast<unsigned char*>(in), inLeft);
      out += '?';
      in += skip;
      inLeft -= skip;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string toGbk(std::string_view utf8) {
  thread_local Converter converter;
  return converter.convert(utf8);
}

#endif

}  // namespace quarnel
