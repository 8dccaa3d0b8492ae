// The wiring of the program's events: one table of the events it handles (window, control, event,
// handler), and the one boundary that every handler runs inside. A front end draws the windows
// from the window table and hands each event of its toolkit to raise(); it names no handler.
// Adding an event to the program is one row of the table.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "report/report_file.h"
#include "ui/window.h"

namespace quarnel {

// What the handlers reach: the main window, the slot of the help window and the report files of
// the run.
struct Shell {
  Window& main;
  HelpSlot& help;
  ReportFiles reports;
};

enum class Event { Click, KeyPress, Load };

// One event the program handles. control is "" for an event of the window itself. A Click of an
// option button is raised when the option has become selected.
struct EventRow {
  const char* window;
  const char* control;
  Event event;
  void (*handler)(Shell& shell, std::int16_t& keyAscii);
};

// The events of the program, one row each.
const std::vector<EventRow>& eventTable();

// Raises an event of a control of a window: runs its handler inside the event boundary, with the
// window the event arose on owning the box; does nothing when the program handles no such event.
// keyAscii is the typed character of a KeyPress, which the handler may change (0: discarded).
void raise(Shell& shell, std::string_view window, std::string_view control, Event event,
           std::int16_t& keyAscii);
void raise(Shell& shell, std::string_view window, std::string_view control, Event event);

// The event boundary: runs a handler to its end. A failure escaping from it is logged with its
// reason on the standard error and shown in one warning box "提示" with kFailureMessage over owner;
// the program goes on, and the fields keep what the handler left in them.
void guarded(Window& owner, const std::function<void()>& handler);

// The text of the box when a handler fails unexpectedly.
extern const char* const kFailureMessage;

}  // namespace quarnel
