// Helpers of the report tests: scratch folders, reading a file back and reading GBK as UTF-8.
#pragma once

#include <gtest/gtest.h>
#include <iconv.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

#include "../common/test_files.h"

namespace quarnel::test {

// GBK bytes read back as UTF-8 by the system's converter; "<bad GBK>" when they are not GBK.
inline std::string fromGbk(const std::string& gbk) {
  iconv_t cd = iconv_open("UTF-8", "GBK");
  std::string out(gbk.size() * 2 + 1, '\0');
  char* in = const_cast<char*>(gbk.data());
  char* to = out.data();
  std::size_t inLeft = gbk.size(), toLeft = out.size();
  bool ok = iconv(cd, &in, &inLeft, &to, &toLeft) != std::size_t(-1);
  iconv_close(cd);
  if (!ok) return "<bad GBK>";
  out.resize(out.size() - toLeft);
  return out;
}

// n blanks.
inline std::string B(int n) {
  return std::string(n, ' ');
}

// Lines joined, each ended with CR LF.
inline std::string crlf(std::initializer_list<std::string> lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

// Runs body() in a child process, which ends after 20 s at the latest; its exit code, or -1 when
// it did not exit by itself.
template <class Body>
int inChild(Body body) {
  pid_t pid = fork();
  if (pid == 0) {
    alarm(20);
    _exit(body());
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace quarnel::test
