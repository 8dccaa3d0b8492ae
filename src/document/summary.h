// The summary of the calculation document: one table row per axis with the loads and the
// combinations, the largest design value marked; and a chart of the design values.
#pragma once

#include <string>
#include <vector>

#include "document/axis.h"
#include "document/derivation.h"

namespace quarnel {

// A column of the summary table: its heading (HTML), the cell of an axis (HTML), and whether it
// holds a number.
struct SummaryColumn {
  std::string heading;
  std::string (*cell)(const DocumentInfo& info, const CalculatedAxis& axis,
                      const AxisFigures& figures);
  bool number;
};
// The columns: axis, wall type (from the table's wall names), G, Q, Qr, G + Qr, 1.2G + 1.4Qr and
// 1.3G + 1.5Qr.
const std::vector<SummaryColumn>& summaryColumns();

// 汇总表: the columns for every axis; the axes whose 1.3G + 1.5Qr is the largest are marked.
std::string summarySection(const DocumentInfo& info, const std::vector<CalculatedAxis>& axes,
                           const std::vector<AxisFigures>& figures);

// The chart: one horizontal bar per axis of 1.3G + 1.5Qr, split into 1.3G and 1.5Qr, labelled
// with the axis and the value, in inline SVG drawings of at most a page each, all to one scale.
std::string chartSection(const std::vector<CalculatedAxis>& axes,
                         const std::vector<AxisFigures>& figures);

}  // namespace quarnel
