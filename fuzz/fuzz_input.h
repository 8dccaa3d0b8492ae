// What the fuzz targets share: the split of an input into a flag byte and field texts, the stop on
// a failed check, and the counts printed when a run ends.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace quarnel::fuzz {

// Byte 0 holds the flags (bit 0: interior wall); the rest are the texts, separated by '|'.
inline std::vector<std::string> splitFields(const std::uint8_t* data, std::size_t size,
                                            std::size_t count) {
  std::vector<std::string> texts(count);
  std::size_t field = 0;
  for (std::size_t k = 1; k < size && field < count; ++k) {
    if (data[k] == '|')
      ++field;
    else
      texts[field] += static_cast<char>(data[k]);
  }
  return texts;
}

// Stops the run; libFuzzer keeps the input that caused it.
[[noreturn]] inline void fail(const char* what) {
  std::fprintf(stderr, "quarnel-fuzz check failed: %s\n", what);
  std::abort();
}

// Counts runs and one outcome, printed when the process ends normally.
struct Tally {
  const char* line;  // printf format of the two counts
  unsigned long long runs = 0, counted = 0;
  ~Tally() { std::fprintf(stderr, line, runs, counted); }
};

}  // namespace quarnel::fuzz
