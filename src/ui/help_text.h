// The help window frmhelp: its instructions text, its load handler and the handlers that open and
// close it. The window is reached through a slot, so the handlers run without any toolkit.
#pragma once

#include <string>
#include <string_view>

#include "ui/window.h"

namespace quarnel {

// The instructions text: fifteen pieces, each preceded by its own run of CR and LF characters
// (some CRs stand alone); no line break after the last piece.
std::string helpText();

// The text as a text box shows it: CR LF ends a line, a CR that no LF follows shows nothing.
std::string displayText(std::string_view text);

// The program-wide slot of the help window. The slot keeps its instance for the whole run; the
// window itself is loaded (created with its controls as stored) and unloaded (destroyed) again.
class HelpSlot {
 public:
  virtual ~HelpSlot() = default;
  // Whether the help window is loaded at the moment.
  virtual bool isLoaded() const = 0;
  // Creates the window with its controls as stored (txthelp empty) and returns it, not yet shown.
  virtual Window& load() = 0;
  // Shows the loaded window modeless and without owner, and brings it forward.
  virtual void show() = 0;
  // Destroys the window and its controls; nothing else changes.
  virtual void unload() = 0;
};

// Load of frmhelp: sets the instructions text into txthelp in one assignment.
void Form_Load(Window& help);

// Click of cmdhelp: loads the help window (running Form_Load) unless it is loaded, then shows it;
// a loaded window is only brought forward, its text is not built again.
void cmdhelp_Click(HelpSlot& help);

// Click of cmdoff: unloads the help window; the main window is not touched.
void cmdoff_Click(HelpSlot& help);

}  // namespace quarnel
