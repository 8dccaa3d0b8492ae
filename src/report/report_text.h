// The line model of the report: text items written one after the other, each followed by nothing
// (joined), by blanks up to the next 14-column print zone, or by CR LF. The text is kept as the
// GBK bytes that go into the file, and one column is one of those bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quarnel {

class ReportText {
 public:
  // Print zones start at columns 0, 14, 28, ... of a line.
  static constexpr std::size_t kZoneWidth = 14;

  // Writes a UTF-8 text item, converted to GBK, right after what stands on the line; a CR or LF
  // in it becomes a blank, so that only end() ends a line.
  ReportText& add(std::string_view utf8);
  // Writes blanks up to the smallest multiple of 14 greater than the current column: 1 to 14.
  ReportText& zone();
  // Ends the line with CR LF; the next line starts at column 0.
  ReportText& end();

  // Everything written so far, in GBK.
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
  std::size_t column_ = 0;
};

}  // namespace quarnel
