// The input format shared by the calculation and report targets, and the figures every target
// prints when the run ends.
//
// Byte 0 selects the wall type: odd for interior, even for exterior. The remaining bytes are the
// field texts, in the target's field order, separated by '|'; missing fields are empty. When byte 0
// is 0x80 or above, the first text with the mark "*M" is blown up: what stands before the mark is
// repeated up to a size the target sets (1 MiB for the report) and what follows it is appended, so
// that long pasted texts are reachable from small inputs without slowing down every other input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace quarnel::fuzz {

// The size a blown-up field of the report target reaches at least.
inline constexpr std::size_t kMegabyte = 1 << 20;

struct FieldInput {
  bool interior = false;
  std::vector<std::string> texts;  // exactly as many as the target has fields
};

// Splits a fuzz input into the wall type and `count` field texts; a marked text is blown up to at
// least `blownUp` bytes when `mayBlowUp` (if given) accepts what stands before its mark.
inline FieldInput splitFields(const std::uint8_t* data, std::size_t size, std::size_t count,
                              std::size_t blownUp,
                              bool (*mayBlowUp)(const std::string& unit) = nullptr) {
  FieldInput in;
  in.texts.resize(count);
  if (size == 0) return in;
  in.interior = (data[0] & 1) != 0;
  std::size_t field = 0;
  for (std::size_t k = 1; k < size && field < count; ++k) {
    if (data[k] == '|')
      ++field;
    else
      in.texts[field] += static_cast<char>(data[k]);
  }
  for (std::string& text : in.texts) {
    if (data[0] < 0x80) break;
    const std::size_t mark = text.find("*M");
    if (mark == 0 || mark == std::string::npos) continue;
    if (mayBlowUp && !mayBlowUp(text.substr(0, mark))) continue;
    const std::string rest = text.substr(mark + 2);
    text.resize(mark);
    while (text.size() < blownUp) text += text;  // whole repeats of what stood before the mark
    text += rest;
    break;  // one long text per input keeps every run short
  }
  return in;
}

// Stops the run with a message; libFuzzer keeps the input that caused it.
[[noreturn]] inline void fail(const std::string& what) {
  std::fprintf(stderr, "quarnel-fuzz check failed: %s\n", what.c_str());
  std::abort();
}

// Counts named outcomes and prints them once, when the fuzzing process ends normally.
class Tally {
 public:
  Tally(const char* target, std::vector<const char*> names) : target_(target), names_(names) {
    counts_.assign(names_.size(), 0);
  }
  ~Tally() {
    std::fprintf(stderr, "quarnel-fuzz %s: %llu executions", target_, executions_);
    for (std::size_t k = 0; k < names_.size(); ++k)
      std::fprintf(stderr, ", %llu %s", counts_[k], names_[k]);
    std::fprintf(stderr, "\n");
  }
  void run() { ++executions_; }
  void count(std::size_t outcome) { ++counts_[outcome]; }

 private:
  const char* target_;
  std::vector<const char*> names_;
  std::vector<unsigned long long> counts_;
  unsigned long long executions_ = 0;
};

}  // namespace quarnel::fuzz
