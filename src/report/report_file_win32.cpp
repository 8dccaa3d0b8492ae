// Appending on Windows: the whole file is locked against the other writers for the click
// (LockFileEx waits for the lock like flock does); a program that holds the file open without
// sharing is waited for a moment (a virus scanner, a sync or backup client), then the open fails.
#include <windows.h>

#include <algorithm>

#include "calc/utf16.h"
#include "report/report_file.h"

namespace quarnel {

namespace {

// The reason for the user: our own Chinese words for the errors a report file meets, otherwise
// the system's text in the user's language.
AppendFailure failure(DWORD err, bool leftOver = false) {
  static const struct {
    DWORD code;
    const char* text;
  } kTexts[] = {
      {ERROR_ACCESS_DENIED, "拒绝访问（没有写入权限，或文件只读，或同名的是文件夹）"},
      {ERROR_SHARING_VIOLATION, "文件正被另一个程序使用"},
      {ERROR_LOCK_VIOLATION, "文件的一部分被另一个程序锁定"},
      {ERROR_DISK_FULL, "磁盘空间不足"},
      {ERROR_HANDLE_DISK_FULL, "磁盘空间不足"},
      {ERROR_FILE_TOO_LARGE, "文件太大，超过了允许的大小"},
      {ERROR_PATH_NOT_FOUND, "找不到文件所在的路径"},
      {ERROR_INVALID_DRIVE, "找不到指定的驱动器"},
      {ERROR_NOT_READY, "设备未就绪"},
      {ERROR_WRITE_PROTECT, "介质写保护"},
      {ERROR_INVALID_NAME, "文件名不正确"},
  };
  for (const auto& t : kTexts)
    if (t.code == err) return {errorText(t.text, err), leftOver, false, err, {}};
  return {systemErrorText(err), leftOver, false, err, {}};
}

// Cuts the file back to its length `before` when it still ends exactly where this append left it;
// whether nothing of the append is left.
bool takeBack(HANDLE file, LONGLONG before, LONGLONG after) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size)) return false;
  if (size.QuadPart == before) return true;
  LARGE_INTEGER to;
  to.QuadPart = before;
  return size.QuadPart == after && SetFilePointerEx(file, to, nullptr, FILE_BEGIN) &&
         SetEndOfFile(file);
}

}  // namespace

std::string errorText(std::string_view words, unsigned long code) {
  while (!words.empty() && (words.back() == '\r' || words.back() == '\n' || words.back() == ' '))
    words.remove_suffix(1);
  return std::string(words.empty() ? "未知错误" : words) + "（错误代码 " + std::to_string(code) +
         "）";
}

std::string systemErrorText(unsigned long code) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  const std::string words = utf8(std::wstring_view(text, n));
  LocalFree(text);
  return errorText(words, code);
}

unsigned long retryWhileHeld(const std::function<unsigned long()>& attempt) {
  unsigned long err = attempt();
  for (int retry = 0; retry < 10 && (err == ERROR_SHARING_VIOLATION || err == ERROR_LOCK_VIOLATION);
       ++retry) {
    Sleep(100);
    err = attempt();
  }
  return err;
}

bool fileAt(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<AppendFailure> appendToFile(const std::string& path, std::string_view bytes) {
  // Windows refuses to write a read-only file; Wine run by root would write it, so we ask first.
  const std::wstring name = wide(path);
  DWORD attributes = GetFileAttributesW(name.c_str());
  bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
  HANDLE file = INVALID_HANDLE_VALUE;
  const DWORD err = readOnly ? ERROR_ACCESS_DENIED : retryWhileHeld([&] {
    file = CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
  });
  if (file == INVALID_HANDLE_VALUE) {
    AppendFailure f = failure(err);
    f.refused = err == ERROR_ACCESS_DENIED;
    return f;
  }
  OVERLAPPED whole{};
  LARGE_INTEGER end{}, zero{};
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole) ||
      !SetFilePointerEx(file, zero, &end, FILE_END)) {
    DWORD err = GetLastError();
    CloseHandle(file);
    return failure(err);
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 30)), wrote = 0;
    BOOL ok = WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr);
    done += wrote;
    if (!ok || wrote == 0) {
      DWORD err = ok ? ERROR_DISK_FULL : GetLastError();
      bool back = done == 0 || takeBack(file, end.QuadPart, end.QuadPart + LONGLONG(done));
      CloseHandle(file);
      return failure(err, !back);
    }
  }
  UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &whole);
  if (!CloseHandle(file)) return failure(GetLastError());
  return std::nullopt;
}

}  // namespace quarnel
