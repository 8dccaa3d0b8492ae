// The fonts of the Windows windows: the text font "宋体" 9 pt and the frame-caption font "隶书"
// 10.5 pt, both normal weight, GB2312 character set. Where a family is not installed, the first
// installed family with Chinese glyphs of a list of substitutes is taken.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quarnel {

// The first family of the list that is installed with Chinese (GB2312) glyphs, found by
// enumerating the installed fonts once; the first of the list when none is.
std::wstring firstInstalledFamily(const std::vector<std::string>& families);

// The family of all text but the frame captions, and the family of the frame captions.
const std::wstring& textFamily();
const std::wstring& captionFamily();

// The two fonts at a screen density in dots per inch (96 is 100 %); the caller deletes them.
HFONT createTextFont(UINT dpi);
HFONT createCaptionFont(UINT dpi);

}  // namespace quarnel
