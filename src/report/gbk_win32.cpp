// GBK by the conversions of code page 936, without best-fit characters.
#include <windows.h>

#include "calc/utf16.h"
#include "calc/utf8.h"
#include "report/gbk.h"

namespace quarnel {

// Decoded here rather than by MultiByteToWideChar, so that bytes that are not UTF-8 turn into "?"
// exactly as on Linux: one per stray byte, one per well-formed sequence that is not a character.
// Code points beyond the Basic Multilingual Plane are not in code page 936 either.
std::string toCodePage(std::string_view utf8, unsigned codePage) {
  std::wstring wide;
  wide.reserve(utf8.size());
  for (std::string_view rest = utf8; !rest.empty();) {
    Utf8Step step = nextUtf8(rest);
    long cp = step.codePoint;
    wide += cp < 0 || cp > 0xFFFF ? L'\xFFFD' : wchar_t(cp);
    rest.remove_prefix(step.length);
  }
  if (wide.empty()) return {};
  // No best fit: a character the code page lacks becomes the default "?", never a look-alike. (A
  // few code pages take neither; they convert as they do.)
  DWORD flags = WC_NO_BEST_FIT_CHARS;
  const char* unknown = "?";
  int m = WideCharToMultiByte(codePage, flags, wide.data(), int(wide.size()), nullptr, 0, unknown,
                              nullptr);
  if (m == 0) {
    flags = 0, unknown = nullptr;
    m = WideCharToMultiByte(codePage, flags, wide.data(), int(wide.size()), nullptr, 0, unknown,
                            nullptr);
  }
  std::string out(m, '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), int(wide.size()), out.data(), m, unknown,
                      nullptr);
  return out;
}

std::string toGbk(std::string_view utf8) {
  return toCodePage(utf8, 936);
}

std::optional<std::string> fromGbk(std::string_view gbk) {
  if (gbk.empty()) return std::string();
  int n = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk.data(), int(gbk.size()), nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring text(n, L'\0');
  MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk.data(), int(gbk.size()), text.data(), n);
  return utf8(text);
}

}  // namespace quarnel
