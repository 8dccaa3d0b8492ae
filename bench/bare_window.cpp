// The toolkit's floor: one empty fixed-size QWidget with the main window's title.
#include <QApplication>

#include "floor_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  std::unique_ptr<QWidget> window = quarnel::bench::bareWindow();
  window->show();
  return QApplication::exec();
}
