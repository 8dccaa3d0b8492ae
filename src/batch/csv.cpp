#include "batch/csv.h"

#include <algorithm>
#include <cstdint>

#include "calc/utf8.h"
#include "report/gbk.h"

namespace quarnel {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The UTF-8 text of UTF-16 code units, or nothing when they are not UTF-16 throughout.
std::optional<std::string> fromUtf16(std::string_view bytes, bool bigEndian) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  auto unit = [&](std::size_t k) {
    const char32_t a = std::uint8_t(bytes[k]), b = std::uint8_t(bytes[k + 1]);
    return bigEndian ? a << 8 | b : b << 8 | a;
  };
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t k = 0; k < bytes.size(); k += 2) {
    char32_t c = unit(k);
    if (c >= 0xD800 && c <= 0xDBFF && k + 3 < bytes.size() && unit(k + 2) >= 0xDC00 &&
        unit(k + 2) <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(k += 2) - 0xDC00);
    else if (c >= 0xD800 && c <= 0xDFFF)
      return std::nullopt;
    text += utf8Of(c);
  }
  return text;
}

// Of comma, tab and semicolon, the one that stands most often outside quotes up to the end of the
// first line that holds anything but these and blanks; the first of them where as many stand.
char separatorOf(std::string_view s) {
  static constexpr char kSeparators[] = {',', '\t', ';'};
  std::size_t count[3] = {};
  bool quoted = false, other = false;
  for (char c : s) {
    const char* separator = std::find(std::begin(kSeparators), std::end(kSeparators), c);
    if (c == '"') {
      quoted = !quoted, other = true;
    } else if (!quoted && (c == '\n' || c == '\r') && other) {
      break;
    } else if (!quoted && separator != std::end(kSeparators)) {
      ++count[separator - kSeparators];
    } else if (c != ' ') {
      other = true;
    }
  }
  return kSeparators[std::max_element(std::begin(count), std::end(count)) - count];
}

}  // namespace

TableText tableText(std::string_view bytes) {
  if (bytes.substr(0, 4) == "PK\x03\x04" || bytes.substr(0, 4) == "\xD0\xCF\x11\xE0")
    return {std::nullopt, "这是 Excel/WPS 工作簿，不是 CSV：请在表格程序中另存为「CSV UTF-8」"};
  if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
    std::optional<std::string> text = fromUtf16(bytes.substr(2), bytes[0] == '\xFE');
    const char* problem = text ? "" : "不是有效的 UTF-16 文本";
    return {std::move(text), problem};
  }
  if (bytes.substr(0, 3) == kByteOrderMark) bytes.remove_prefix(3);
  if (isUtf8(bytes)) return {std::string(bytes), ""};
  std::optional<std::string> text = fromGbk(bytes);
  const char* problem = text ? "" : "既不是 UTF-8 也不是 GBK 编码的文本";
  return {std::move(text), problem};
}

CsvTable parseCsv(std::string_view s) {
  CsvTable table;
  table.secondByteOrderMark = s.substr(0, 3) == kByteOrderMark;
  const char separator = separatorOf(s);
  std::size_t line = 1, k = 0;
  while (k < s.size()) {
    CsvRecord record{line, {std::string()}};
    bool quoted = false, cellStart = true;
    for (; k < s.size(); ++k) {
      const char c = s[k];
      const bool crLf = c == '\r' && k + 1 < s.size() && s[k + 1] == '\n';
      if (quoted) {
        line += c == '\n' || (c == '\r' && !crLf);
        if (c != '"')
          record.cells.back() += c;
        else if (k + 1 < s.size() && s[k + 1] == '"')
          record.cells.back() += s[++k];
        else
          quoted = false;
      } else if (c == '\n' || c == '\r') {
        k += crLf ? 2 : 1;
        ++line;
        break;
      } else if (c == separator) {
        record.cells.emplace_back();
      } else if (c == '"' && cellStart) {
        quoted = true;
      } else {
        record.cells.back() += c;
      }
      cellStart = !quoted && c == separator;
    }
    if (quoted) {
      table.problems.push_back({record.line, "", "引号没有闭合"});
      break;
    }
    table.records.push_back(std::move(record));
  }
  return table;
}

}  // namespace quarnel
