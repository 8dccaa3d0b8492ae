// UTF-8 and the UTF-16 of the Windows functions (Windows builds only).
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

// The UTF-16 of UTF-8 text; a byte that is not UTF-8 becomes U+FFFD.
std::wstring wide(std::string_view utf8);
// The UTF-8 of UTF-16 text.
std::string utf8(std::wstring_view text);

}  // namespace quarnel
