// Helpers of the reliability tests: scratch folders, the worked examples of the calculation and
// the shape of report files.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "../common/test_files.h"
#include "ui/window.h"

namespace quarnel::reliability {

using test::readBytes;
using test::ScratchDir;
using test::writeBytes;

using FieldTexts = std::vector<std::pair<const char*, std::string>>;

// The worked example of an exterior wall: its field texts and the four results it shows.
inline const FieldTexts kExteriorExample = {
    {"zrz", "22"},   {"crz", "0.45"},  {"lmhh", "2.0"},  {"lmdh", "3.60"},  {"wmhh", "0.7"},
    {"wmdh", "7.0"}, {"gqsl", "1"},    {"nrq", "6.858"}, {"yttccd", "1.2"}, {"ytzcd", "3.6"},
    {"zscg", "2.9"}, {"qcs", "6"},     {"hhjscs", "5"},  {"zjxs", "0.65"},  {"zsqh", "0.37"},
    {"qcd", "6.6"},  {"mcmj", "3.78"}, {"lmjscd", "3.3"}};
inline const std::vector<std::string> kExteriorResults = {"244.219", "43.492", "28.27", "332.64"};

// The 22 fields a calculation reads.
inline const std::vector<const char*> kInputFields = {
    "zrz", "crz",    "lmhh",  "lmdh", "wmhh", "wmdh",   "gqsl", "gqc1", "gqc2", "gqds1", "gqds2",
    "nrq", "yttccd", "ytzcd", "zscg", "qcs",  "hhjscs", "zjxs", "zsqh", "qcd",  "mcmj",  "lmjscd"};

// The result fields in the order they are written.
inline const std::vector<const char*> kResultFields = {"dhz", "hhz", "zjhh", "hzsjz"};

inline void setTexts(Window& w, const FieldTexts& texts) {
  for (const auto& [name, text] : texts) w.setText(name, text);
}

inline std::vector<std::string> results(const Window& w) {
  std::vector<std::string> out;
  for (const char* name : kResultFields) out.push_back(w.text(name));
  return out;
}

// The number of lines of a report file; -1 when a CR or LF stands outside a CR LF pair or the
// last line has no line end.
inline int crlfLines(const std::string& bytes) {
  int lines = 0;
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    bool pair = bytes.compare(k, 2, "\r\n") == 0;
    if (!pair && (bytes[k] == '\r' || bytes[k] == '\n')) return -1;
    if (pair) ++lines, ++k;
  }
  return bytes.empty() || bytes.back() == '\n' ? lines : -1;
}

}  // namespace quarnel::reliability
