// The files of quarnel-batch on Windows: UTF-16 names, failures in the system's words.
#include <windows.h>

#include "batch/files.h"
#include "calc/utf16.h"
#include "report/report_file.h"

namespace quarnel {
std::optional<std::string> readFileBytes(const std::string& path, std::string& reason) {
  HANDLE h = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  std::string bytes;
  char buffer[1 << 16];
  DWORD got = 1;
  BOOL ok = h != INVALID_HANDLE_VALUE;
  while (ok && got > 0)
    if ((ok = ReadFile(h, buffer, sizeof buffer, &got, nullptr))) bytes.append(buffer, got);
  const DWORD err = GetLastError();
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  if (ok) return bytes;
  reason = systemErrorText(err);
  return std::nullopt;
}

}  // namespace quarnel
