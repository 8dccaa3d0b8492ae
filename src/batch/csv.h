// Reading a table as a spreadsheet saves it in CSV: cells separated by commas, quoted with '"'
// where they hold a comma, a quote (doubled) or a line break; lines ended by CR LF or LF.
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
};

// The UTF-8 text of a table's bytes without a UTF-8 byte-order mark: the bytes themselves when
// they are UTF-8, else their conversion from GBK; nothing when they are neither.
std::optional<std::string> tableText(std::string_view bytes);

// The records of UTF-8 text. A quoted cell keeps its commas and line breaks as they stand, "" in it
// is one quote, and text after its closing quote is added as it stands; a quote inside an unquoted
// cell is text. A quote left open is a problem at the line where its record starts; the records
// before it are kept.
CsvTable parseCsv(std::string_view text);

}  // namespace quarnel
