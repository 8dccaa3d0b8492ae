// Another program that holds a file for a while, as a virus scanner, a sync client or a
// spreadsheet does:
//   hold_file PATH MILLISECONDS
// opens PATH (creating it when missing) without sharing, sets the event named by QUARNEL_HELD
// (when given), waits, and closes it.
#include <windows.h>

#include <cstdlib>

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 3) return 2;
  HANDLE file =
      CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  if (const wchar_t* held = _wgetenv(L"QUARNEL_HELD"))
    SetEvent(OpenEventW(EVENT_MODIFY_STATE, FALSE, held));
  Sleep(static_cast<DWORD>(_wtoi(argv[2])));
  CloseHandle(file);
  return 0;
}
