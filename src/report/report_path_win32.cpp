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

// Controlled folder access (Windows Security's ransomware protection) keeps programs it does not
// know out of Documents: creating a file there fails as not found, or as access denied.
std::string fallbackBlockedHint(unsigned long code) {
  if (code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND && code != ERROR_ACCESS_DENIED)
    return {};
  wchar_t program[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  return "Windows 安全中心的“受控制文件夹访问”（勒索软件防护）可能阻止了本程序写入“文档”文件夹。\n"
         "若要允许：Windows 安全中心 → 病毒和威胁防护 → 勒索软件防护 → "
         "允许应用通过受控制文件夹访问 → 添加允许的应用，选择\n" +
         utf8(program) + "\n";
}

}  // namespace quarnel
