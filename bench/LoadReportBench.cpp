#include <benchmark/benchmark.h>

#include <memory>

#include "BenchReport.h"
#include "HeapCounter.h"
#include "ReportFile.h"
#include "ReportLines.h"
#include "ReportLoader.h"

namespace {

constexpr double kMegabyte = 1e6;

void BM_ReadAndSplit(benchmark::State& state) {
  const std::string& path = BenchReportPath();
  for (auto _ : state) {
    const ReportFile file = ReadReportFile(path);
    const auto lines = SplitReportLines(std::string_view(file.body));
    benchmark::DoNotOptimize(lines.data());
  }
  state.counters["file_MB"] = BenchReportMegabytes();
}

void BM_LoadReport(benchmark::State& state) {
  const std::string& path = BenchReportPath();
  const double tableBytes = static_cast<double>(PassTable::kCapacity * sizeof(CItem_OPT));
  double peakBytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto table = std::make_unique<PassTable>();  // every load starts from an empty table
    heap_counter::ResetPeak();
    const std::size_t before = heap_counter::InUse();
    state.ResumeTiming();
    benchmark::DoNotOptimize(LoadReport(path, *table));
    state.PauseTiming();
    peakBytes = tableBytes + static_cast<double>(heap_counter::Peak() - before);
    table.reset();
    state.ResumeTiming();
  }
  // The peak holds the table's records, the file, its lines and the texts the load stores.
  const double fileBytes = BenchReportMegabytes() * kMegabyte;
  state.counters["file_MB"] = fileBytes / kMegabyte;
  state.counters["peak_heap_MB"] = peakBytes / kMegabyte;
  state.counters["peak_over_file_and_table"] = peakBytes / (fileBytes + tableBytes);
}

BENCHMARK(BM_ReadAndSplit)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadReport)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
