// The eight event handlers of the program, named after their control and event. Each runs
// straight through against the window operations, so it runs the same on every window; the event
// table (events.h) is the one place that calls them.
#pragma once

#include <cstdint>
#include <string>

#include "calc/calculation.h"
#include "report/report_file.h"
#include "ui/window.h"

namespace quarnel {

// Calculate: reads the 22 inputs, checks the wall length and writes the four results, or shows a
// warning box "提示" and writes nothing.
void cmdjs_Click(Window& w);

// Report: builds the report of the click (the header when counter does not read as 2, then the
// section of the selected wall type), appends it to files.path in one piece (to files.fallback
// when the system refuses files.path for lack of access), sets counter to "2" and puts the focus
// into zxh. If no file can be written, nothing of the click stays in it, a warning box "提示" names
// the file and the reason, and counter and the focus stay as they were.
void Cmdjss_Click(Window& w, ReportFiles& files);
// The same with one report file and no second place.
void Cmdjss_Click(Window& w, const std::string& path);

// Exterior wall selected: shows its inputs, hides the interior-wall inputs.
void optwq_Click(Window& w);
// Interior wall selected: shows its inputs, hides the exterior-wall inputs.
void Optnq_Click(Window& w);

// Key filter of zrz: KeyAscii is the typed character code; 0 on return discards the character.
void zrz_KeyPress(Window& w, std::int16_t& KeyAscii);

// Click of cmdhelp: loads the help window (its Load event sets its text) unless it is loaded, then
// shows it; a loaded window is only brought forward, its text is not built again.
void cmdhelp_Click(HelpSlot& help);
// Click of cmdoff: unloads the help window; the main window is not touched.
void cmdoff_Click(HelpSlot& help);
// Load of frmhelp: sets the instructions text into txthelp in one assignment.
void Form_Load(Window& help);

// The texts of a window's fields, for the calculation and the report.
FieldText fieldsOf(const Window& w);
// The work of a calculate click without its warning box: the four results written into w, or the
// failure that the box would show (nothing is written then, nor when no wall type is selected).
std::optional<Failure> calculateInto(Window& w);
// The bytes a report click on w appends: the header when counter does not read as 2, then the
// section of the selected wall type. Throws when the system has no GBK converter.
std::string reportOf(const Window& w);

}  // namespace quarnel
