#include "report/report_text.h"

#include "report/gbk.h"

namespace quarnel {

ReportText& ReportText::add(std::string_view utf8) {
  std::string gbk = toGbk(utf8);
  // A line break pasted into a field would split the report line: it is written as a blank.
  for (char& c : gbk)
    if (c == '\r' || c == '\n') c = ' ';
  bytes_ += gbk;
  column_ += gbk.size();
  return *this;
}

ReportText& ReportText::zone() {
  std::size_t blanks = kZoneWidth - column_ % kZoneWidth;
  bytes_.append(blanks, ' ');
  column_ += blanks;
  return *this;
}

ReportText& ReportText::end() {
  bytes_ += "\r\n";
  column_ = 0;
  return *this;
}

}  // namespace quarnel
