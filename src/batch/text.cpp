#include "batch/text.h"

#include <cstdio>

#include "calc/calculation.h"
#include "calc/utf8.h"

namespace quarnel {
namespace {

// The last character of non-empty text: a byte that ends no well-formed sequence is one of its own.
Utf8Step lastUtf8(std::string_view text) {
  std::size_t start = text.size() - 1;
  while (start > 0 && text.size() - start < 4 && (text[start] & 0xC0) == 0x80) --start;
  const Utf8Step step = nextUtf8(text.substr(start));
  return step.length == text.size() - start ? step : Utf8Step{-1, 1};
}

// The length of what follows an escape character to end its sequence, which a terminal shows as
// nothing: "[" with parameters and a final character ("\x1b[0m"), or one character ("\x1bc").
std::size_t escapeSequence(std::string_view after) {
  if (after.empty() || after[0] < 0x40 || after[0] > 0x7E) return 0;
  if (after[0] != '[') return 1;
  std::size_t k = 1;
  while (k < after.size() && after[k] >= 0x20 && after[k] <= 0x3F) ++k;
  return k < after.size() && after[k] >= 0x40 && after[k] <= 0x7E ? k + 1 : 0;
}

bool blankOrInvisible(long c) {
  return c == ' ' || invisible(c);
}

// A unit as sameUnit compares it.
std::string unitKey(std::string_view unit) {
  std::string key;
  for (Utf8Step step{}; !unit.empty(); unit.remove_prefix(step.length)) {
    step = nextUtf8(unit);
    const long c = step.codePoint;
    if (c == 0xB2 || c == 0xB3)
      key += c == 0xB2 ? '2' : '3';
    else if (c >= 'A' && c <= 'Z')
      key += char(c - 'A' + 'a');
    else if (c != ' ')
      key += unit.substr(0, step.length);
  }
  return key;
}

}  // namespace

bool invisible(long c) {
  return (c >= 0 && c < 0x20) || (c >= 0x7F && c <= 0xA0) || (c >= 0x2000 && c <= 0x200B) ||
         c == 0x3000 || c == 0xFEFF;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty()) {
    const Utf8Step first = nextUtf8(text);
    if (!blankOrInvisible(first.codePoint)) break;
    text.remove_prefix(first.length);
    if (first.codePoint == 0x1B) text.remove_prefix(escapeSequence(text));
  }
  while (!text.empty()) {
    const Utf8Step last = lastUtf8(text);
    if (!blankOrInvisible(last.codePoint)) break;
    text.remove_suffix(last.length);
  }
  return text;
}

bool blank(std::string_view text) {
  return trimmed(text).empty();
}

bool sameUnit(std::string_view written, std::string_view unit) {
  return unitKey(written) == unitKey(unit);
}

std::string invisibleName(long c) {
  static const std::pair<long, const char*> kNames[] = {
      {0x00, "空字符"},        {0x09, "制表符"},     {0x0A, "换行符"},     {0x0B, "垂直制表符"},
      {0x0C, "换页符"},        {0x0D, "回车符"},     {0x1A, "文件结束符"}, {0x1B, "转义符"},
      {0x7F, "删除符"},        {0xA0, "不间断空格"}, {0x200B, "零宽空格"}, {0x3000, "全角空格"},
      {0xFEFF, "字节顺序标记"}};
  if (!invisible(c)) return "";
  const char* name = c >= 0x2000 ? "特殊空格" : "控制字符";
  for (const auto& [code, words] : kNames)
    if (code == c) name = words;
  char code[16];
  std::snprintf(code, sizeof code, "U+%04lX", c);
  return "(" + std::string(code) + " " + name + ")";
}

std::string quoted(std::string_view cell) {
  return quotedText(cell, invisibleName);
}

}  // namespace quarnel
