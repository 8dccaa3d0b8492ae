// The columns of a table of axes: each field of an axis named by its control name or by its
// caption, and the wall type.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/loads.h"

namespace quarnel {

// The names of the wall-type column.
inline constexpr const char* kWallColumns[] = {"wall", "墙类型"};

// One field and every name a column of it may have: the control name first.
struct FieldNames {
  std::string field;
  std::vector<std::string> names;
};
// The fields of an axis: the axis label and the inputs, in the order of the field table.
const std::vector<FieldNames>& fieldNames();

// The beginnings of the names of columns that hold notes, which are ignored whatever they hold
// ("备注", "备注1", "说明（施工）"); so is a column whose name begins with "#".
inline constexpr const char* kNoteColumns[] = {"备注", "说明"};

// The inputs of the wall check and every name a column of one may have: its short name first,
// then its words ("qh", "墙厚"), in the order of the check's input table.
const std::vector<FieldNames>& checkNames();

// What a column of the header holds: a field (its control name), an input of the wall check (its
// short name), the wall type, or notes.
struct Column {
  enum Kind { Field, Check, Wall, Notes } kind = Notes;
  std::string field;
};
// The column that a header cell names, and the problem with the name (a message that quotes it),
// if any: nothing is named by an unknown name; a field's name with a unit other than its own still
// names the field. Blanks and invisible characters around the name, blanks and line breaks inside
// it, and the case of letters are ignored; after a field's name may stand its unit as the
// window shows it, in (), （） or [] ("墙长度(m)", "砖墙容重[kN/m3]"; kN and kn, m2 and m², m3 and
// m³ alike).
struct ColumnName {
  std::optional<Column> column;
  std::string problem;
};
ColumnName columnNamed(std::string_view name);

// The wall type that a cell of the wall-type column selects, blanks around the word and the case
// of letters ignored: the exterior wall for 外墙 or exterior, the interior wall for 内墙 or
// interior; nothing for any other text.
std::optional<WallType> wallOf(std::string_view cell);

}  // namespace quarnel
