// One run over the axes of a table, as one run of the window program that is given these axes
// one after another: each axis typed over the one before, calculated, and its report built.
#pragma once

#include <string>
#include <vector>

#include "batch/csv.h"
#include "calc/loads.h"

namespace quarnel {

// One axis as the window shows it after its calculation.
struct Axis {
  std::size_t line;
  std::string label;  // the text of the axis label
  WallType wall;
  std::vector<std::string> results;  // the texts of the result fields, in the field table's order
};

struct AxesRun {
  std::vector<Axis> axes;
  std::vector<Problem> problems;  // in the order of the lines
  std::string report;             // the GBK bytes the report clicks of the run append
};

// The first record that is not empty names the columns; every later one is an axis, and one whose
// cells are all empty is skipped. A cell goes into its field as it stands (as a paste puts it),
// an empty cell keeps the field's text, a missing column the field's default text. An axis that
// fails (a bad wall type, a warning of the calculation, more cells than the header) is a problem
// naming its line and column; the axes after it go on.
AxesRun runAxes(const CsvTable& table);

}  // namespace quarnel
