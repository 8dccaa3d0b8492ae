// Helpers shared by the benchmark programs: the worked-example axes typed into an in-memory window,
// and a scratch directory that is removed again.
#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/memory_window.h"

namespace quarnel::bench {

using FieldTexts = std::vector<std::pair<const char*, const char*>>;

// The field texts of the worked exterior-wall axis.
const FieldTexts& exteriorAxis();
// The field texts of the worked interior-wall axis.
const FieldTexts& interiorAxis();

// A main window holding the texts of the axis, with Optnq selected when interior is set.
MemoryWindow windowWith(const FieldTexts& axis, bool interior);

// Whether the four result fields show the texts expected, in the order dhz, hhz, zjhh, hzsjz.
bool showsResults(const Window& w, const std::vector<std::string>& expected);

// A fresh directory under $TMPDIR (or /tmp), removed with everything in it on destruction.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  // The path of a file of that name inside the directory.
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Prints the runs plainly and keeps the processor time per iteration of every run that succeeded:
// unlike the wall-clock time it does not swing with the disk writing out earlier appends.
class KeepingReporter : public benchmark::ConsoleReporter {
 public:
  KeepingReporter() : ConsoleReporter(OO_None) {}
  void ReportRuns(const std::vector<Run>& runs) override;
  std::vector<double> cpuTimes;
  bool failed = false;  // a run ended with an error (a wrong result, a report not written)
};

// Runs the benchmarks chosen on the command line; 1 when an argument is unknown or a run failed.
int runBenchmarks(int argc, char** argv, KeepingReporter& reporter);

}  // namespace quarnel::bench
