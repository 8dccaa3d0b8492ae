// Writing HTML: user texts as text that shows as typed and runs nothing, and small elements.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

// The text as HTML text content: & < > " ' as character references, each line break (CR LF, LF
// or CR) as <br>, any other control character and each byte that is not UTF-8 as U+FFFD.
std::string htmlText(std::string_view text);
// The same on one line, for SVG text: a line break is a blank.
std::string htmlLine(std::string_view text);

// <tag attributes>content</tag>; attributes (our own, never a user's text) may be empty.
std::string element(std::string_view tag, std::string_view content,
                    std::string_view attributes = {});

}  // namespace quarnel
