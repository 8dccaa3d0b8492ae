// Conversion of the UTF-8 texts of the window to the GBK bytes of the report file (code page 936).
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

// The GBK bytes of a UTF-8 text, without byte-order mark: ASCII stays one byte, Chinese characters
// and full-width signs take two; a character that GBK cannot represent, and every byte that is not
// valid UTF-8, becomes one "?".
std::string toGbk(std::string_view utf8);

#ifdef _WIN32
// UTF-8 and the UTF-16 of the Windows functions.
std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);
#endif

}  // namespace quarnel
