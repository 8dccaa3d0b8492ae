// The calculation of one axis from the texts of its fields, without any window: reading the 22
// input texts into typed working values, and writing the four results as texts.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calc/loads.h"

namespace quarnel {

enum class ValueType { Double, Float, Int16 };

struct InputField {
  const char* name;     // the field's control name
  const char* caption;  // what the user calls it, for messages
  ValueType type;
};

// The 22 input fields in the order they are read.
const std::array<InputField, 22>& inputFields();

// The working values, or the Chinese message naming the field that cannot be read.
struct ReadResult {
  std::optional<Inputs> inputs;
  std::string failure;
};

// Reads every input field through textOf, in order, stopping at the first field whose number lies
// beyond its type's range (the floor count beyond -32768..32767, any number beyond a double, a
// float field beyond a float).
ReadResult readInputs(const std::function<std::string(std::string_view)>& textOf);

// The message when the wall length is zero.
inline constexpr const char* kWallLengthMessage = "墙长度输入错!";
// The title of every warning box.
inline constexpr const char* kNoticeTitle = "提示";

// The four result fields in the order they are written.
inline constexpr std::array<const char*, 4> kResultFields = {"dhz", "hhz", "zjhh", "hzsjz"};

// The texts of the results for the result fields, or the Chinese message naming the first result
// that is not a finite number.
struct ResultTexts {
  std::array<std::string, 4> texts;
  std::string failure;
};

// Formats dead, live and reduced live load by "0.0##", the design value by "0.###" for an exterior
// and "0.0##" for an interior wall.
ResultTexts formatLoads(const Loads& loads, WallType wall);

}  // namespace quarnel
