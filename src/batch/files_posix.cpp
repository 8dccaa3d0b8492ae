// The files of quarnel-batch on POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "batch/files.h"
#include "report/report_file.h"

namespace quarnel {
namespace {

// The file's device and number, or nothing when no file is there.
std::optional<std::pair<dev_t, ino_t>> identity(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return std::make_pair(st.st_dev, st.st_ino);
}

// Writes all the bytes at the file's position: 0, or the error (a write that takes nothing is a
// full disk).
int writeAll(int fd, std::string_view bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (w > 0)
      done += std::size_t(w);
    else if (w == 0 || errno != EINTR)
      return w < 0 ? errno : ENOSPC;
  }
  return 0;
}

}  // namespace

const char* const kTextLineEnd = "\n";

std::optional<std::string> readFileBytes(const std::string& path, std::string& reason) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  std::string bytes;
  char buffer[1 << 16];
  ssize_t got = fd < 0 ? -1 : 1;
  while (got != 0 && fd >= 0) {
    got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno != EINTR) break;
    if (got > 0) bytes.append(buffer, std::size_t(got));
  }
  const int err = errno;
  if (fd >= 0) ::close(fd);
  if (got == 0) return bytes;
  reason = systemErrorText(static_cast<unsigned long>(err));
  return std::nullopt;
}

bool sameFile(const std::string& a, const std::string& b) {
  const auto ia = identity(a), ib = identity(b);
  if (ia || ib) return ia == ib;
  namespace fs = std::filesystem;
  // Without a current folder (it was removed) names are compared as they are written.
  auto full = [](const std::string& name) {
    std::error_code none;
    const fs::path path = fs::absolute(name, none);
    return (none ? fs::path(name) : path).lexically_normal();
  };
  const fs::path pa = full(a), pb = full(b);
  const auto da = identity(pa.parent_path()), db = identity(pb.parent_path());
  return pa.filename() == pb.filename() && (da && db ? da == db : pa == pb);
}

ResultsFile::~ResultsFile() {
  close();
  if (created_ && !written_) ::unlink(path_.c_str());
}

void ResultsFile::close() {
  if (handle_ >= 0) ::close(int(handle_));
  handle_ = -1;
}

bool ResultsFile::open(const std::string& path, std::string& reason) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  created_ = fd >= 0;
  if (fd < 0 && errno == EEXIST) fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) reason = systemErrorText(static_cast<unsigned long>(errno));
  path_ = path, handle_ = fd;
  return fd >= 0;
}

bool ResultsFile::write(std::string_view bytes, std::string& reason) {
  const int fd = int(handle_);
  struct stat st;
  // A regular file is emptied first; a device such as /dev/stdout is written as it is.
  int err = fstat(fd, &st) != 0 || (S_ISREG(st.st_mode) && ftruncate(fd, 0) != 0) ? errno : 0;
  if (err == 0) err = writeAll(fd, bytes);
  if (::close(fd) != 0 && err == 0) err = errno;
  handle_ = -1, written_ = err == 0;
  if (err != 0) reason = systemErrorText(static_cast<unsigned long>(err));
  return err == 0;
}

ReplacingFile::~ReplacingFile() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool ReplacingFile::prepare(const std::string& path, std::string_view bytes, std::string& reason) {
  // A name of its own beside the file: the file's name with the process and a count after it.
  int fd = -1;
  for (int n = 0; fd < 0 && n < 100; ++n) {
    temporary_ = path + "." + std::to_string(::getpid()) + "-" + std::to_string(n) + ".tmp";
    fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  int err = fd < 0 ? errno : writeAll(fd, bytes);
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (fd >= 0 && ::close(fd) != 0 && err == 0) err = errno;
  if (err != 0 && fd >= 0) ::unlink(temporary_.c_str());
  if (err != 0) temporary_.clear(), reason = systemErrorText(static_cast<unsigned long>(err));
  path_ = path;
  return err == 0;
}

bool ReplacingFile::replace(std::string& reason) {
  if (::rename(temporary_.c_str(), path_.c_str()) != 0) {
    reason = systemErrorText(static_cast<unsigned long>(errno));
    return false;  // the destructor removes the temporary file
  }
  temporary_.clear();
  // The new name is durable once the folder is.
  std::string folder = std::filesystem::u8path(path_).parent_path().u8string();
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) ::fsync(dir), ::close(dir);
  return true;
}

}  // namespace quarnel
