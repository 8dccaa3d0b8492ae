// The files quarnel-batch reads itself: the table, through the system's own calls so that a
// failure is told in the system's words.
#pragma once

#include <optional>
#include <string>

namespace quarnel {

// The bytes of the file at path (UTF-8), or nothing with the system's reason in reason.
std::optional<std::string> readFileBytes(const std::string& path, std::string& reason);

}  // namespace quarnel
