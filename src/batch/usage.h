// What quarnel-batch --help prints.
#pragma once

#include <string>

namespace quarnel {

// The help: what the program does, the rules of a table with an example of each error, the
// options, the exit statuses and every column name with its unit; in Chinese and English.
std::string usageText();

}  // namespace quarnel
