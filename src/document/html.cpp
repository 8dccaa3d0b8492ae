#include "document/html.h"

#include "calc/utf8.h"

namespace quarnel {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

std::string escaped(std::string_view text, std::string_view lineBreak) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (Utf8Step step{}; !text.empty(); text.remove_prefix(step.length)) {
    step = nextUtf8(text);
    const long c = step.codePoint;
    if (c == '\r' || c == '\n') {
      out += lineBreak;
      if (c == '\r' && text.size() > 1 && text[1] == '\n') step.length = 2;
    } else if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '"') {
      out += "&quot;";
    } else if (c == '\'') {
      out += "&#39;";
    } else if (c < 0 || (c < 0x20 && c != '\t') || (c >= 0x7F && c < 0xA0)) {
      out += kReplacement;
    } else {
      out.append(text.substr(0, step.length));
    }
  }
  return out;
}

}  // namespace

std::string htmlText(std::string_view text) {
  return escaped(text, "<br>");
}

std::string htmlLine(std::string_view text) {
  return escaped(text, " ");
}

std::string element(std::string_view tag, std::string_view content, std::string_view attributes) {
  std::string out;
  out.reserve(tag.size() * 2 + attributes.size() + content.size() + 6);
  out.append("<").append(tag);
  if (!attributes.empty()) out.append(" ").append(attributes);
  return out.append(">").append(content).append("</").append(tag).append(">");
}

}  // namespace quarnel
