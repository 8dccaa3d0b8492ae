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
  for (std::size_t done = 0; err == 0 && done < bytes.size();) {
    const ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (w > 0) done += std::size_t(w);
    err = w > 0 || (w < 0 && errno == EINTR) ? 0 : w < 0 ? errno : ENOSPC;
  }
  if (::close(fd) != 0 && err == 0) err = errno;
  handle_ = -1, written_ = err == 0;
  if (err != 0) reason = systemErrorText(static_cast<unsigned long>(err));
  return err == 0;
}

}  // namespace quarnel
