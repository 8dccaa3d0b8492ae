// The parts of the calculation report, written from the texts of the main window's fields as they
// stand: the report header, the exterior-wall section and the interior-wall section. Each section
// ends with the result block and a rule line.
#pragma once

#include "report/report_text.h"
#include "ui/window.h"

namespace quarnel {

// The 9 header lines: rules, title, and the basic data (unit weights, floor, roof, parapet).
void writeHeader(ReportText& out, const Window& w);
// The 10 lines of an exterior wall; the first form (in the same click as the header) writes the
// partition walls as "    隔墙数量：" n "(道)", the later form as "  隔墙数量：" n "道".
void writeExterior(ReportText& out, const Window& w, bool firstForm);
// The 12 lines of an interior wall, with the partition walls on both sides of the axis.
void writeInterior(ReportText& out, const Window& w);

}  // namespace quarnel
