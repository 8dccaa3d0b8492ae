// The input of the calculation and report targets: byte 0 holds flags (bit 0: interior wall), the
// rest are the field texts separated by '|'. And the stop when a check fails.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace quarnel::fuzz {

inline std::vector<std::string> splitFields(const std::uint8_t* data, std::size_t size,
                                            std::size_t count) {
  std::vector<std::string> texts(count);
  for (std::size_t k = 1, field = 0; k < size && field < count; ++k)
    if (data[k] == '|')
      ++field;
    else
      texts[field] += char(data[k]);
  return texts;
}

// libFuzzer keeps the input that caused it.
[[noreturn]] inline void fail(const char* what) {
  std::fprintf(stderr, "quarnel-fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace quarnel::fuzz
