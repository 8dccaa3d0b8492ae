#include "ui/qt/windows.h"

#include "ui/qt/application.h"
#include "ui/qt/widgets.h"
#include "ui/window_table.h"

namespace quarnel {
namespace {

std::unique_ptr<QWidget> build(const WindowDesc& desc, Qt::WindowFlags flags) {
  std::unique_ptr<QWidget> window = buildControls(desc);
  window->setWindowFlags(flags | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
  window->setWindowTitle(QString::fromStdString(desc.caption));
  window->setFixedSize(pixels(desc.clientWidth), pixels(desc.clientHeight));
  window->setWindowIcon(programIcon());
  return window;
}

}  // namespace

std::unique_ptr<QWidget> buildMainWindow() {
  std::unique_ptr<QWidget> window =
      build(mainWindow(), Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
  return window;
}

std::unique_ptr<QWidget> buildHelpWindow() {
  std::unique_ptr<QWidget> window = build(helpWindow(), Qt::Tool);
  // Qt counts no tool window when it looks for the last open window; this one counts.
  window->setAttribute(Qt::WA_QuitOnClose, true);
  return window;
}

}  // namespace quarnel
