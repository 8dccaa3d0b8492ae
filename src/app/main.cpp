// The Linux program's entry: the application set up in Chinese, the main window shown, then the
// event loop until the last window of the program is closed.
#include <QApplication>

#include "ui/qt/application.h"
#include "ui/qt/program.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  quarnel::setUpApplication(app);
  quarnel::QtProgram program;
  program.show();
  return QApplication::exec();
}
