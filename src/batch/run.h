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
  // What is said but calculated all the same: the fields that took the window's default text, an
  // axis label used twice, cells of the other wall type's columns.
  std::vector<Problem> warnings;
  std::string report;  // the GBK bytes the report clicks of the run append
};

// How a table is read.
struct RunOptions {
  // A column that the wall types of the table need but that the table lacks takes the window's
  // default text (each such field is named among the warnings) instead of failing the table.
  bool defaults = false;
};

// The first record that is not blank names the columns; every later one is an axis, and one whose
// cells (but notes) are all blank is skipped. Every input that the wall types of the table use
// comes from a column of the table: a missing one is a problem of the header (unless defaults).
// A cell, trimmed, goes into its field (as a paste puts it) once it is found right for a table
// (cellProblem, labelProblem); an empty cell keeps the field's text from the row above, and on the
// first axis it is empty: none for the fields whose empty text means none, a problem for the
// others and for the wall type; the axis label is never kept. What is wrong (a bad cell, a missing
// axis label, value or wall type, more opening than wall, a warning of the calculation, more cells
// than the header) is a problem naming its line and column, once: a row that keeps a refused cell
// from above is not calculated and says nothing more. The axes after it go on, so that every
// problem is listed. The columns of the wall check are read alike (a grade by its name); a row that
// gives any of them (with a storey height or spacing of its own it drops an H0 kept from above) is
// checked, and one that lacks an input the check must have, or whose values do not go together, is
// a problem.
AxesRun runAxes(const CsvTable& table, const RunOptions& options = {});

}  // namespace quarnel
