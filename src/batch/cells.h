// The cells of a table as a spreadsheet writes them: which hold a number, and why a cell cannot go
// into its field. The window reads whatever is typed by its leading number; a table is checked
// first, since nobody sees each of its fields before it is calculated.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "batch/text.h"
#include "calc/check_fields.h"
#include "calc/fields.h"

namespace quarnel {

// Whether the text is a number as a spreadsheet writes one: optional blanks, an optional sign,
// digits with at most one ".", an optional exponent (E or e, optional sign, digits), optional
// blanks.
bool plainNumber(std::string_view text);

// Why a cell (without blanks at its ends) that is not empty cannot go into the input field, or
// nothing: it is not a plain number ("「cell」不是数字", with a hint for full-width characters, a
// spreadsheet's error value or a column too narrow to show the number, a percent, thousands
// separators, a decimal comma or the field's unit after the number); it is negative; it lies
// outside the field's range or is not whole where the field takes whole numbers only; or it is
// not zero but so small that the calculation's working value would lose it.
std::optional<std::string> cellProblem(const Field& field, std::string_view cell);

// A wall check's input as a field of the table: its words, unit and range.
Field asField(const CheckField& input);
// The words a wall check's input takes, as messages list them: "MU30、MU25、MU20、MU15 或 MU10".
std::string choiceList(const CheckField& input);
// Why a cell (without blanks at its ends) that is not empty cannot go into the wall check's input,
// or nothing: a number as for a field (cellProblem); a word that is none of its choices, named as
// written in either case ("「M5.0」不是砂浆强度等级，应为 M15、M10、M7.5、M5 或 M2.5").
std::optional<std::string> checkCellProblem(const CheckField& input, std::string_view cell);

// Why an axis label (without blanks at its ends) cannot go into the report, or nothing: it holds
// an invisible character (the line breaks of a quoted cell aside, which the report writes as
// blanks), or characters that the report's GBK cannot hold, which the message names.
std::optional<std::string> labelProblem(std::string_view label);

// Whether a table must give the input a value: it has no default text, and an empty text does not
// mean none.
bool needsValue(const Field& input);
// The range of a field that takes a narrower one than "not negative" ("大于 0 且不大于 1",
// "为 0 至 32767 的整数"), or "".
std::string narrowerRange(const Field& input);

}  // namespace quarnel
