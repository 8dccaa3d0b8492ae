#include "batch/cells.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "calc/number.h"
#include "calc/utf8.h"
#include "report/gbk.h"

namespace quarnel {
namespace {

bool digit(char c) {
  return c >= '0' && c <= '9';
}

// The number of digits at the start of the text.
std::size_t digits(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && digit(text[n])) ++n;
  return n;
}

// The length of the sign, digits and decimals at the start of the text ("6.6" of "6.6m").
std::size_t leadingDecimal(std::string_view text) {
  std::size_t k = !text.empty() && (text[0] == '+' || text[0] == '-');
  k += digits(text.substr(k));
  if (k < text.size() && text[k] == '.') k += 1 + digits(text.substr(k + 1));
  return k;
}

// Whether the text is digits grouped by thousands with commas ("1,234.5", "6,600").
bool thousands(std::string_view text) {
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

// Whether the text is an error value as Excel or LibreOffice Calc writes it in place of a result:
// "#DIV/0!", "#NAME?", "#N/A", "#GETTING_DATA", "Err:502".
bool errorValue(std::string_view t) {
  if (t.size() == 7 && t.substr(0, 4) == "Err:" && digits(t.substr(4)) == 3) return true;
  if (t == "#N/A" || t == "#GETTING_DATA") return true;
  if (t.size() < 3 || t[0] != '#' || (t.back() != '!' && t.back() != '?')) return false;
  return std::all_of(t.begin() + 1, t.end() - 1,
                     [](char c) { return (c >= 'A' && c <= 'Z') || digit(c) || c == '/'; });
}

// What may help the user to write the cell as a number, or "".
std::string hint(const Field& field, std::string_view t) {
  if (holdsFullWidth(t)) return "请用半角数字";
  if (errorValue(t)) return "这是电子表格的错误值，请检查该单元格的公式";
  if (t.find_first_not_of('#') == std::string_view::npos)
    return "列宽不够，单元格显示不全，请加宽该列后重新保存";
  const std::size_t number = leadingDecimal(t);
  const bool afterNumber = number > 0 && plainNumber(t.substr(0, number));
  if (afterNumber && t.substr(number) == "%" && field.table.most <= 1) return "写成小数，例如 0.65";
  if (thousands(t)) return "去掉千位分隔符";
  if (afterNumber && t[number] == ',' && plainNumber(t.substr(number + 1)))
    return "小数点请用「.」";
  if (afterNumber && *field.unit && sameUnit(trimmed(t.substr(number)), field.unit))
    return "去掉单位";
  return "";
}

// A limit of a range as messages write it: the shortest text that reads back as it.
template <typename T>
std::string limitText(T value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// The largest value the field takes: its own limit, else the largest of its working type.
double mostOf(const Field& f) {
  return std::min(f.table.most, f.asInt16 ? 32767.0 : f.asFloat ? double(FLT_MAX) : DBL_MAX);
}
std::string mostText(const Field& f) {
  return f.asFloat ? limitText(float(mostOf(f))) : limitText(mostOf(f));
}

}  // namespace

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

std::string narrowerRange(const Field& input) {
  const TableRule& rule = input.table;
  if (rule.whole) return "为 " + limitText(rule.least) + " 至 " + mostText(input) + " 的整数";
  if (rule.least == TableRule{}.least && !rule.leastExcluded && rule.most == TableRule{}.most)
    return "";
  if (rule.most == TableRule{}.most)  // no limit of its own above
    return (rule.leastExcluded ? "大于 " : "不小于 ") + limitText(rule.least);
  return (rule.leastExcluded ? "大于 " : "不小于 ") + limitText(rule.least) + " 且不大于 " +
         mostText(input);
}

std::optional<std::string> cellProblem(const Field& field, std::string_view cell) {
  if (!plainNumber(cell)) {
    const std::string help = hint(field, cell);
    return quoted(cell) + "不是数字" + (help.empty() ? "" : "，" + help);
  }
  const LeadingNumber n = parseLeadingNumber(cell);
  const double value = n.value;
  const TableRule& rule = field.table;
  // Digits other than 0 before the exponent: the text is not zero, whatever its value became.
  const bool nonZero = cell.find_first_of("123456789") < cell.find_first_of("eE");
  if (value < 0 || (nonZero && cell.find('-') < cell.find_first_of("eE")))
    return quoted(cell) + "不能为负数";
  const std::string range = narrowerRange(field);
  const bool tooLarge = !n.inRange || value > mostOf(field);
  if (tooLarge || value < rule.least || (rule.leastExcluded && value == rule.least) ||
      (rule.whole && (value != std::floor(value) || (nonZero && value == 0))))
    return quoted(cell) + "应" +
           (range.empty() || (tooLarge && rule.most == TableRule{}.most && !rule.whole)
                ? "不大于 " + mostText(field)
                : range);
  // A float keeps no value below FLT_MIN whole, a double none below DBL_MIN.
  const std::string least = field.asFloat ? limitText(FLT_MIN) : limitText(DBL_MIN);
  if (nonZero && (field.asFloat ? float(value) < FLT_MIN : value < DBL_MIN))
    return quoted(cell) + "太小，应" + (rule.leastExcluded ? "" : "为 0 或") + "不小于 " + least;
  return std::nullopt;
}

Field asField(const CheckField& input) {
  Field f{input.name, FieldKind::Input, input.words, input.words, input.unit, "", std::nullopt};
  f.table = input.table;
  return f;
}

std::string choiceList(const CheckField& input) {
  std::string list;
  for (std::size_t k = 0; k < input.choices.size(); ++k)
    list += (k == 0 ? "" : k + 1 == input.choices.size() ? " 或 " : "、") + input.choices[k].word;
  return list;
}

std::optional<std::string> checkCellProblem(const CheckField& input, std::string_view cell) {
  if (input.choices.empty()) return cellProblem(asField(input), cell);
  if (choiceOf(input, cell)) return std::nullopt;
  return quoted(cell) + "不是" + input.words + "，应为 " + choiceList(input);
}

std::optional<std::string> labelProblem(std::string_view label) {
  for (std::string_view rest = label; !rest.empty();) {
    const Utf8Step step = nextUtf8(rest);
    if (invisible(step.codePoint) && step.codePoint != '\r' && step.codePoint != '\n')
      return quoted(label) + "含看不见的字符，请删去";
    rest.remove_prefix(step.length);
  }
  // GBK has no "?" byte inside a character: each further "?" is a character it lacks.
  const std::string gbk = toGbk(label);
  if (std::count(gbk.begin(), gbk.end(), '?') == std::count(label.begin(), label.end(), '?'))
    return std::nullopt;
  std::string lacking;
  for (std::string_view rest = label; !rest.empty();) {
    const Utf8Step step = nextUtf8(rest);
    const std::string c(rest.substr(0, step.length));
    rest.remove_prefix(step.length);
    char code[16];
    std::snprintf(code, sizeof code, "(U+%04lX)", step.codePoint);
    const std::string named = "「" + c + "」" + code;
    if (c != "?" && toGbk(c) == "?" && lacking.find(named) == std::string::npos) lacking += named;
  }
  return quoted(label) + "中的" + lacking + "不能写入计算书（GBK 编码中没有这些字符）";
}

}  // namespace quarnel
