// One run over the axes of a table, as one run of the window program that is given these axes
// one after another: each axis typed over the one before, calculated, and its report built.
#pragma once

#include <string>
#include <vector>

#include "batch/csv.h"
#include "document/axis.h"

namespace quarnel {

// One axis as the window shows it after its calculation, with the working values behind it.
using Axis = CalculatedAxis;

struct AxesRun {
  std::vector<Axis> axes;
  std::vector<Problem> problems;  // in the order of the lines
  std::vector<Problem> warnings;  // what is calculated all the same: an axis label used twice
  std::string report;             // the GBK bytes the report clicks of the run append
};

// The first record that is not blank names the columns; every later one is an axis, and one whose
// cells (but notes) are all blank is skipped. A cell goes into its field as it stands (as a paste
// puts it) once it is found right for a table (cellProblem); an empty cell keeps the field's text
// from the row above, a missing column the field's default text; the axis label is never kept.
// What is wrong (a bad cell, a missing axis label or value, a wall type that is none, a warning
// of the calculation, more cells than the header) is a problem naming its line and column; the
// axes after it go on, so that every problem is listed.
AxesRun runAxes(const CsvTable& table);

}  // namespace quarnel
