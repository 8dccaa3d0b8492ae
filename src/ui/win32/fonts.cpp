#include "ui/win32/fonts.h"

#include <set>

namespace quarnel {
namespace {

int CALLBACK collect(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
  if (font->lfFaceName[0] != L'@')  // the vertical variants
    reinterpret_cast<std::set<std::wstring>*>(names)->insert(font->lfFaceName);
  return 1;
}

const std::set<std::wstring>& chineseFamilies() {
  static const std::set<std::wstring> names = [] {
    std::set<std::wstring> found;
    LOGFONTW query{};
    query.lfCharSet = GB2312_CHARSET;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, collect, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
  }();
  return names;
}

HFONT createFont(const std::wstring& family, int height) {
  LOGFONTW font{};
  font.lfHeight = -height;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  family.copy(font.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}

}  // namespace

std::wstring firstInstalledFamily(std::initializer_list<const wchar_t*> families) {
  for (const wchar_t* family : families)
    if (chineseFamilies().count(family)) return family;
  return *families.begin();
}

const std::wstring& textFamily() {
  static const std::wstring family =
      firstInstalledFamily({L"宋体", L"SimSun", L"NSimSun", L"新宋体", L"Microsoft YaHei",
                            L"微软雅黑", L"WenQuanYi Micro Hei", L"文泉驿微米黑",
                            L"Noto Sans CJK SC", L"Droid Sans Fallback", L"AR PL UMing CN"});
  return family;
}

const std::wstring& captionFamily() {
  static const std::wstring family =
      firstInstalledFamily({L"隶书", L"LiSu", L"华文隶书", L"STLiti", L"AR PL UKai CN", L"楷体",
                            L"KaiTi", L"STKaiti", textFamily().c_str()});
  return family;
}

HFONT createTextFont(UINT dpi) {
  // 9 points (12 pixels at 96 dots per inch) in the Song family. The substitutes have wider Latin
  // letters: at 11 pixels, as in the Linux program, the narrowest unit labels ("[kn/m3]" in 43
  // pixels) keep their whole caption.
  const std::wstring& family = textFamily();
  bool song =
      family == L"宋体" || family == L"SimSun" || family == L"NSimSun" || family == L"新宋体";
  // Rounded down, so that a text never grows faster than the box it stands in.
  return createFont(family, song ? MulDiv(9, dpi, 72) : static_cast<int>(11 * dpi / 96));
}

HFONT createCaptionFont(UINT dpi) {
  return createFont(captionFamily(), MulDiv(21, dpi, 144));
}

}  // namespace quarnel
