// What the calculation document is made of: the axes of a table as a run calculated them, and
// what its cover states besides.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calc/loads.h"
#include "calc/masonry.h"

namespace quarnel {

// The wall check of an axis: the texts of its inputs as the table gave them (trimmed, in the order
// of the check's input table; empty where the input took its default), what they became, and every
// value of the check.
struct AxisCheck {
  std::vector<std::string> texts;
  WallCheckInputs inputs;
  WallCheck values;
};

// One axis as a run over a table typed it into the window and calculated it.
struct CalculatedAxis {
  std::size_t line = 0;  // the line of the table on which its row starts
  std::string label;     // the text of the axis label
  WallType wall = WallType::Exterior;
  std::vector<std::string> inputs;   // the input fields' texts, trimmed, in the field table's order
  WorkingValues working;             // the working values of its calculation
  std::vector<std::string> results;  // the result fields' texts, as the report writes them
  std::optional<AxisCheck> check = std::nullopt;  // the wall check, when the row gives its inputs
};

// What the cover states besides the axes.
struct DocumentInfo {
  std::string title;                     // as given; a line break in it is kept
  std::string date;                      // YYYY-MM-DD
  std::string tableName;                 // the table's file name, without its folder
  std::string tableSha256;               // of the table's bytes as read, in lower-case hexadecimal
  std::string program;                   // the program's name and version
  std::array<std::string, 2> wallNames;  // what the window calls the exterior and interior wall
};

// What the window calls the axis's wall type.
inline const std::string& wallName(const DocumentInfo& info, WallType wall) {
  return info.wallNames[wall == WallType::Exterior ? 0 : 1];
}

}  // namespace quarnel
