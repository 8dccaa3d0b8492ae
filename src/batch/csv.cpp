#include "batch/csv.h"

#include "calc/utf8.h"
#include "report/gbk.h"

namespace quarnel {

std::optional<std::string> tableText(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (isUtf8(bytes)) return std::string(bytes);
  return fromGbk(bytes);
}

CsvTable parseCsv(std::string_view s) {
  CsvTable table;
  std::size_t line = 1, k = 0;
  while (k < s.size()) {
    CsvRecord record{line, {std::string()}};
    bool quoted = false, cellStart = true;
    for (; k < s.size(); ++k) {
      const char c = s[k];
      const bool lineEnd = c == '\n' || (c == '\r' && k + 1 < s.size() && s[k + 1] == '\n');
      if (quoted) {
        line += c == '\n';
        if (c != '"')
          record.cells.back() += c;
        else if (k + 1 < s.size() && s[k + 1] == '"')
          record.cells.back() += s[++k];
        else
          quoted = false;
      } else if (lineEnd) {
        k += c == '\r' ? 2 : 1;
        ++line;
        break;
      } else if (c == ',') {
        record.cells.emplace_back();
      } else if (c == '"' && cellStart) {
        quoted = true;
      } else {
        record.cells.back() += c;
      }
      cellStart = !quoted && c == ',';
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
