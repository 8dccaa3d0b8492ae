// The Windows program's entry: the main window shown as stored, then the message loop until the
// last window of the program is closed.
#include <windows.h>

#include "ui/win32/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  quarnel::Win32Program program;
  program.show();
  return program.run();
}
