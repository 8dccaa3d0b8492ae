// The Windows program: its two windows, built from the window table, their events handed to the
// event table, the help-window slot and the message loop.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/events.h"
#include "ui/win32/win32_window.h"

namespace quarnel {

// The program-wide slot of the help window: a fixed-size tool window without owner, built anew
// each time it is loaded after having been closed.
class Win32HelpSlot : public HelpSlot {
 public:
  // loaded runs for each newly loaded help window: it wires the window's events and raises its
  // Load event.
  explicit Win32HelpSlot(std::function<void(Win32Window&)> loaded) : loaded_(std::move(loaded)) {}
  Window* loaded() override { return window(); }
  void load() override;
  void show() override { window_->show(); }
  void unload() override;
  // The loaded help window, or nullptr.
  Win32Window* window() const { return window_ && window_->hwnd() ? window_.get() : nullptr; }

 private:
  std::function<void(Win32Window&)> loaded_;
  std::unique_ptr<Win32Window> window_;
};

class Win32Program {
 public:
  // Builds the main window as stored (exterior wall, hidden) and wires its events; the help
  // window slot starts empty; the reports go to drive C, or to the Documents folder when C refuses
  // (looked up at the first report, not while the program starts).
  Win32Program();
  ~Win32Program();

  // Shows the main window with the focus in zxh.
  void show() { main_->show(); }
  // Runs the message loop until the last window of the program is closed.
  int run();

  Win32Window& main() { return *main_; }
  Win32HelpSlot& help() { return *help_; }
  Shell& shell() { return shell_; }

 private:
  void closed();

  std::unique_ptr<Win32Window> main_;
  std::unique_ptr<Win32HelpSlot> help_;
  Shell shell_;
  bool mainOpen_ = true;
};

// Hands the events of a window's controls to the event table: the click of a button, an option
// becoming selected, the characters typed into a text box.
void wireEvents(Win32Window& window, Shell& shell);

// Handles the messages that are waiting, each window's keyboard through the dialog manager (Tab,
// Shift+Tab, the arrow keys in the option set); with wait, waits for one first. False once the
// program's message loop has been told to end.
bool pumpMessages(bool wait);

}  // namespace quarnel
