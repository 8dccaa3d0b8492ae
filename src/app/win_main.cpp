// The Windows program's entry: marked as running for the installer, the main window shown as
// stored, then the message loop until the last window of the program is closed.
#include <windows.h>

#include "ui/running.h"
#include "ui/win32/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  quarnel::markRunning();
  quarnel::Win32Program program;
  program.show();
  return program.run();
}
