// The program's entry: the application set up in Chinese, the main window shown, then the event
// loop until the last window of the program is closed.
#include <QApplication>

#include "app/program.h"
#include "ui/qt/application.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  quarnel::setUpApplication(app);
  quarnel::Program program;
  program.show();
  return QApplication::exec();
}
