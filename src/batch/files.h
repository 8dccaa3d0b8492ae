// The files quarnel-batch reads and writes itself besides the report: the table and the results
// file, through the system's own calls so that a failure is told in the system's words.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// How a line of a text file ends on this system: CR LF on Windows, LF elsewhere.
extern const char* const kTextLineEnd;

// The bytes of the file at path (UTF-8), or nothing with the system's reason in reason.
std::optional<std::string> readFileBytes(const std::string& path, std::string& reason);

// Whether two paths (UTF-8) name the same file however each is written (relative or absolute,
// through links; on Windows in any case and with either slash): one file when both exist, else
// the same name in the same folder.
bool sameFile(const std::string& a, const std::string& b);

// The results file: opened before the report is appended, so that a file that cannot be written
// stops the run before anything is appended, and given its bytes once the report is in.
class ResultsFile {
 public:
  ResultsFile() = default;
  // Closes the file; removes it when open() created it and it was not written in full.
  ~ResultsFile();
  ResultsFile(const ResultsFile&) = delete;
  ResultsFile& operator=(const ResultsFile&) = delete;

  // Opens the file at path (UTF-8) for writing, creating it when missing, without changing what
  // it holds; false with the system's reason.
  bool open(const std::string& path, std::string& reason);
  // Makes bytes the whole content of the opened file and closes it; false with the system's
  // reason.
  bool write(std::string_view bytes, std::string& reason);

 private:
  void close();

  std::string path_;
  std::intptr_t handle_ = -1;
  bool created_ = false, written_ = false;
  bool disk_ = true;  // a file on a disk, not a device such as the null device
};

// A file that gets new bytes whole or not at all: they are written to a temporary file beside it
// and made durable before the run appends its report, and the temporary file takes the file's
// place in one step afterwards. The temporary file never stays behind.
class ReplacingFile {
 public:
  ReplacingFile() = default;
  // Removes the temporary file unless it has taken the file's place.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Writes the bytes to a new temporary file in the folder of path (UTF-8) and flushes them to
  // the disk; false with the system's reason, leaving nothing behind.
  bool prepare(const std::string& path, std::string_view bytes, std::string& reason);
  // Puts the temporary file in the place of path, replacing what stands there; false with the
  // system's reason, the temporary file removed and path as it was.
  bool replace(std::string& reason);

 private:
  std::string path_, temporary_;
};

}  // namespace quarnel
