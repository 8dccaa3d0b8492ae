// The cells of a table as a spreadsheet writes them: which are blank, which hold a number, and why
// a cell cannot go into its field. The window reads whatever is typed by its leading number; a
// table is checked first, since nobody sees each of its fields before it is calculated.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/fields.h"

namespace quarnel {

// The text without blanks at either end: ASCII blanks and tabs, and the full-width blank U+3000.
std::string_view trimmed(std::string_view text);
// Whether the text holds nothing but such blanks.
bool blank(std::string_view text);

// Whether the text is a number as a spreadsheet writes one: optional blanks, an optional sign,
// digits with at most one ".", an optional exponent (E or e, optional sign, digits), optional
// blanks.
bool plainNumber(std::string_view text);

// Why a cell that is not empty cannot go into the input field, or nothing: it is not a plain
// number ("「cell」不是数字", with a hint for a percent, thousands separators, full-width
// characters or a spreadsheet's error value), it is negative, or it lies outside the field's range
// or is not whole where the field takes whole numbers only.
std::optional<std::string> cellProblem(const Field& field, std::string_view cell);

// Whether a table must give the input a value: it has no default text, and an empty text does not
// mean none.
bool needsValue(const Field& input);
// The range of a field that takes a narrower one than "not negative" ("大于 0 且不大于 1"), or "".
std::string narrowerRange(const TableRule& rule);

// The cell as messages quote it, so that blanks show: 「cell」.
std::string quoted(std::string_view cell);

}  // namespace quarnel
