// The calculation document of a building (计算书): one self-contained HTML5 page in UTF-8 with LF
// line ends, inline CSS for screen and print (A4) and inline SVG, no script and nothing from
// outside, every text of the user escaped. In this order: the cover, the design basis, the basic
// data, one section per axis, the summary table and the chart.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "document/axis.h"

namespace quarnel {

// The page, or nothing but the problems: each axis whose values cannot be shown (a value beyond a
// double), by the line of the table and what it is.
struct CalculationDocument {
  std::string html;
  std::vector<std::pair<std::size_t, std::string>> problems;
};

// The document of the axes (at least one), calculated as a run calculated them.
CalculationDocument calculationDocument(const DocumentInfo& info,
                                        const std::vector<CalculatedAxis>& axes);

}  // namespace quarnel
