#include "batch/run.h"

#include <algorithm>
#include <map>

#include "batch/cells.h"
#include "batch/columns.h"
#include "calc/fields.h"
#include "ui/click_steps.h"
#include "ui/events.h"
#include "ui/memory_window.h"

namespace quarnel {
namespace {

constexpr std::size_t kNone = std::size_t(-1);

// The columns of the header, each with its name as written (without the blanks around it).
struct Header {
  std::vector<Column> columns;
  std::vector<std::string> names;

  // The index of the column of a field, or kNone.
  std::size_t indexOf(const Column& wanted) const {
    for (std::size_t k = 0; k < columns.size(); ++k)
      if (columns[k].kind == wanted.kind && columns[k].field == wanted.field) return k;
    return kNone;
  }
  // The column name of a field, or what the messages call the field when no column holds it.
  std::string nameOf(const Field& f) const {
    const std::size_t k = indexOf({Column::Field, f.name});
    return k == kNone ? wordsOf(f) : names[k];
  }
};

Header readHeader(const CsvRecord& record, std::vector<Problem>& problems) {
  Header h;
  std::size_t width = record.cells.size();
  while (width > 0 && blank(record.cells[width - 1])) --width;  // a spreadsheet's empty cells
  for (std::size_t k = 0; k < width; ++k) {
    const std::string name(trimmed(record.cells[k]));
    const ColumnName named = columnNamed(name);
    const Column column = named.column.value_or(Column{});
    const std::size_t same = column.kind == Column::Notes ? kNone : h.indexOf(column);
    if (name.empty())
      problems.push_back({record.line, "", "第 " + std::to_string(k + 1) + " 列没有列名"});
    else if (!named.column)
      problems.push_back({record.line, "", named.problem});
    else if (same != kNone)
      problems.push_back(
          {record.line, "", "列" + quoted(name) + "与列" + quoted(h.names[same]) + "重复"});
    h.columns.push_back(column);
    h.names.push_back(name);
  }
  // Without these columns no axis could be calculated: each axis has its own label, and these
  // inputs have no default text.
  for (const Field& f : fields()) {
    const bool needed = f.kind == FieldKind::Axis || needsValue(f);
    if (needed && h.indexOf({Column::Field, f.name}) == kNone)
      problems.push_back({record.line, "", "表格中没有列" + quoted(wordsOf(f))});
  }
  return h;
}

// Whether every cell of the record but those of notes is blank.
bool blankRow(const CsvRecord& record, const Header& h) {
  for (std::size_t k = 0; k < record.cells.size(); ++k)
    if ((k >= h.columns.size() || h.columns[k].kind != Column::Notes) && !blank(record.cells[k]))
      return false;
  return true;
}

// One run of the program over the rows: the window the axes are typed into, the run's report.
class Run {
 public:
  Run(const Header& header, AxesRun& out) : h_(header), out_(out) {}

  void row(const CsvRecord& record) {
    if (blankRow(record, h_)) return;
    const std::size_t problems = out_.problems.size();
    if (record.cells.size() > h_.columns.size() &&
        std::any_of(record.cells.begin() + h_.columns.size(), record.cells.end(),
                    [](const std::string& c) { return !c.empty(); }))
      return problem(record, "", "单元格比表头多");
    const std::string label = cellOf(record, {Column::Field, "zxh"});
    if (blank(label)) problem(record, h_.nameOf(field("zxh")), "没有轴线号（轴线号不沿用上一行）");
    for (std::size_t k = 0; k < record.cells.size(); ++k) type(record, k);
    for (const Field* f : fieldsOf(FieldKind::Input))
      if (!f->table.emptyIsNone && blank(w_.text(f->name)))
        problem(record, h_.nameOf(*f), "没有数值（这一列在本行和上面各行都是空的）");
    if (out_.problems.size() > problems) return;
    Axis axis{record.line, w_.text("zxh"), WallType::Exterior, {}, {}, {}};
    if (const std::optional<Failure> failure = calculateInto(w_, &axis.working))
      return problem(record, h_.nameOf(field(failure->field)), failure->message);
    const auto [first, fresh] = labels_.emplace(std::string(trimmed(label)), record.line);
    if (!fresh)
      out_.warnings.push_back({record.line, h_.nameOf(field("zxh")),
                               quoted(label) + "与第 " + std::to_string(first->second) +
                                   " 行的轴线号相同（两条都照常计算）"});
    out_.report += reportOf(w_, program_.shell.reports);
    reported(w_, program_.shell.reports);
    axis.wall = *selectedWall(w_);
    for (const Field* input : fieldsOf(FieldKind::Input))
      axis.inputs.emplace_back(trimmed(w_.text(input->name)));
    for (const Field* result : fieldsOf(FieldKind::Result))
      axis.results.push_back(w_.text(result->name));
    out_.axes.push_back(std::move(axis));
  }

 private:
  std::string cellOf(const CsvRecord& record, const Column& column) const {
    const std::size_t k = h_.indexOf(column);
    return k < record.cells.size() ? record.cells[k] : std::string();
  }

  void problem(const CsvRecord& record, std::string column, std::string message) {
    out_.problems.push_back({record.line, std::move(column), std::move(message)});
  }

  // The cell of column k typed into its field, or the wall type it names selected, as the user
  // would; an empty cell keeps what the row above left.
  void type(const CsvRecord& record, std::size_t k) {
    const std::string& cell = record.cells[k];
    const Column& column = h_.columns[k];
    if (cell.empty() || column.kind == Column::Notes) return;
    if (column.kind == Column::Wall) {
      if (blank(cell)) return;
      const std::optional<WallType> wall = wallOf(cell);
      if (!wall) return problem(record, h_.names[k], "墙类型应为 外墙、内墙、exterior 或 interior");
      const std::string& option = optionFor(*wall).name;
      w_.select(option);
      raise(program_.shell, mainWindow().name, option, Event::Click);
      return;
    }
    const Field& f = field(column.field);
    if (f.kind == FieldKind::Input)
      if (const std::optional<std::string> wrong = cellProblem(f, cell))
        return problem(record, h_.names[k], *wrong);
    w_.setText(f.name, cell);
  }

  const Header& h_;
  AxesRun& out_;
  MemoryProgram program_;
  MemoryWindow& w_ = program_.main;
  std::map<std::string, std::size_t> labels_;  // the line of each axis label
};

}  // namespace

AxesRun runAxes(const CsvTable& table) {
  AxesRun out;
  auto record = std::find_if(table.records.begin(), table.records.end(), [](const CsvRecord& r) {
    return !std::all_of(r.cells.begin(), r.cells.end(), blank);
  });
  if (record == table.records.end()) {
    if (table.problems.empty()) out.problems.push_back({0, "", "表格是空的"});
  } else {
    const Header header = readHeader(*record, out.problems);
    Run run(header, out);
    if (out.problems.empty())
      for (++record; record != table.records.end(); ++record) run.row(*record);
  }
  // A quote left open ends the table: its problem comes after those of the lines before it.
  out.problems.insert(out.problems.end(), table.problems.begin(), table.problems.end());
  return out;
}

}  // namespace quarnel
