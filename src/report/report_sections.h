// The calculation report, written from the texts of the main window's fields as they stand: the
// report header, the exterior-wall section and the interior-wall section. Each section ends with
// the result block and a rule line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculation.h"
#include "report/report_file.h"
#include "report/report_text.h"

namespace quarnel {

// The rule line that frames the header and closes each section: 70 hyphen-minus characters.
inline constexpr std::string_view kRule =
    "----------------------------------------------------------------------";

// The 9 header lines: rules, title, and the basic data (unit weights, floor, roof, parapet).
void writeHeader(ReportText& out, const FieldText& text);
// The 10 lines of an exterior wall; the first form (in the same click as the header) writes the
// partition walls as "    隔墙数量：" n "(道)", the later form as "  隔墙数量：" n "道".
void writeExterior(ReportText& out, const FieldText& text, bool firstForm);
// The 12 lines of an interior wall, with the partition walls on both sides of the axis.
void writeInterior(ReportText& out, const FieldText& text);

// The basic data that a header states, as the calculation reads them: each datum's working value
// (2.0, 2 and 2.00 are one value, and so are two texts that round to the same float), or its text
// where the calculation reads none.
std::vector<StatedDatum> headerData(const FieldText& text);

// Whether the text of the header flag counter says that the header has been written in this run:
// its leading number rounds, halves to even, to 2.
bool headerWritten(std::string_view counter);

// The bytes that one report click appends, in GBK: the header when it is due (then the exterior
// section in its first form), then the section of the selected wall type (none without one).
std::string reportBytes(const FieldText& text, bool headerDue, std::optional<WallType> wall);

}  // namespace quarnel
