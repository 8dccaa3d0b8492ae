// The report file on Windows: at the root of drive C, or in the Documents folder.
#include <shlobj.h>
#include <windows.h>

#include "calc/utf16.h"
#include "report/report_path.h"

namespace quarnel {

std::string reportPath() {
  return std::string("c:\\") + kReportFileName;
}

std::string reportPathShown() {
  return std::string("C:\\") + kReportFileName;
}

std::string fallbackReportPath() {
  wchar_t* folder = nullptr;
  std::string path;
  if (SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &folder) == S_OK)
    path = utf8(folder) + "\\" + kReportFileName;
  CoTaskMemFree(folder);
  return path;
}

}  // namespace quarnel
