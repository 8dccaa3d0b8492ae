// The wall check in the calculation document and in the printed results: the two blocks of a
// checked axis (compressive capacity, height-to-thickness ratio), what the design basis states of
// the check, and the check's columns of the summary.
#pragma once

#include <string>
#include <vector>

#include "document/axis.h"
#include "document/derivation.h"

namespace quarnel {

// The verdicts as the results and the document write them.
inline constexpr const char* kHolds = "满足";
inline constexpr const char* kFails = "不满足";
inline constexpr const char* kNotChecked = "未验算";

// Whether the axis is checked and either of its checks fails.
bool checkFails(const CalculatedAxis& axis);
// Whether any of the axes is checked.
bool anyChecked(const std::vector<CalculatedAxis>& axes);

// The headings of the check's columns (N, Nu, Nu/N, β, μ2[β], 结论) and an axis's cells under
// them: the values as the document shows them ("0.0##", Nu/N "—" for N = 0) and the verdict of
// both checks; for an axis that is not checked, empty cells and 未验算.
const std::vector<std::string>& checkHeadings();
std::vector<std::string> checkCells(const CalculatedAxis& axis);

// The lines of the two blocks of a checked axis, each value as formula, numbers and value with the
// rule or clause in its note; and what cannot be shown (a value beyond a double), or "".
struct CheckFigures {
  std::vector<DerivationLine> bearing, slenderness;
  std::string problem;
};
CheckFigures checkFiguresOf(const CalculatedAxis& axis);

// The blocks 墙体受压承载力验算 (the check's inputs, the lines, the verdict) and 高厚比验算 of a
// checked axis, as HTML; a failing verdict in red.
std::string checkBlocks(const CalculatedAxis& axis);

// The design basis of the check: the codes' items for the list of codes (HTML <li>), and what is
// checked and on what assumptions; when no axis is checked, the item says that the document holds
// no check and the assumptions are "".
std::string checkCodeItems(const std::vector<CalculatedAxis>& axes);
std::string checkAssumptions(const std::vector<CalculatedAxis>& axes);

// The summary's parts of the check: 不满足的轴线, the failing axes with what fails (first on the
// summary page; "" when none fails); and the table of every axis's check, failing rows in red (""
// when no axis is checked).
std::string failingAxes(const DocumentInfo& info, const std::vector<CalculatedAxis>& axes);
std::string checkTable(const DocumentInfo& info, const std::vector<CalculatedAxis>& axes);

}  // namespace quarnel
