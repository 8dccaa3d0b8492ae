// The instructions text of the help window frmhelp, and how a multi-line text box shows it.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace quarnel {

// The instructions text: fifteen pieces, each preceded by its own run of CR and LF characters
// (some CRs stand alone); no line break after the last piece.
std::string helpText();

// The text as a text box shows it: CR LF ends a line, a CR that no LF follows shows nothing.
std::string displayText(std::string_view text);

// The texts of a window's multi-line boxes as they were set, kept beside what the boxes show:
// a box shows displayText, from which the text cannot be had back.
class MultiLineTexts {
 public:
  // Keeps the text of the box and gives what the box shows.
  std::string set(std::string_view box, std::string_view text);
  // The text last set into the box, or "".
  std::string get(std::string_view box) const;

 private:
  std::map<std::string, std::string, std::less<>> texts_;
};

}  // namespace quarnel
