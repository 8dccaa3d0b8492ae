// The fields of one wall axis: one row per field with every fact the program keeps of it, read by
// the calculation, the window table, the report, quarnel-batch and the tests alike.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/loads.h"

namespace quarnel {

// What a field holds: the axis label, an input of the calculation, or one of its results.
enum class FieldKind { Axis, Input, Result };

// What a table may put into an input field once empty cells are filled from the rows above: an
// empty text means none (0) or is missing; a number from least (above it when leastExcluded) up to
// most and the largest value of the field's type; a whole number only where whole.
struct TableRule {
  bool emptyIsNone = false;
  double least = 0;
  bool leastExcluded = false;
  double most = HUGE_VAL;
  bool whole = false;
};

struct Field {
  const char* name;  // the control name
  FieldKind kind;
  const char* caption;  // the text of its caption label on the window, inner blanks included
  const char* words;    // what messages and tables call it where the caption does not tell it apart
  const char* unit;     // the unit as the report writes it, without parentheses; "" for none
  const char* text;     // the default text
  std::optional<WallType> shownFor;  // the wall type that shows it; nothing: both
  // The working value it becomes, whose member type is the field's type; none for the axis label,
  // the load it shows for a result.
  double Inputs::*asDouble = nullptr;
  float Inputs::*asFloat = nullptr;
  std::int16_t Inputs::*asInt16 = nullptr;
  double Loads::*load = nullptr;
  TableRule table = {};
  bool basic = false;  // one of the basic data of a building, which the report header states
};

// The 27 fields in the order of the window's keyboard: the axis label, the 22 inputs (read in this
// order), the four results (written in this order).
const std::vector<Field>& fields();
// The fields of one kind, in the same order.
const std::vector<const Field*>& fieldsOf(FieldKind kind);
// The field of that control name; throws std::invalid_argument when there is none.
const Field& field(std::string_view name);

// What the messages, the tables' columns and a screen reader call the field: its words, else its
// caption without its inner blanks ("墙长度", "阳台挑出宽度").
std::string wordsOf(const Field& f);
// The text without its blanks.
std::string withoutBlanks(std::string_view text);

}  // namespace quarnel
