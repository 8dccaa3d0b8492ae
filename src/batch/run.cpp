#include "batch/run.h"

#include <algorithm>
#include <map>
#include <set>

#include "batch/cells.h"
#include "batch/columns.h"
#include "calc/check_fields.h"
#include "calc/fields.h"
#include "calc/number.h"
#include "ui/click_steps.h"
#include "ui/events.h"
#include "ui/memory_window.h"
#include "ui/window_table.h"

namespace quarnel {
namespace {

constexpr std::size_t kNone = std::size_t(-1);
constexpr WallType kWalls[] = {WallType::Exterior, WallType::Interior};

// The wall type whose option the window selects when it opens.
WallType windowsWall() {
  for (WallType wall : kWalls)
    if (startsSelected(mainWindow(), optionFor(wall))) return wall;
  return WallType::Exterior;
}

// Whether the calculation of the wall type uses the input.
bool uses(WallType wall, const Field& input) {
  return !input.shownFor || *input.shownFor == wall;
}

// The columns of the header, each with its name as written (without the blanks around it).
struct Header {
  std::size_t line = 0;
  std::vector<Column> columns;
  std::vector<std::string> names;

  // The index of the column of a field (or of the wall type), or kNone.
  std::size_t indexOf(const Column& wanted) const {
    for (std::size_t k = 0; k < columns.size(); ++k)
      if (columns[k].kind == wanted.kind && columns[k].field == wanted.field) return k;
    return kNone;
  }
  bool has(const Field& f) const { return indexOf({Column::Field, f.name}) != kNone; }
  // The column name of a field, or what the messages call the field when no column holds it.
  std::string nameOf(const Field& f) const {
    const std::size_t k = indexOf({Column::Field, f.name});
    return k == kNone ? wordsOf(f) : names[k];
  }
  bool has(const CheckField& f) const { return indexOf({Column::Check, f.name}) != kNone; }
  std::string nameOf(const CheckField& f) const {
    const std::size_t k = indexOf({Column::Check, f.name});
    return k == kNone ? f.words : names[k];
  }
  std::string wallName() const {
    const std::size_t k = indexOf({Column::Wall, ""});
    return k == kNone ? kWallColumns[1] : names[k];
  }
};

Header readHeader(const CsvRecord& record, std::vector<Problem>& problems) {
  Header h{record.line, {}, {}};
  std::size_t width = record.cells.size();
  while (width > 0 && blank(record.cells[width - 1])) --width;  // a spreadsheet's empty cells
  for (std::size_t k = 0; k < width; ++k) {
    const std::string name(trimmed(record.cells[k]));
    const ColumnName named = columnNamed(record.cells[k]);
    const Column column = named.column.value_or(Column{});
    const std::size_t same = column.kind == Column::Notes ? kNone : h.indexOf(column);
    if (name.empty())
      problems.push_back({record.line, "", "第 " + std::to_string(k + 1) + " 列没有列名"});
    else if (!named.problem.empty())
      problems.push_back({record.line, "", named.problem});
    else if (same != kNone)
      problems.push_back(
          {record.line, "", "列" + quoted(name) + "与列" + quoted(h.names[same]) + "重复"});
    h.columns.push_back(column);
    h.names.push_back(name);
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

// The wall types of the axes, as their cells and those they keep from above select them; without
// a wall-type column, the one the window starts with.
std::set<WallType> wallsOf(const Header& h, const std::vector<CsvRecord>& records,
                           std::size_t first) {
  const std::size_t k = h.indexOf({Column::Wall, ""});
  if (k == kNone) return {windowsWall()};
  std::set<WallType> walls;
  std::optional<WallType> wall;
  for (std::size_t r = first; r < records.size(); ++r) {
    if (blankRow(records[r], h)) continue;
    if (k < records[r].cells.size())
      if (const std::optional<WallType> named = wallOf(records[r].cells[k])) wall = named;
    if (wall) walls.insert(*wall);
  }
  return walls;
}

// The inputs that the wall types use but no column holds: one problem of the header naming them
// all; with defaults, those that have a default text take it and are named among the warnings.
void missingColumns(const Header& h, const std::set<WallType>& walls, const RunOptions& options,
                    AxesRun& out) {
  std::string missing, defaulted;
  auto lacks = [&](const std::string& name, bool hasDefault, const std::string& text) {
    if (options.defaults && hasDefault)
      out.warnings.push_back({0, name,
                              "表格中没有这一列，取窗口的默认值" +
                                  (text.empty() ? "：空着（即没有）" : quoted(text))});
    else
      missing += quoted(name);
    if (!options.defaults && hasDefault) defaulted += quoted(name);
  };
  if (!h.has(field("zxh"))) lacks(wordsOf(field("zxh")), false, "");
  if (h.indexOf({Column::Wall, ""}) == kNone)
    lacks(kWallColumns[1], true, optionFor(windowsWall()).caption);
  for (const Field* f : fieldsOf(FieldKind::Input))
    if (!h.has(*f) &&
        std::any_of(walls.begin(), walls.end(), [f](WallType wall) { return uses(wall, *f); }))
      lacks(wordsOf(*f), !needsValue(*f), f->text);
  if (missing.empty()) return;
  std::string message = "表格中没有列" + missing;
  if (defaulted == missing)
    message += "（加选项 --defaults 则取窗口的默认值）";
  else if (!defaulted.empty())
    message += "（加选项 --defaults 时，" + defaulted + "取窗口的默认值）";
  out.problems.push_back({h.line, "", message});
}

// Whether the name is the short name of an input of the wall check.
bool isCheck(std::string_view name) {
  return std::any_of(checkFields().begin(), checkFields().end(),
                     [name](const CheckField& f) { return f.name == name; });
}

// The wall check's inputs that are missing, as messages name them: 「砂浆强度等级」, and for H0
// 「计算高度」（或「层高」与「横墙间距」）.
std::string missingChecks(const std::vector<const CheckField*>& missing, const Header& h) {
  std::string names;
  for (const CheckField* f : missing) {
    names += quoted(h.nameOf(*f));
    if (f->need == CheckNeed::UnlessStorey)
      names += "（或" + quoted(h.nameOf(checkField("cg"))) + "与" +
               quoted(h.nameOf(checkField("hqjj"))) + "）";
    if (f->need == CheckNeed::UnlessHeight)
      names += "（或" + quoted(h.nameOf(checkField("jsgd"))) + "）";
  }
  return names;
}

// A table that has any column of the wall check has those that every checked row must give.
void missingCheckColumns(const Header& h, AxesRun& out) {
  const CheckPresence p = checkPresence([&h](const CheckField& f) { return h.has(f); }, true);
  if (!p.missing.empty())
    out.problems.push_back(
        {h.line, "", "表格中有墙体验算的列，但没有列" + missingChecks(p.missing, h)});
}

// One run of the program over the rows: the window the axes are typed into, the run's report.
class Run {
 public:
  Run(const Header& header, const std::set<WallType>& walls, AxesRun& out) : h_(header), out_(out) {
    // A field no column holds keeps the window's default text only where --defaults let it.
    for (const Field* f : fieldsOf(FieldKind::Input))
      if (h_.has(*f) ||
          std::none_of(walls.begin(), walls.end(), [f](WallType wall) { return uses(wall, *f); }))
        w_.setText(f->name, "");
    if (h_.indexOf({Column::Wall, ""}) == kNone) wall_ = selectedWall(w_);
  }

  void row(const CsvRecord& record) {
    if (blankRow(record, h_)) return;
    const std::size_t problems = out_.problems.size();
    if (record.cells.size() > h_.columns.size() &&
        !std::all_of(record.cells.begin() + h_.columns.size(), record.cells.end(), blank))
      return problem(record, "", "单元格比表头多");
    const Field& axis = field("zxh");
    const std::string labelCell = cellOf(record, {Column::Field, axis.name});
    const std::string_view label = trimmed(labelCell);
    if (label.empty())
      problem(record, h_.nameOf(axis), "没有轴线号（轴线号不沿用上一行）");
    else if (const std::optional<std::string> wrong = labelProblem(label))
      problem(record, h_.nameOf(axis), *wrong);
    // A row that gives its own storey height or spacing takes no H0 from the rows above.
    if (blank(cellOf(record, {Column::Check, "jsgd"})) &&
        !(blank(cellOf(record, {Column::Check, "cg"})) &&
          blank(cellOf(record, {Column::Check, "hqjj"}))))
      checks_.erase("jsgd"), refused_.erase("jsgd");
    for (std::size_t k = 0; k < record.cells.size(); ++k) type(record, k);
    if (!wall_ && !wallRefused_)
      problem(record, h_.wallName(), "没有墙类型（第一条轴线的墙类型不能空着）");
    for (const Field* f : fieldsOf(FieldKind::Input))
      if (!f->table.emptyIsNone && blank(w_.text(f->name)) && !refused_.count(f->name))
        problem(record, h_.nameOf(*f), "没有数值（这一列在本行和上面各行都是空的）");
    if (!wall_ || wallRefused_) return;
    unusedCells(record);
    // A cell refused on this line or kept from a refused one: said once, where it stands.
    for (const std::string& name : refused_)
      if (isCheck(name) || uses(*wall_, field(name))) return;
    if (out_.problems.size() > problems) return;
    Axis calculated{record.line, w_.text("zxh"), WallType::Exterior, {}, {}, {}, {}};
    if (const std::optional<Failure> failure = calculateInto(w_, &calculated.working))
      return problem(record, h_.nameOf(field(failure->field)), failure->message);
    if (const std::optional<std::string> wrong = impossibleWall())
      return problem(record, h_.nameOf(field("mcmj")), *wrong);
    if (!checked(record, calculated)) return;
    const auto [first, fresh] = labels_.emplace(std::string(label), record.line);
    if (!fresh)
      out_.warnings.push_back({record.line, h_.nameOf(axis),
                               quoted(label) + "与第 " + std::to_string(first->second) +
                                   " 行的轴线号相同（两条都照常计算）"});
    out_.report += reportOf(w_, program_.shell.reports);
    reported(w_, program_.shell.reports);
    calculated.wall = *wall_;
    for (const Field* input : fieldsOf(FieldKind::Input))
      calculated.inputs.emplace_back(trimmed(w_.text(input->name)));
    for (const Field* result : fieldsOf(FieldKind::Result))
      calculated.results.push_back(w_.text(result->name));
    out_.axes.push_back(std::move(calculated));
  }

 private:
  std::string cellOf(const CsvRecord& record, const Column& column) const {
    const std::size_t k = h_.indexOf(column);
    return k < record.cells.size() ? record.cells[k] : std::string();
  }

  void problem(const CsvRecord& record, std::string column, std::string message) {
    out_.problems.push_back({record.line, std::move(column), std::move(message)});
  }

  double value(const char* name) const { return parseLeadingNumber(w_.text(name)).value; }

  // The cell of column k typed into its field, or the wall type it names selected, as the user
  // would; an empty cell keeps what the row above left.
  void type(const CsvRecord& record, std::size_t k) {
    const std::string_view cell = trimmed(record.cells[k]);
    const Column& column = h_.columns[k];
    if (cell.empty() || column.kind == Column::Notes) return;
    if (column.kind == Column::Check) {
      const CheckField& f = checkField(column.field);
      if (const std::optional<std::string> wrong = checkCellProblem(f, cell)) {
        refused_.insert(f.name);
        return problem(record, h_.names[k], *wrong);
      }
      refused_.erase(f.name);
      checks_[f.name] = std::string(cell);
      return;
    }
    if (column.kind == Column::Wall) {
      wallLine_ = record.line;
      const std::optional<WallType> wall = wallOf(cell);
      wallRefused_ = !wall;
      if (!wall)
        return problem(record, h_.names[k],
                       quoted(cell) + "不是墙类型，应为 外墙、内墙、exterior 或 interior");
      wall_ = wall;
      const std::string& option = optionFor(*wall).name;
      w_.select(option);
      raise(program_.shell, mainWindow().name, option, Event::Click);
      return;
    }
    const Field& f = field(column.field);
    if (f.kind == FieldKind::Input) {
      if (const std::optional<std::string> wrong = cellProblem(f, cell)) {
        refused_.insert(f.name);
        return problem(record, h_.names[k], *wrong);
      }
      refused_.erase(f.name);
    }
    w_.setText(f.name, std::string(cell));
  }

  // The wall check of a row that gives any of its inputs (with those kept from the rows above) into
  // the axis; false, said as a problem, when an input it must give is missing or the values do not
  // go together.
  bool checked(const CsvRecord& record, Axis& axis) {
    const CheckPresence presence =
        checkPresence([this](const CheckField& f) { return checks_.count(f.name) > 0; }, true);
    if (!presence.checked) return true;
    if (!presence.missing.empty()) {
      problem(record, "",
              "墙体验算缺少" + missingChecks(presence.missing, h_) +
                  "（这一列在本行和上面各行都是空的）");
      return false;
    }
    const FieldText text = [this](std::string_view name) {
      const auto given = checks_.find(std::string(name));
      return given != checks_.end() ? given->second : isCheck(name) ? "" : w_.text(name);
    };
    AxisCheck check;
    check.inputs = checkInputs(text);
    const WallCheckResult result = checkWall(check.inputs, basicCombination(axis.working.loads));
    if (!result.check) {
      const std::string l = checks_.count("jsdy") ? text("jsdy") : text("qcd");
      problem(record, h_.nameOf(checkField(result.field)),
              result.problem + (result.field != std::string_view("dkkd")
                                    ? ""
                                    : "：" + h_.nameOf(checkField("jsdy")) + quoted(l) + "，" +
                                          h_.nameOf(checkField("dkkd")) + quoted(text("dkkd"))));
      return false;
    }
    for (const CheckField& f : checkFields()) check.texts.push_back(text(f.name));
    check.values = *result.check;
    axis.check = std::move(check);
    return true;
  }

  // The other wall type's columns whose cells on this line hold a number other than 0: a warning,
  // since the calculation of this wall type leaves them out.
  void unusedCells(const CsvRecord& record) {
    std::string columns;
    for (std::size_t k = 0; k < record.cells.size() && k < h_.columns.size(); ++k) {
      if (h_.columns[k].kind != Column::Field) continue;
      const Field& f = field(h_.columns[k].field);
      const std::string_view cell = trimmed(record.cells[k]);
      if (!uses(*wall_, f) && plainNumber(cell) && parseLeadingNumber(cell).value != 0)
        columns += quoted(h_.names[k]);
    }
    if (columns.empty()) return;
    const WallType other = *wall_ == WallType::Exterior ? WallType::Interior : WallType::Exterior;
    const std::string kept =
        wallLine_ == record.line ? "" : "（墙类型沿用第 " + std::to_string(wallLine_) + " 行）";
    out_.warnings.push_back({record.line, "",
                             "这一行是" + optionFor(*wall_).caption + kept + "，" +
                                 optionFor(other).caption + "的列" + columns + "中的数值没有计入"});
  }

  // Why the wall cannot exist, or nothing: more door and window area than the wall has. Then no
  // result is negative, since that is the only difference of the formulas.
  std::optional<std::string> impossibleWall() const {
    if (value("mcmj") <= value("qcd") * value("zscg")) return std::nullopt;
    return quoted(w_.text("mcmj")) + "大于墙面积：" + wordsOf(field("qcd")) +
           quoted(w_.text("qcd")) + " × " + wordsOf(field("zscg")) + quoted(w_.text("zscg"));
  }

  const Header& h_;
  AxesRun& out_;
  MemoryProgram program_;
  MemoryWindow& w_ = program_.main;
  std::optional<WallType> wall_;               // the wall type of the axes so far
  std::size_t wallLine_ = 0;                   // the line that named it
  bool wallRefused_ = false;                   // the last wall-type cell was refused
  std::set<std::string> refused_;              // the inputs whose last cell was refused
  std::map<std::string, std::string> checks_;  // the wall check's inputs given so far, by name
  std::map<std::string, std::size_t> labels_;  // the line of each axis label
};

}  // namespace

AxesRun runAxes(const CsvTable& table, const RunOptions& options) {
  AxesRun out;
  if (table.secondByteOrderMark)
    out.problems.push_back(
        {1, "", "文件开头有第二个字节顺序标记（U+FEFF），请用文本编辑器删去它后重新保存"});
  const auto& records = table.records;
  const auto header = std::find_if(records.begin(), records.end(), [](const CsvRecord& r) {
    return !std::all_of(r.cells.begin(), r.cells.end(), blank);
  });
  if (header == records.end()) {
    if (table.problems.empty()) out.problems.push_back({0, "", "表格是空的"});
  } else {
    const std::size_t before = out.problems.size();
    const Header h = readHeader(*header, out.problems);
    const std::size_t first = std::size_t(header - records.begin()) + 1;
    const std::set<WallType> walls = wallsOf(h, records, first);
    missingColumns(h, walls, options, out);
    missingCheckColumns(h, out);
    Run run(h, walls, out);
    if (out.problems.size() == before)
      for (std::size_t r = first; r < records.size(); ++r) run.row(records[r]);
  }
  // A quote left open ends the table: its problem comes after those of the lines before it.
  out.problems.insert(out.problems.end(), table.problems.begin(), table.problems.end());
  return out;
}

}  // namespace quarnel
