// The GBK character set (code page 936) of the report file: from the UTF-8 texts of the window to
// the bytes of the file, and back for tables that a spreadsheet saved in GBK.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// The GBK bytes of a UTF-8 text, without byte-order mark: ASCII stays one byte, Chinese characters
// and full-width signs take two; a character that GBK cannot represent, and every byte that is not
// valid UTF-8, becomes one "?". Throws std::runtime_error when the system has no GBK converter.
std::string toGbk(std::string_view utf8);

// Windows: the bytes of a UTF-8 text in a code page of the system (936 for toGbk), "?" where
// toGbk would write one.
std::string toCodePage(std::string_view utf8, unsigned codePage);

// The UTF-8 text of GBK bytes, or nothing when they are not GBK throughout.
std::optional<std::string> fromGbk(std::string_view gbk);

}  // namespace quarnel
