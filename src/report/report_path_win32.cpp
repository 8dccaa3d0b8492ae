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
// know out of Documents: creating a file in the folder fails as not found (2, 3), writing a file
// that is there as access denied (5).
std::string fallbackBlockedHint(unsigned long code, const std::string& file) {
  const std::wstring name = wide(file);
  const DWORD folder = GetFileAttributesW(name.substr(0, name.find_last_of(L"\\/") + 1).c_str());
  const bool folderThere = folder != INVALID_FILE_ATTRIBUTES && (folder & FILE_ATTRIBUTE_DIRECTORY);
  const bool guarded =
      code == ERROR_ACCESS_DENIED
          ? GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES
          : (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) && folderThere;
  if (!guarded) return {};
  wchar_t program[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  return "Windows 安全中心的“受控制文件夹访问”（勒索软件防护）可能阻止了本程序写入“文档”文件夹中的"
         "计算书文件：\n" +
         file +
         "\n若要允许本程序：Windows 安全中心 → 病毒和威胁防护 → 管理勒索软件防护 → "
         "允许应用通过受控制文件夹访问 → 添加允许的应用，选择\n" +
         utf8(program) + "\n";
}

}  // namespace quarnel
