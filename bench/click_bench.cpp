// The work of one click: calculate on the in-memory window (22 texts read, parsed, computed,
// formatted, 4 texts written), the parse and the two number patterns on their own, and one report
// click into a scratch file (built, encoded to GBK, appended, closed).
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include "bench_util.h"
#include "calc/number.h"
#include "calc/pattern.h"
#include "ui/handlers.h"

namespace quarnel::bench {
namespace {

void BM_CalculateClick(benchmark::State& state) {
  bool interior = state.range(0) != 0;
  MemoryWindow w = windowWith(interior ? interiorAxis() : exteriorAxis(), interior);
  for (auto _ : state) cmdjs_Click(w);
  // The worked examples: a slip in the click shows here rather than as a fast time.
  std::vector<std::string> expected =
      interior ? std::vector<std::string>{"209.261", "41.73", "27.124", "289.088"}
               : std::vector<std::string>{"244.219", "43.492", "28.27", "332.64"};
  if (!showsResults(w, expected)) state.SkipWithError("wrong results");
  state.SetLabel(interior ? "interior wall" : "exterior wall");
}
BENCHMARK(BM_CalculateClick)->Arg(0)->Arg(1);

// Megabyte texts pasted into the axis label and after the floor span (the read stops at the first
// letter): the click the user waits for should stay well under 50 ms.
void BM_CalculateClickMegabyteTexts(benchmark::State& state) {
  MemoryWindow w = windowWith(exteriorAxis(), false);
  w.setText("zxh", std::string(1 << 20, 'A'));
  w.setText("lmjscd", "3.3" + std::string(1 << 20, 'x'));
  for (auto _ : state) cmdjs_Click(w);
  if (!showsResults(w, {"244.219", "43.492", "28.27", "332.64"}))
    state.SkipWithError("wrong results");
}
BENCHMARK(BM_CalculateClickMegabyteTexts)->Unit(benchmark::kMillisecond);

struct ParseCase {
  const char* text;
  double value;
};
const ParseCase kParseCases[] = {{"22", 22.0}, {"6.858", 6.858}, {" 1 2.5e-1kN", 12.5e-1}};

void BM_Parse(benchmark::State& state) {
  const ParseCase& c = kParseCases[state.range(0)];
  LeadingNumber n{};
  for (auto _ : state) {
    n = parseLeadingNumber(c.text);
    benchmark::DoNotOptimize(n);
  }
  if (n.value != c.value) state.SkipWithError("wrong value");
  state.SetLabel(std::string("\"") + c.text + "\"");
}
BENCHMARK(BM_Parse)->DenseRange(0, 2);

struct PatternCase {
  Pattern pattern;
  double value;
  const char* text;
};
const PatternCase kPatternCases[] = {{Pattern::OneToThreeDecimals, 28.269681, "28.27"},
                                     {Pattern::UpToThreeDecimals, 332.640461, "332.64"}};

void BM_Pattern(benchmark::State& state) {
  const PatternCase& c = kPatternCases[state.range(0)];
  std::string text;
  for (auto _ : state) {
    text = formatNumber(c.value, c.pattern);
    benchmark::DoNotOptimize(text);
  }
  if (text != c.text) state.SkipWithError("wrong text");
  state.SetLabel(c.pattern == Pattern::OneToThreeDecimals ? "0.0##" : "0.###");
}
BENCHMARK(BM_Pattern)->DenseRange(0, 1);

// range(0) 1: every click is the first of a run and writes the report header before the section.
void BM_ReportClick(benchmark::State& state) {
  bool header = state.range(0) != 0;
  ScratchDir dir;
  std::string path = dir.file("Quarnel书.txt");
  ReportFiles files{path, {}};
  MemoryWindow w = windowWith(exteriorAxis(), false);
  cmdjs_Click(w);
  for (auto _ : state) {
    if (header) w.setText("counter", "1");
    Cmdjss_Click(w, files);
  }
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || st.st_size == 0 || !w.warnings().empty() ||
      w.text("counter") != "2")
    state.SkipWithError("the report was not written");
  else
    state.counters["bytes/click"] = double(st.st_size) / double(state.iterations());
  state.SetLabel(header ? "header + exterior section" : "exterior section");
}
BENCHMARK(BM_ReportClick)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quarnel::bench

int main(int argc, char** argv) {
  quarnel::bench::KeepingReporter reporter;
  return quarnel::bench::runBenchmarks(argc, argv, reporter);
}
