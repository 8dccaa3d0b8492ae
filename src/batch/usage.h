// What quarnel-batch --help prints.
#pragma once

#include <string>

namespace quarnel {

// The help: what the program does, the rules of a table with an example of each error, the
// options, the exit statuses and every column name with its unit; in Chinese and English.
std::string usageText();

// What quarnel-batch --template prints: the header row of a table naming every column with its
// unit, CSV in UTF-8 with a byte-order mark (so that a spreadsheet opens it right), ended by CR LF.
std::string headerRow();

}  // namespace quarnel
