// The mark of a running program: the installer finds it by name in the namespace of its own session
// or, for a program of another user who is logged on too, in the machine-wide one.
#include <windows.h>

#include "ui/running.h"

namespace quarnel {

void markRunning() {
  // Never closed: the system closes them when the process ends. (Where another user's program
  // created the machine-wide one first, this process may not open it: that one marks the machine.)
  CreateMutexW(nullptr, FALSE, L"Local\\" QUARNEL_RUNNING_MARK);
  CreateMutexW(nullptr, FALSE, L"Global\\" QUARNEL_RUNNING_MARK);
}

}  // namespace quarnel
