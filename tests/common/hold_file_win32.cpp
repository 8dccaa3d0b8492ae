// A second program that holds a file a while, as a virus scanner or sync client does:
//   hold_file PATH MILLISECONDS EVENT   opens PATH without sharing, sets EVENT, waits, ends.
#include <windows.h>

#include <cstdlib>

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 4 || CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr) ==
                      INVALID_HANDLE_VALUE)
    return 1;
  SetEvent(OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[3]));
  Sleep(static_cast<DWORD>(_wtoi(argv[2])));
  return 0;
}
