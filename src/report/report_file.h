// Appending to the report file: the whole text of one click goes in with one write, or not at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// Why an append failed.
struct AppendFailure {
  std::string reason;     // what went wrong, in words for the user
  bool leftOver = false;  // part of the text stayed in the file: it could not be taken back
  bool refused = false;   // the system refused to open the file for lack of access rights
};

// Opens the file at path (UTF-8) for appending, creating it when missing, and appends bytes in one
// write under an exclusive lock, so that reports of two programs never mix. On any failure the
// bytes this call appended are taken back (when they are still the end of the file) and the
// failure is returned; nothing on success.
std::optional<AppendFailure> appendToFile(const std::string& path, std::string_view bytes);

}  // namespace quarnel
