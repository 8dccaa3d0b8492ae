// The files of quarnel-batch on Windows: UTF-16 names, failures in the system's words.
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
  HANDLE h = CreateFileW(wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  const DWORD err = GetLastError();  // ERROR_ALREADY_EXISTS when the file was there
  if (h == INVALID_HANDLE_VALUE) reason = systemErrorText(err);
  path_ = path, handle_ = reinterpret_cast<std::intptr_t>(h);
  // A device (NUL, CON) is neither created nor emptied.
  disk_ = h != INVALID_HANDLE_VALUE && GetFileType(h) == FILE_TYPE_DISK;
  created_ = disk_ && err != ERROR_ALREADY_EXISTS;
  return h != INVALID_HANDLE_VALUE;
}

bool ResultsFile::write(std::string_view bytes, std::string& reason) {
  HANDLE h = reinterpret_cast<HANDLE>(handle_);
  const LARGE_INTEGER start{};
  BOOL ok = !disk_ || (SetFilePointerEx(h, start, nullptr, FILE_BEGIN) && SetEndOfFile(h));
  for (std::size_t done = 0; ok && done < bytes.size();) {
    DWORD wrote = 0;
    ok = WriteFile(h, bytes.data() + done,
                   DWORD(std::min<std::size_t>(bytes.size() - done, 1 << 30)), &wrote, nullptr);
    if (ok && wrote == 0) SetLastError(ERROR_DISK_FULL), ok = FALSE;
    done += wrote;
  }
  DWORD err = ok ? 0 : GetLastError();
  if (!CloseHandle(h) && ok) err = GetLastError(), ok = FALSE;
  handle_ = -1, written_ = ok;
  if (!ok) reason = systemErrorText(err);
  return ok;
}

}  // namespace quarnel
