// The files of quarnel-batch on POSIX systems.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "batch/files.h"
#include "report/report_file.h"

namespace quarnel {
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

}  // namespace quarnel
