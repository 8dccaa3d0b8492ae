// The instructions text of the help window frmhelp, and how a text box shows it.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

// The instructions text: fifteen pieces, each preceded by its own run of CR and LF characters
// (some CRs stand alone); no line break after the last piece.
std::string helpText();

// The text as a text box shows it: CR LF ends a line, a CR that no LF follows shows nothing.
std::string displayText(std::string_view text);

}  // namespace quarnel
