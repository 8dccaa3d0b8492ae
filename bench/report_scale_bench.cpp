// The report click on report files of 0 bytes, 10 MB and 200 MB. The file grows across years of
// use and is only ever appended to, so the three times must agree; the program fails when the
// slowest is more than kLimit times the fastest, which no noise reaches but any reading or
// rewriting of the existing file does (200 MB take tens of milliseconds to read, a click ~20 us).
// With --smoke first, a short check that it runs: files of 0, 10 and 200 KB, and no comparison.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "bench_util.h"
#include "ui/handlers.h"

namespace quarnel::bench {
namespace {

constexpr double kLimit = 3.0;
long unit = 1L << 20;  // a megabyte; a kilobyte in a smoke run

// The bytes of one report section of the worked exterior axis, as the program writes them.
std::string oneReport(const ScratchDir& dir) {
  ReportFiles files{dir.file("one.txt"), {}};
  MemoryWindow w = windowWith(exteriorAxis(), false);
  cmdjs_Click(w);
  Cmdjss_Click(w, files);
  std::ifstream in(files.path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A report file of report sections, built once per size and cut back to exactly `units` units on
// every call, so that each run starts from the same file.
const std::string& reportFile(long units) {
  static ScratchDir dir;
  static std::map<long, std::string> made;
  auto [it, fresh] = made.emplace(units, dir.file(std::to_string(units) + "units.txt"));
  if (!fresh) {
    std::filesystem::resize_file(it->second, std::uintmax_t(units * unit));
    return it->second;
  }
  std::string chunk, one = oneReport(dir);
  while (long(chunk.size()) < unit) chunk += one;
  std::ofstream out(it->second, std::ios::binary);
  for (long left = units * unit; left > 0; left -= long(chunk.size()))
    out.write(chunk.data(), std::streamsize(std::min(left, long(chunk.size()))));
  if (!out.flush()) throw std::runtime_error("cannot write " + it->second);
  return it->second;
}

void BM_ReportClickOnFile(benchmark::State& state) {
  const std::string& path = reportFile(state.range(0));
  std::uintmax_t before = std::filesystem::file_size(path);
  MemoryWindow w = windowWith(exteriorAxis(), false);
  cmdjs_Click(w);
  w.setText("counter", "2");
  ReportFiles files{path, {}};
  for (auto _ : state) Cmdjss_Click(w, files);
  if (!w.warnings().empty()) state.SkipWithError("the report was not written");
  state.SetLabel("file of " + std::to_string(before) + " bytes");
}
BENCHMARK(BM_ReportClickOnFile)->Arg(0)->Arg(10)->Arg(200)->Unit(benchmark::kMicrosecond);

// 0 when the three sizes agree within kLimit (or fewer were run), 1 otherwise.
int compare(const std::vector<double>& times) {
  if (times.size() < 3) return 0;
  auto [low, high] = std::minmax_element(times.begin(), times.end());
  double ratio = *high / *low;
  std::printf("slowest / fastest report click: %.2f (limit %.1f)\n", ratio, kLimit);
  return ratio <= kLimit ? 0 : 1;
}

}  // namespace
}  // namespace quarnel::bench

int main(int argc, char** argv) {
  const bool smoke = argc > 1 && std::string(argv[1]) == "--smoke";
  if (smoke) {
    quarnel::bench::unit = 1L << 10;
    argv[1] = argv[0];
    --argc, ++argv;
  }
  quarnel::bench::KeepingReporter reporter;
  int failed = quarnel::bench::runBenchmarks(argc, argv, reporter);
  return (smoke ? 0 : quarnel::bench::compare(reporter.cpuTimes)) | failed;
}
