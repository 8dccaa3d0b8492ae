// quarnel-batch on a generated table of 10,000 axes (exterior and interior walls in turn, the
// common data on the first line, each axis with its own label and wall length): read, calculated,
// printed and appended in one run, as the program runs it; and the calculation document of 1,000
// such axes (-n -d). The program fails when a run takes more than a second or the process's peak
// memory passes 50 MB, except under the sanitizers, whose own time and memory those would measure.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "batch/batch.h"
#include "bench_util.h"

namespace quarnel::bench {
namespace {

constexpr double kSecondsLimit = 1.0;
constexpr long kPeakLimitKiB = 50 * 1024;
double slowest = 0, slowestDocument = 0;

std::string table(int axes) {
  std::string t =
      "zxh,wall,zrz,crz,lmhh,lmdh,wmhh,wmdh,gqsl,nrq,yttccd,ytzcd,gqc1,gqds1,gqc2,gqds2,zscg,qcs,"
      "hhjscs,zjxs,zsqh,qcd,mcmj,lmjscd\n"
      "A0,外墙,22,0.45,2.0,3.60,0.7,7.0,1,6.858,1.2,3.6,,,,,2.9,6,5,0.65,0.37,6.6,3.78,3.3\n";
  for (int k = 1; k < axes; ++k) {
    const std::string length = std::to_string(3 + k % 9) + "." + std::to_string(k % 10),
                      partitions = k == 1 ? "3.3,1,2.4,2" : ",,,";
    t += k % 2 ? "B" + std::to_string(k) + ",内墙,,,,,,,,,,," + partitions + ",,,,,0.24," + length +
                     ",1.89,3.9\n"
               : "A" + std::to_string(k) + ",外墙,,,,,,,,,,,,,,,,,,,0.37," + length + ",3.78,3.3\n";
  }
  return t;
}

void BM_BatchTable(benchmark::State& state) {
  const int axes = int(state.range(0));
  ScratchDir dir;
  const std::string report = dir.file("Quarnel书.txt"), csv = dir.file("building.csv");
  std::ofstream(csv, std::ios::binary) << table(axes);
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(report);
    std::istringstream in;
    std::ostringstream out, err;
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    const int status = runBatch({"-o", report, csv}, in, out, err);
    slowest = std::max(
        slowest, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    const std::string printed = out.str();
    if (status != 0 || std::count(printed.begin(), printed.end(), '\n') != axes + 1)
      state.SkipWithError(("the table did not run: " + err.str()).c_str());
  }
  state.counters["report MB"] = double(std::filesystem::file_size(report)) / 1e6;
  state.SetLabel(std::to_string(axes) + " axes");
}
BENCHMARK(BM_BatchTable)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BatchDocument(benchmark::State& state) {
  const int axes = int(state.range(0));
  ScratchDir dir;
  const std::string document = dir.file("计算书.html"), csv = dir.file("building.csv");
  std::ofstream(csv, std::ios::binary) << table(axes);
  for (auto _ : state) {
    std::istringstream in;
    std::ostringstream out, err;
    const auto start = std::chrono::steady_clock::now();
    const int status = runBatch({"-n", "-d", document, "--date", "2026-01-15", csv}, in, out, err);
    slowestDocument =
        std::max(slowestDocument,
                 std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    std::ifstream written(document, std::ios::binary);
    const std::string html{std::istreambuf_iterator<char>(written), {}};
    // Each axis has its section, and the largest value is the same in the summary and the chart.
    std::size_t sections = 0;
    for (auto k = html.find("class=\"axis\""); k != std::string::npos;
         k = html.find("class=\"axis\"", k + 1))
      ++sections;
    if (status != 0 || sections != std::size_t(axes))
      state.SkipWithError(("the document was not written: " + err.str()).c_str());
  }
  state.counters["document MB"] = double(std::filesystem::file_size(document)) / 1e6;
  state.SetLabel(std::to_string(axes) + " axes");
}
BENCHMARK(BM_BatchDocument)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quarnel::bench

int main(int argc, char** argv) {
  quarnel::bench::KeepingReporter reporter;
  const int status = quarnel::bench::runBenchmarks(argc, argv, reporter);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  using namespace quarnel::bench;
  std::printf(
      "slowest run %.3f s, slowest document %.3f s (limit %.0f s), peak memory %.1f MB "
      "(limit %ld MB)\n",
      slowest, slowestDocument, kSecondsLimit, usage.ru_maxrss / 1024.0, kPeakLimitKiB / 1024);
#if !defined(__SANITIZE_ADDRESS__)
  if (std::max(slowest, slowestDocument) > kSecondsLimit || usage.ru_maxrss > kPeakLimitKiB)
    return 1;
#endif
  return status;
}
