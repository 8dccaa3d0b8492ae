// The eight event handlers of the program, named after their control and event. Each runs
// straight through against the window operations, so it runs the same on every window; the event
// table (events.h) wires the events to them.
#pragma once

#include <cstdint>

#include "report/report_file.h"
#include "ui/window.h"

namespace quarnel {

// Calculate: reads the inputs, checks the wall length and writes the results, or shows a warning
// box "提示" and writes nothing.
void cmdjs_Click(Window& w);

// Report: builds the report of the click (the header when counter does not read as 2, then the
// section of the selected wall type), appends it to files.path in one piece (to files.fallback
// when the system refuses files.path for lack of access), sets counter to "2" and puts the focus
// into zxh. If no file can be written, nothing of the click stays in it, a warning box "提示" names
// the file and the reason, and counter and the focus stay as they were.
void Cmdjss_Click(Window& w, ReportFiles& files);

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

}  // namespace quarnel
