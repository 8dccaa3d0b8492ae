#include "ui/qt/top_level.h"

#include "ui/qt/application.h"
#include "ui/qt/widgets.h"

namespace quarnel {

std::unique_ptr<QWidget> buildWindow(const WindowDesc& desc) {
  std::unique_ptr<QWidget> window = buildControls(desc);
  const Qt::WindowFlags kind =
      desc.toolWindow ? Qt::Tool
                      : Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;
  window->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
  window->setWindowTitle(QString::fromStdString(desc.caption));
  window->setFixedSize(pixels(desc.clientWidth), pixels(desc.clientHeight));
  window->setWindowIcon(programIcon());
  // Qt counts no tool window when it looks for the last open window; the program's do count.
  if (desc.toolWindow) window->setAttribute(Qt::WA_QuitOnClose, true);
  return window;
}

}  // namespace quarnel
