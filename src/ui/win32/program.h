// The Windows program: its two windows, the wiring of the eight events to their handlers, the
// boundary around every handler, the help-window slot and the message loop.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "report/report_handler.h"
#include "ui/help_text.h"
#include "ui/win32/win32_window.h"

namespace quarnel {

// The program-wide slot of the help window: a fixed-size tool window without owner, built anew
// (its text by Form_Load) each time it is loaded after having been closed.
class Win32HelpSlot : public HelpSlot {
 public:
  // wire connects the events of each newly loaded help window.
  explicit Win32HelpSlot(std::function<void(Win32Window&)> wire) : wire_(std::move(wire)) {}
  bool isLoaded() const override { return window_ && window_->hwnd(); }
  Window& load() override;
  void show() override { window_->show(); }
  void unload() override;
  // The loaded help window, or nullptr.
  Win32Window* window() const { return isLoaded() ? window_.get() : nullptr; }

 private:
  std::function<void(Win32Window&)> wire_;
  std::unique_ptr<Win32Window> window_;
};

// The text shown when a handler fails unexpectedly.
extern const char* const kWin32FailureMessage;

class Win32Program {
 public:
  // Builds the main window as stored (exterior wall, hidden) and wires its events; the help
  // window slot starts empty.
  Win32Program();
  ~Win32Program();

  // Shows the main window with the focus in zxh.
  void show() { main_->show(); }
  // Runs the message loop until the last window of the program is closed.
  int run();

  Win32Window& main() { return *main_; }
  Win32HelpSlot& help() { return *help_; }
  // Where the report click appends the report: drive C, or the Documents folder when C refuses.
  ReportFiles reportFiles;

  // Runs one handler to its end. A failure escaping from it is shown in a warning box "提示"
  // owned by window; the program goes on, and the fields keep what the handler left in them.
  void guarded(Win32Window& window, const std::function<void()>& handler);

 private:
  void closed();

  std::unique_ptr<Win32Window> main_;
  std::unique_ptr<Win32HelpSlot> help_;
  bool mainOpen_ = true;
};

// Handles the messages that are waiting, each window's keyboard through the dialog manager (Tab,
// Shift+Tab, the arrow keys in the option set); with wait, waits for one first. False once the
// program's message loop has been told to end.
bool pumpMessages(bool wait);

}  // namespace quarnel
