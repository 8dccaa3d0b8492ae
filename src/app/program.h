// The program's window set and the wiring of the eight events to their handlers.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "ui/qt/help_slot.h"
#include "ui/qt/qt_window.h"

namespace quarnel {

class Program {
 public:
  // Builds the main window as stored (exterior wall, focus in zxh) and wires its events; the help
  // window slot starts empty.
  Program();
  ~Program();

  // Shows the main window.
  void show();

  QWidget& mainWidget() { return *mainWidget_; }
  QtWindow& main() { return *main_; }
  QtHelpSlot& help() { return *help_; }

  // Every handler runs through here, to its end, inside the failure boundary. Tests may replace it
  // to watch or to make a handler fail; by default it is runHandler over the main window.
  std::function<void(const std::function<void()>&)> run;

 private:
  void wireMain();
  void wireHelp(QWidget& help);

  std::unique_ptr<QWidget> mainWidget_;
  std::unique_ptr<QtWindow> main_;
  std::unique_ptr<QtHelpSlot> help_;
};

}  // namespace quarnel
