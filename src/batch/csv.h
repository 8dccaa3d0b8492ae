// Reading a table as a spreadsheet saves it as text: cells separated by commas (or by tabs or
// semicolons), quoted with '"' where they hold a separator, a quote (doubled) or a line break;
// lines ended by CR LF, LF or CR; in UTF-8, GBK or UTF-16.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

// What is wrong with a table: the line it concerns (0: the table as a whole), the column (may be
// empty) and the message for the user.
struct Problem {
  std::size_t line = 0;
  std::string column;
  std::string message;
};

// One record of the table: the line of the file on which it starts (from 1) and its cells.
struct CsvRecord {
  std::size_t line;
  std::vector<std::string> cells;
};

struct CsvTable {
  std::vector<CsvRecord> records;
  std::vector<Problem> problems;
  bool secondByteOrderMark = false;  // the text began with a byte-order mark
};

// The UTF-8 text of a table's bytes, without their byte-order mark: the bytes themselves when they
// are UTF-8, their conversion from UTF-16 when they begin with its byte-order mark (either byte
// order), else their conversion from GBK; or why they are no table: a workbook, or bytes that are
// none of these.
struct TableText {
  std::optional<std::string> text;
  std::string problem;
};
TableText tableText(std::string_view bytes);

// The records of UTF-8 text. The separator is the one of comma, tab and semicolon that stands most
// often outside quotes up to the end of the first line that holds more than separators and blanks
// (a comma when none does). A quoted cell keeps its separators and line breaks as they stand, "" in
// it is one quote, and text after its closing quote is added as it stands; a quote inside an
// unquoted cell is text. A quote left open is a problem at the line where its record starts; the
// records before it are kept.
CsvTable parseCsv(std::string_view text);

}  // namespace quarnel
