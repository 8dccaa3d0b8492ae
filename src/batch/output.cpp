#include "batch/output.h"

#include <algorithm>

#include "batch/columns.h"
#include "calc/fields.h"
#include "calc/utf8.h"
#include "document/check.h"
#include "ui/window_table.h"

namespace quarnel {
namespace {

using Row = std::vector<std::string>;

// The caption row (the axis label, the wall type, the results as the window calls them, and the
// wall check's columns when any axis is checked), then one row per axis.
std::vector<Row> rowsOf(const std::vector<Axis>& axes) {
  const std::vector<const Field*>& results = fieldsOf(FieldKind::Result);
  const bool checks = anyChecked(axes);
  std::vector<Row> rows = {{wordsOf(field("zxh")), kWallColumns[1]}};
  for (const Field* f : results) rows[0].push_back(wordsOf(*f));
  if (checks) rows[0].insert(rows[0].end(), checkHeadings().begin(), checkHeadings().end());
  for (const Axis& a : axes) {
    rows.push_back({a.label, optionFor(a.wall).caption});
    rows.back().insert(rows.back().end(), a.results.begin(), a.results.end());
    if (!checks) continue;
    const std::vector<std::string> cells = checkCells(a);
    rows.back().insert(rows.back().end(), cells.begin(), cells.end());
  }
  return rows;
}

// Code points that a terminal shows two columns wide.
constexpr std::pair<long, long> kWide[] = {{0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF},
                                           {0x3400, 0x4DBF}, {0x4E00, 0x9FFF}, {0xA000, 0xA4CF},
                                           {0xAC00, 0xD7A3}, {0xF900, 0xFAFF}, {0xFE30, 0xFE4F},
                                           {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6}, {0x20000, 0x3FFFD}};

}  // namespace

std::size_t displayWidth(std::string_view utf8) {
  std::size_t width = 0;
  for (Utf8Step step{}; !utf8.empty(); utf8.remove_prefix(step.length)) {
    step = nextUtf8(utf8);
    const long cp = step.codePoint;
    width += std::any_of(std::begin(kWide), std::end(kWide),
                         [cp](auto range) { return cp >= range.first && cp <= range.second; })
                 ? 2
                 : 1;
  }
  return width;
}

std::string terminalTable(const std::vector<Axis>& axes) {
  std::vector<Row> rows = rowsOf(axes);
  std::vector<std::size_t> widths(rows[0].size());
  for (Row& row : rows)
    for (std::size_t k = 0; k < row.size(); ++k) {
      std::replace_if(
          row[k].begin(), row[k].end(), [](char c) { return 0 <= c && c < ' '; }, ' ');
      widths[k] = std::max(widths[k], displayWidth(row[k]));
    }
  std::string out;
  for (const Row& row : rows) {
    std::string line;
    for (std::size_t k = 0; k < row.size(); ++k) {
      const std::string pad(widths[k] - displayWidth(row[k]), ' ');
      line += (k == 0 ? "" : "  ") + (k < 2 ? row[k] + pad : pad + row[k]);
    }
    out += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
  }
  return out;
}

std::string csvTable(const std::vector<Axis>& axes) {
  std::string out = "\xEF\xBB\xBF";
  for (const Row& row : rowsOf(axes)) {
    for (std::size_t k = 0; k < row.size(); ++k) {
      // A label that a spreadsheet would take for a formula is kept text by a leading "'".
      const bool formula = k == 0 && !row[k].empty() &&
                           std::string_view("=+-@\t\r").find(row[k][0]) != std::string_view::npos;
      std::string cell = formula ? "'" + row[k] : row[k];
      if (cell.find_first_of(",\"\r\n") != std::string::npos) {
        for (std::size_t q = cell.find('"'); q != std::string::npos; q = cell.find('"', q + 2))
          cell.insert(q, 1, '"');
        cell = '"' + cell + '"';
      }
      out += (k == 0 ? "" : ",") + cell;
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace quarnel
