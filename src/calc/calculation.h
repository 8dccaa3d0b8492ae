// The calculation of one axis from the texts of its fields, without any window: reading the 22
// input texts into typed working values, checking the wall length, computing the loads and
// formatting them as the result fields show them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calc/loads.h"

namespace quarnel {

// The text of a field, by the field's control name.
using FieldText = std::function<std::string(std::string_view name)>;

// One input field: its control name, what the user calls it (in messages and table headers), and
// the working value it becomes, whose type is the field's type: exactly one of the three is set.
struct InputField {
  const char* name;
  const char* caption;
  double Inputs::*asDouble = nullptr;
  float Inputs::*asFloat = nullptr;
  std::int16_t Inputs::*asInt16 = nullptr;
};

// The 22 input fields in the order they are read.
const std::array<InputField, 22>& inputFields();

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

// Reads every input field in order, stopping at the first field whose number lies beyond its
// type's range (the floor count beyond -32768..32767, any number beyond a double, a float field
// beyond a float).
ReadResult readInputs(const FieldText& text);

// The message when the wall length is zero.
inline constexpr const char* kWallLengthMessage = "墙长度输入错!";
// The title of every warning box.
inline constexpr const char* kNoticeTitle = "提示";

// The four result fields in the order they are written.
inline constexpr std::array<const char*, 4> kResultFields = {"dhz", "hhz", "zjhh", "hzsjz"};

// The texts of the results for the result fields, or the failure naming the first result that is
// not a finite number.
struct ResultTexts {
  std::array<std::string, 4> texts;
  std::optional<Failure> failure;
};

// Formats dead, live and reduced live load by "0.0##", the design value by "0.###" for an exterior
// and "0.0##" for an interior wall.
ResultTexts formatLoads(const Loads& loads, WallType wall);

// What a calculate click shows: the four result texts; or a failure (a field beyond its range, a
// wall length of zero, a result beyond a double), which shows a warning and leaves the results;
// or neither, when no wall type is selected.
struct Calculation {
  std::optional<std::array<std::string, 4>> results;
  std::optional<Failure> failure;
};

// Reads the inputs, checks the wall length and computes and formats the loads of the wall type.
Calculation calculate(const FieldText& text, std::optional<WallType> wall);

}  // namespace quarnel
