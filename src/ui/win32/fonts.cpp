#include "ui/win32/fonts.h"

#include <algorithm>
#include <set>

#include "calc/utf16.h"
#include "ui/fonts.h"

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

std::wstring firstInstalledFamily(const std::vector<std::string>& families) {
  for (const std::string& family : families)
    if (chineseFamilies().count(wide(family))) return wide(family);
  return wide(families.front());
}

const std::wstring& textFamily() {
  static const std::wstring family = firstInstalledFamily(textFamilies().all());
  return family;
}

const std::wstring& captionFamily() {
  static const std::wstring family = [] {
    std::vector<std::string> families = captionFamilies().all();
    families.push_back(utf8(textFamily()));
    return firstInstalledFamily(families);
  }();
  return family;
}

HFONT createTextFont(UINT dpi) {
  // 9 points (12 pixels at 96 dots per inch) in the Song family. The substitutes have wider Latin
  // letters: at 11 pixels, as in the Linux program, the narrowest unit labels ("[kn/m3]" in 43
  // pixels) keep their whole caption.
  const std::vector<std::string>& song = textFamilies().wanted;
  const bool wanted = std::find(song.begin(), song.end(), utf8(textFamily())) != song.end();
  // Rounded down, so that a text never grows faster than the box it stands in.
  return createFont(textFamily(), wanted ? MulDiv(9, dpi, 72) : static_cast<int>(11 * dpi / 96));
}

HFONT createCaptionFont(UINT dpi) {
  return createFont(captionFamily(), MulDiv(21, dpi, 144));
}

}  // namespace quarnel
