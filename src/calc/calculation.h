// The calculation of one axis from the texts of its fields, without any window: reading the input
// texts into typed working values, checking the wall length, computing the loads and
// formatting them as the result fields show them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/fields.h"
#include "calc/loads.h"

namespace quarnel {

// The text of a field, by the field's control name.
using FieldText = std::function<std::string(std::string_view name)>;

// Why a calculation shows no results: the field it concerns and the message for the user.
struct Failure {
  std::string field;
  std::string message;
};

// The working values, or the failure naming the first field that cannot be read.
struct ReadResult {
  std::optional<Inputs> inputs;
  Failure failure;
};

// The text as messages quote it, in 「」: cut after 60 characters and ended by "…(共 N 个字符)", so
// that a long pasted text still gives a message that fits the screen; a character for which named
// gives a name is written by that name.
std::string quotedText(std::string_view text, std::string (*named)(long codePoint) = nullptr);

// The working value of one input field from its text, widened exactly to a double; or why the
// text gives none: first, a full-width digit, point, sign or blank in it
// ("墙长度「３．６」含全角字符， 请用半角数字"); then a number beyond the range of the field's type
// (the floor count beyond -32768..32767, any number beyond a double, a float field beyond a float).
struct WorkingValue {
  std::optional<double> value;
  Failure failure;
};
WorkingValue workingValue(const Field& field, std::string_view text);

// Reads the input fields in the order of the field table, stopping at the first field whose text
// gives no working value.
ReadResult readInputs(const FieldText& text);

// The message when the wall length is zero.
inline constexpr const char* kWallLengthMessage = "墙长度输入错!";
// The title of every warning box.
inline constexpr const char* kNoticeTitle = "提示";

// The texts of the result fields in the order of the field table, or the failure naming the first
// result that is not a finite number.
struct ResultTexts {
  std::vector<std::string> texts;
  std::optional<Failure> failure;
};

// Formats dead, live and reduced live load by "0.0##", the design value by "0.###" for an exterior
// and "0.0##" for an interior wall.
ResultTexts formatLoads(const Loads& loads, WallType wall);

// What a calculate click shows: the texts of the result fields, with the working values they
// come from; or a failure (a field beyond its range, a wall length of zero, a result beyond a
// double), which shows a warning and leaves the results; or neither, when no wall type is
// selected.
struct Calculation {
  std::optional<std::vector<std::string>> results;
  std::optional<Failure> failure;
  std::optional<WorkingValues> working;
};

// Reads the inputs, checks the wall length and computes and formats the loads of the wall type.
Calculation calculate(const FieldText& text, std::optional<WallType> wall);

}  // namespace quarnel
