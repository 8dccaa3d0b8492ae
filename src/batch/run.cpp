#include "batch/run.h"

#include <algorithm>

#include "batch/columns.h"
#include "calc/fields.h"
#include "ui/click_steps.h"
#include "ui/events.h"
#include "ui/memory_window.h"

namespace quarnel {
namespace {

bool allEmpty(const std::vector<std::string>& cells, std::size_t from = 0) {
  return std::all_of(cells.begin() + std::min(from, cells.size()), cells.end(),
                     [](const std::string& c) { return c.empty(); });
}

// The columns of the header: the field of each (empty for the wall type) and its name as written.
struct Columns {
  std::vector<std::string> fields, names;
  // The column name of a field, or the field's control name when no column holds it.
  std::string nameOf(const std::string& field) const {
    auto it = std::find(fields.begin(), fields.end(), field);
    return it == fields.end() ? field : names[it - fields.begin()];
  }
};

Columns readHeader(const CsvRecord& header, std::vector<Problem>& problems) {
  Columns c;
  std::size_t width = header.cells.size();
  while (header.cells[width - 1].empty()) --width;  // a spreadsheet's empty cells at the end
  for (std::size_t k = 0; k < width; ++k) {
    const std::string name(trimmed(header.cells[k]));
    const std::optional<std::string> field = columnField(name);
    if (name.empty())
      problems.push_back({header.line, "", "第 " + std::to_string(k + 1) + " 列没有列名"});
    else if (!field)
      problems.push_back({header.line, name, "未知的列名"});
    else if (std::find(c.fields.begin(), c.fields.end(), *field) != c.fields.end())
      problems.push_back({header.line, name, "与列 " + c.nameOf(*field) + " 重复"});
    c.fields.push_back(field.value_or("?"));
    c.names.push_back(name);
  }
  return c;
}

}  // namespace

AxesRun runAxes(const CsvTable& table) {
  AxesRun run;
  auto record = std::find_if(table.records.begin(), table.records.end(),
                             [](const CsvRecord& r) { return !allEmpty(r.cells); });
  const bool noHeader = record == table.records.end();
  if (noHeader && table.problems.empty()) run.problems.push_back({0, "", "表格是空的"});
  const Columns columns = noHeader ? Columns() : readHeader(*record, run.problems);
  record = noHeader || !run.problems.empty() ? table.records.end() : record + 1;
  MemoryProgram program;
  MemoryWindow& w = program.main;
  for (; record != table.records.end(); ++record) {
    const std::vector<std::string>& cells = record->cells;
    if (allEmpty(cells)) continue;
    if (!allEmpty(cells, columns.fields.size())) {
      run.problems.push_back({record->line, "", "单元格比表头多"});
      continue;
    }
    bool typed = true;
    for (std::size_t k = 0; k < cells.size() && k < columns.fields.size(); ++k) {
      if (cells[k].empty()) continue;
      if (!columns.fields[k].empty()) {
        w.setText(columns.fields[k], cells[k]);
      } else if (std::optional<WallType> wall = wallOf(cells[k])) {
        const std::string& option = optionFor(*wall).name;  // the user selects it
        w.select(option);
        raise(program.shell, mainWindow().name, option, Event::Click);
      } else {
        run.problems.push_back(
            {record->line, columns.names[k], "墙类型应为 外墙、内墙、exterior 或 interior"});
        typed = false;
      }
    }
    if (!typed) continue;
    if (const std::optional<Failure> failure = calculateInto(w)) {
      run.problems.push_back({record->line, columns.nameOf(failure->field), failure->message});
      continue;
    }
    run.report += reportOf(w);
    reported(w);
    run.axes.push_back({record->line, w.text("zxh"), *selectedWall(w), {}});
    for (const Field* result : fieldsOf(FieldKind::Result))
      run.axes.back().results.push_back(w.text(result->name));
  }
  // A quote left open ends the table: its problem comes after those of the lines before it.
  run.problems.insert(run.problems.end(), table.problems.begin(), table.problems.end());
  return run;
}

}  // namespace quarnel
