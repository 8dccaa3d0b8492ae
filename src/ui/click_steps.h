// The steps of the calculate and report clicks that quarnel-batch takes as the handlers take them,
// and the one reading of which wall type the window's options select.
#pragma once

#include <optional>
#include <string>

#include "calc/calculation.h"
#include "report/report_file.h"
#include "ui/window.h"

namespace quarnel {

// The texts of a window's fields, for the calculation and the report.
FieldText textsOf(const Window& w);
// The wall type whose option is selected, or nothing when none is.
std::optional<WallType> selectedWall(const Window& w);

// The work of a calculate click without its warning box: the results written into w (and the
// working values they come from into working, when given), or the failure that the box would
// show (nothing is written then, nor when no wall type is selected).
std::optional<Failure> calculateInto(Window& w, WorkingValues* working = nullptr);

// The bytes a report click on w appends now to the report of the run: the header when counter does
// not read as 2, or when the basic data differ from those that the last header of the run stated;
// then the section of the selected wall type. Throws when the system has no GBK converter.
std::string reportOf(const Window& w, const ReportFiles& run);
// Once the bytes of reportOf are in the report: counter says that the header has been written,
// and the run keeps the basic data that a header written now stated.
void reported(Window& w, ReportFiles& run);

}  // namespace quarnel
