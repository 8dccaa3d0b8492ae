// Appending on POSIX systems: O_APPEND under flock.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "report/report_file.h"

namespace quarnel {

namespace {

AppendFailure failure(int err, bool leftOver = false) {
  return {systemErrorText(err), leftOver, false, static_cast<unsigned long>(err), {}};
}

// Waits for the exclusive lock. Where the file system has no such locks, the append goes on
// unlocked; the end-of-file check of takeBack still keeps other programs' bytes safe.
void lockExclusive(int fd) {
  while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
}

// Writes all bytes, resuming after short writes; 0, or the error.
int writeAll(int fd, std::string_view bytes, std::size_t& done) {
  while (done < bytes.size()) {
    ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (w < 0 && errno == EINTR) continue;
    if (w < 0) return errno;
    if (w == 0) return ENOSPC;
    done += std::size_t(w);
  }
  return 0;
}

// Cuts the file back to its length `before` when it still ends exactly where this append left it;
// whether nothing of the append is left.
bool takeBack(int fd, off_t before, off_t after) {
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
  if (st.st_size == before) return true;
  return st.st_size == after && ftruncate(fd, before) == 0;
}

// takeBack for a file that is already closed.
bool takeBackPath(const std::string& path, off_t before, off_t after) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  lockExclusive(fd);
  bool back = takeBack(fd, before, after);
  ::close(fd);
  return back;
}

}  // namespace

bool fileAt(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::string systemErrorText(unsigned long code) {
  return std::strerror(static_cast<int>(code));
}

std::optional<AppendFailure> appendToFile(const std::string& path, std::string_view bytes) {
  // Non-blocking: a named pipe without a reader fails at once instead of hanging the click. It
  // changes nothing for a regular file.
  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) return failure(errno);
  lockExclusive(fd);
  struct stat st;
  if (fstat(fd, &st) != 0) {
    int err = errno;
    ::close(fd);
    return failure(err);
  }
  off_t before = st.st_size;
  std::size_t done = 0;
  if (int err = writeAll(fd, bytes, done); err != 0) {
    bool back = done == 0 || takeBack(fd, before, before + off_t(done));
    ::close(fd);
    return failure(err, !back);
  }
  if (::close(fd) != 0) {
    int err = errno;
    return failure(err, !takeBackPath(path, before, before + off_t(done)));
  }
  return std::nullopt;
}

}  // namespace quarnel
