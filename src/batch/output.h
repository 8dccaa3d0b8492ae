// What quarnel-batch prints of the axes: one line per axis with the axis label, the wall type and
// the four results as the window shows them, under the captions of the window; when any axis is
// checked, then N, Nu, Nu/N, β, μ2[β] and the verdict of the wall check.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "batch/run.h"

namespace quarnel {

// The columns a text takes on a terminal: two for a wide East Asian character (Chinese characters,
// full-width signs), one for any other character.
std::size_t displayWidth(std::string_view utf8);

// The axes in aligned columns, the texts left-aligned and the results right-aligned, each line
// ended by LF; control characters in a label are shown as blanks.
std::string terminalTable(const std::vector<Axis>& axes);

// The same cells as CSV for a spreadsheet: UTF-8 with a byte-order mark, lines ended by CR LF; a
// label that begins with "=", "+", "-", "@", a tab or a CR is written after a "'", so that a
// spreadsheet does not take it for a formula.
std::string csvTable(const std::vector<Axis>& axes);

}  // namespace quarnel
