#include "bench_util.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace quarnel::bench {

const FieldTexts& exteriorAxis() {
  static const FieldTexts axis = {
      {"zrz", "22"},   {"crz", "0.45"},  {"lmhh", "2.0"},  {"lmdh", "3.60"},  {"wmhh", "0.7"},
      {"wmdh", "7.0"}, {"gqsl", "1"},    {"nrq", "6.858"}, {"yttccd", "1.2"}, {"ytzcd", "3.6"},
      {"zscg", "2.9"}, {"qcs", "6"},     {"hhjscs", "5"},  {"zjxs", "0.65"},  {"zsqh", "0.37"},
      {"qcd", "6.6"},  {"mcmj", "3.78"}, {"lmjscd", "3.3"}};
  return axis;
}

const FieldTexts& interiorAxis() {
  static const FieldTexts axis = {
      {"zrz", "22"},   {"crz", "0.45"},  {"lmhh", "2.0"},  {"lmdh", "3.60"}, {"wmhh", "0.7"},
      {"wmdh", "7.0"}, {"gqc1", "3.3"},  {"gqds1", "1"},   {"gqc2", "2.4"},  {"gqds2", "2"},
      {"zscg", "2.9"}, {"qcs", "6"},     {"hhjscs", "5"},  {"zjxs", "0.65"}, {"zsqh", "0.24"},
      {"qcd", "6.6"},  {"mcmj", "1.89"}, {"lmjscd", "3.9"}};
  return axis;
}

MemoryWindow windowWith(const FieldTexts& axis, bool interior) {
  MemoryWindow w;
  for (const auto& [name, text] : axis) w.setText(name, text);
  if (interior) w.select(optionFor(WallType::Interior).name);
  return w;
}

bool showsResults(const Window& w, const std::vector<std::string>& expected) {
  std::vector<std::string> shown;
  for (const Field* result : fieldsOf(FieldKind::Result)) shown.push_back(w.text(result->name));
  return shown == expected;
}

ScratchDir::ScratchDir() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quarnel-bench-XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create " + pattern);
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void KeepingReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& r : runs) {
    failed = failed || r.error_occurred;
    if (!r.error_occurred && r.run_type == Run::RT_Iteration)
      cpuTimes.push_back(r.GetAdjustedCPUTime());
  }
}

int runBenchmarks(int argc, char** argv, KeepingReporter& reporter) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return reporter.failed ? 1 : 0;
}

}  // namespace quarnel::bench
