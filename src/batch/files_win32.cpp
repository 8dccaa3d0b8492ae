// The files of quarnel-batch on Windows: UTF-16 names, failures in the system's words, a file
// that another program holds for a moment waited for.
#include <windows.h>

#include <algorithm>
#include <tuple>

#include "batch/files.h"
#include "calc/utf16.h"
#include "report/report_file.h"

namespace quarnel {
namespace {

// The volume and number of the file or folder at name, or nothing when none is there.
std::optional<std::tuple<DWORD, DWORD, DWORD>> identity(const std::wstring& name) {
  HANDLE h = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info;
  const BOOL known = GetFileInformationByHandle(h, &info);
  CloseHandle(h);
  if (!known) return std::nullopt;
  return std::make_tuple(info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow);
}

// The full path of a name: the current folder and drive put in front, "." and ".." resolved,
// each "/" made "\", trailing dots and blanks of the name dropped, as the system opens it.
std::wstring fullPath(const std::string& name) {
  const std::wstring given = wide(name);
  std::wstring full(MAX_PATH, L'\0');
  DWORD n = GetFullPathNameW(given.c_str(), DWORD(full.size()), full.data(), nullptr);
  if (n > full.size()) {
    full.resize(n);
    n = GetFullPathNameW(given.c_str(), n, full.data(), nullptr);
  }
  full.resize(std::min<std::size_t>(n, full.size()));
  return n > 0 ? full : given;
}

// Whether two names are the same in the file system's eyes: letters in either case.
bool sameName(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.data(), int(a.size()), b.data(), int(b.size()), TRUE) == CSTR_EQUAL;
}

// Writes all the bytes at the file's position; false with the reason in GetLastError (a write that
// takes nothing is a full disk).
BOOL writeAll(HANDLE h, std::string_view bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    DWORD wrote = 0;
    if (!WriteFile(h, bytes.data() + done,
                   DWORD(std::min<std::size_t>(bytes.size() - done, 1 << 30)), &wrote, nullptr))
      return FALSE;
    if (wrote == 0) return SetLastError(ERROR_DISK_FULL), FALSE;
    done += wrote;
  }
  return TRUE;
}

}  // namespace

const char* const kTextLineEnd = "\r\n";

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

bool sameFile(const std::string& a, const std::string& b) {
  const std::wstring fa = fullPath(a), fb = fullPath(b);
  const auto ia = identity(fa), ib = identity(fb);
  if (ia || ib) return ia == ib;
  // Neither is there yet: the same name in the same folder ("C:\" for a name at a root).
  const std::size_t sa = fa.find_last_of(L'\\'), sb = fb.find_last_of(L'\\');
  const std::wstring folderA = fa.substr(0, sa + 1), folderB = fb.substr(0, sb + 1);
  const auto da = identity(folderA), db = identity(folderB);
  return sameName(fa.substr(sa + 1), fb.substr(sb + 1)) &&
         (da && db ? da == db : sameName(folderA, folderB));
}

ResultsFile::~ResultsFile() {
  close();
  if (created_ && !written_) DeleteFileW(wide(path_).c_str());
}

void ResultsFile::close() {
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = -1;
}

bool ResultsFile::open(const std::string& path, std::string& reason) {
  HANDLE h = INVALID_HANDLE_VALUE;
  DWORD err = 0;  // ERROR_ALREADY_EXISTS when the file was there
  retryWhileHeld([&] {
    h = CreateFileW(wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    err = GetLastError();
    return h == INVALID_HANDLE_VALUE ? err : 0;
  });
  if (h == INVALID_HANDLE_VALUE) reason = systemErrorText(err);
  path_ = path, handle_ = reinterpret_cast<std::intptr_t>(h);
  // A device (NUL, CON) is neither created nor emptied.
  disk_ = h != INVALID_HANDLE_VALUE && GetFileType(h) == FILE_TYPE_DISK;
  created_ = disk_ && err != ERROR_ALREADY_EXISTS;
  return h != INVALID_HANDLE_VALUE;
}

bool ResultsFile::write(std::string_view bytes, std::string& reason) {
  HANDLE h = reinterpret_cast<HANDLE>(handle_);
  // The whole file is written anew at each try: a part that another program has locked for a
  // moment is waited for. A device (NUL) is written as it is.
  DWORD err = retryWhileHeld([&] {
    const LARGE_INTEGER start{};
    const BOOL ok =
        (!disk_ || (SetFilePointerEx(h, start, nullptr, FILE_BEGIN) && SetEndOfFile(h))) &&
        writeAll(h, bytes);
    return ok ? 0 : GetLastError();
  });
  bool ok = err == 0;
  if (!CloseHandle(h) && ok) err = GetLastError(), ok = false;
  handle_ = -1, written_ = ok;
  if (!ok) reason = systemErrorText(err);
  return ok;
}

ReplacingFile::~ReplacingFile() {
  if (!temporary_.empty()) DeleteFileW(wide(temporary_).c_str());
}

bool ReplacingFile::prepare(const std::string& path, std::string_view bytes, std::string& reason) {
  // A name of its own beside the file: the file's name with the process and a count after it.
  HANDLE h = INVALID_HANDLE_VALUE;
  DWORD err = 0;
  for (int n = 0; h == INVALID_HANDLE_VALUE && n < 100; ++n) {
    temporary_ =
        path + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n) + ".tmp";
    h = CreateFileW(wide(temporary_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    err = h == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    if (err != 0 && err != ERROR_FILE_EXISTS) break;
  }
  BOOL ok = h != INVALID_HANDLE_VALUE && writeAll(h, bytes);
  if (ok && !FlushFileBuffers(h)) ok = FALSE;
  if (!ok && err == 0) err = GetLastError();
  if (h != INVALID_HANDLE_VALUE && !CloseHandle(h) && ok) err = GetLastError(), ok = FALSE;
  if (!ok && h != INVALID_HANDLE_VALUE) DeleteFileW(wide(temporary_).c_str());
  if (!ok) temporary_.clear(), reason = systemErrorText(err);
  path_ = path;
  return ok;
}

// The one step that puts the new file in place; a file that another program holds for a moment
// is waited for. Replacing a file that another program holds open fails as access denied: it is
// told apart from a refusal by whether the file can be opened for deleting.
bool ReplacingFile::replace(std::string& reason) {
  const DWORD err = retryWhileHeld([&] {
    if (MoveFileExW(wide(temporary_).c_str(), wide(path_).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return DWORD(0);
    const DWORD moved = GetLastError();
    if (moved != ERROR_ACCESS_DENIED) return moved;
    HANDLE h = CreateFileW(wide(path_).c_str(), DELETE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const DWORD opened = h == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    return opened == ERROR_SHARING_VIOLATION ? opened : moved;
  });
  if (err != 0) {
    reason = systemErrorText(err);
    return false;  // the destructor removes the temporary file
  }
  temporary_.clear();
  return true;
}

}  // namespace quarnel
