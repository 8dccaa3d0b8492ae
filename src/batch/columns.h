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

// The field a column name stands for, blanks around the name ignored: "" for the wall-type
// column, nothing for an unknown name.
std::optional<std::string> columnField(std::string_view name);

// The wall type that a cell of the wall-type column selects, blanks around the word ignored: the
// exterior wall for 外墙 or exterior, the interior wall for 内墙 or interior; nothing for any
// other text.
std::optional<WallType> wallOf(std::string_view cell);

// The text without blanks and tabs at either end.
std::string_view trimmed(std::string_view text);

}  // namespace quarnel
