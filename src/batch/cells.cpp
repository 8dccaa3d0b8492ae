#include "batch/cells.h"

#include <cmath>
#include <sstream>

#include "calc/number.h"
#include "calc/utf8.h"

namespace quarnel {
namespace {

constexpr std::string_view kWideBlank = "\u3000";

bool digit(char c) {
  return c >= '0' && c <= '9';
}

// The number of digits at the start of the text.
std::size_t digits(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && digit(text[n])) ++n;
  return n;
}

// Whether the text, without blanks at either end, is digits grouped by thousands with commas
// ("1,234.5", "6,600").
bool thousands(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  std::size_t lead = digits(text);
  if (lead < 1 || lead > 3 || lead == text.size() || text[lead] != ',') return false;
  text.remove_prefix(lead);
  while (!text.empty() && text[0] == ',') {
    if (digits(text.substr(1)) != 3) return false;
    text.remove_prefix(4);
  }
  return text.empty() || (text[0] == '.' && digits(text.substr(1)) == text.size() - 1);
}

// Whether the text holds a full-width digit, point, sign or blank, as a Chinese input method types.
bool fullWidth(std::string_view text) {
  for (Utf8Step step{}; !text.empty(); text.remove_prefix(step.length)) {
    step = nextUtf8(text);
    const long c = step.codePoint;
    if ((c >= 0xFF10 && c <= 0xFF19) || c == 0xFF0E || c == 0xFF0B || c == 0xFF0D || c == 0x3000)
      return true;
  }
  return false;
}

// What may help the user to write the cell as a number, or "".
std::string hint(std::string_view cell) {
  const std::string_view t = trimmed(cell);
  if (fullWidth(cell)) return "请用半角数字";
  if (!t.empty() && t.back() == '%' && plainNumber(t.substr(0, t.size() - 1)))
    return "写成小数，例如 0.65";
  if (thousands(cell)) return "去掉千位分隔符";
  if (!t.empty() && t[0] == '#') return "这是电子表格的错误值，请检查该单元格的公式";
  return "";
}

}  // namespace

std::string_view trimmed(std::string_view text) {
  for (;;) {
    if (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
      text.remove_prefix(1);
    else if (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
      text.remove_suffix(1);
    else if (text.substr(0, kWideBlank.size()) == kWideBlank)
      text.remove_prefix(kWideBlank.size());
    else if (text.size() >= kWideBlank.size() &&
             text.substr(text.size() - kWideBlank.size()) == kWideBlank)
      text.remove_suffix(kWideBlank.size());
    else
      return text;
  }
}

bool blank(std::string_view text) {
  return trimmed(text).empty();
}

bool plainNumber(std::string_view text) {
  std::size_t k = 0;
  auto skipBlanks = [&] {
    while (k < text.size() && (text[k] == ' ' || text[k] == '\t')) ++k;
  };
  skipBlanks();
  if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
  const std::size_t whole = digits(text.substr(k));
  k += whole;
  std::size_t fraction = 0;
  if (k < text.size() && text[k] == '.') fraction = digits(text.substr(++k)), k += fraction;
  if (whole + fraction == 0) return false;
  if (k < text.size() && (text[k] == 'e' || text[k] == 'E')) {
    ++k;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
    const std::size_t exponent = digits(text.substr(k));
    if (exponent == 0) return false;
    k += exponent;
  }
  skipBlanks();
  return k == text.size();
}

bool needsValue(const Field& input) {
  return input.kind == FieldKind::Input && !input.table.emptyIsNone && blank(input.text);
}

std::string narrowerRange(const TableRule& rule) {
  if (rule.least == TableRule{}.least && !rule.leastExcluded && rule.most == TableRule{}.most)
    return "";
  std::ostringstream range;
  range << (rule.leastExcluded ? "大于 " : "不小于 ") << rule.least << " 且不大于 " << rule.most;
  return range.str();
}

std::string quoted(std::string_view cell) {
  return "「" + std::string(cell) + "」";
}

std::optional<std::string> cellProblem(const Field& field, std::string_view cell) {
  if (!plainNumber(cell)) {
    const std::string help = hint(cell);
    return quoted(cell) + "不是数字" + (help.empty() ? "" : "，" + help);
  }
  const LeadingNumber n = parseLeadingNumber(cell);
  const double value = n.value;
  const TableRule& rule = field.table;
  if (value < 0) return quoted(cell) + "不能为负数";
  if (!n.inRange) return std::nullopt;  // the calculation says that it lies beyond its range
  if (value < rule.least || (rule.leastExcluded && value == rule.least) || value > rule.most)
    return quoted(cell) + "应" + narrowerRange(rule);
  if (rule.whole && value != std::floor(value)) return quoted(cell) + "应为整数";
  return std::nullopt;
}

}  // namespace quarnel
