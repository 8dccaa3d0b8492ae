// The inputs of the wall check of an axis: one row per input with every fact the program keeps of
// it, read by the table's columns, the help, the template and the tests alike.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculation.h"
#include "calc/fields.h"
#include "calc/masonry.h"

namespace quarnel {

// Whether a row that is checked must give the input: always; unless the storey height and the
// cross-wall spacing are given (H0); unless H0 is given (those two); or never, having a default.
enum class CheckNeed { Always, UnlessStorey, UnlessHeight, Optional };

// A word a column of words may hold, and the value it stands for (a grade in MPa, or the index of
// a kind: MortarKind, BrickKind).
struct Choice {
  std::string word;
  double value;
};

struct CheckField {
  const char* name;             // short name, as the fields' control names
  const char* words;            // what columns and messages call it: 墙厚
  const char* symbol;           // the symbol of the formulas ("h", "H0"), or ""
  const char* unit;             // "mm", "m", or "" for words
  std::vector<Choice> choices;  // the words it takes; none: it takes a number
  CheckNeed need;
  const char* defaultText;          // the text that stands for an empty one, or nullptr
  const char* defaultField;         // the axis field whose text stands for an empty one, or nullptr
  double WallCheckInputs::*number;  // where its number or grade goes; nullptr for a kind
  TableRule table;
};

// The ten inputs of the check in the order of a table's columns.
const std::vector<CheckField>& checkFields();
// The input of that short name; throws std::invalid_argument when there is none.
const CheckField& checkField(std::string_view name);

// The choice a text names, ASCII letters in either case ("mu10", "M7.5"); nothing for any other.
std::optional<Choice> choiceOf(const CheckField& field, std::string_view text);

// Whether a row is checked: it gives any input that is not optional (with optionalCounts, any
// input at all). When it is, the inputs it must give and does not, in table order (H0 for neither
// H0 nor storey height and spacing).
struct CheckPresence {
  bool checked = false;
  std::vector<const CheckField*> missing;
};
CheckPresence checkPresence(const std::function<bool(const CheckField&)>& given,
                            bool optionalCounts = false);

// The inputs of a checked row from texts already found right for their fields (a plain number, a
// choice); an empty text takes the default, and H0 wins over the storey height and spacing.
WallCheckInputs checkInputs(const FieldText& text);

}  // namespace quarnel
