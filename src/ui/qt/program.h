// The Qt program: its two windows, built from the window table, and their toolkit events handed
// to the event table.
#pragma once

#include <QWidget>
#include <memory>

#include "ui/events.h"
#include "ui/qt/help_slot.h"
#include "ui/qt/qt_window.h"
#include "ui/window_table.h"

namespace quarnel {

class QtProgram {
 public:
  // Builds the main window as stored (exterior wall, focus in zxh) and wires its events; the help
  // window slot starts empty; the reports go to the report file of this system.
  QtProgram();
  ~QtProgram();

  // Shows the main window.
  void show();

  QWidget& mainWidget() { return *mainWidget_; }
  QtWindow& main() { return *main_; }
  QtHelpSlot& help() { return *help_; }
  Shell& shell() { return shell_; }

 private:
  std::unique_ptr<QWidget> mainWidget_;
  std::unique_ptr<QtWindow> main_;
  std::unique_ptr<QtHelpSlot> help_;
  Shell shell_;
};

// Hands the events of the controls under root, a window built from desc, to the event table: the
// click of a button, an option becoming selected, the characters typed into a text box.
void wireEvents(QWidget& root, const WindowDesc& desc, Shell& shell);

}  // namespace quarnel
