#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "HeapCounter.h"
#include "ReportFile.h"
#include "ReportGenerator.h"
#include "ReportLines.h"
#include "ReportLoader.h"

namespace {

constexpr std::size_t kPasses = 120000;

// One generated report for the whole run, removed at exit.
class GeneratedReport {
 public:
  GeneratedReport()
      : path_((std::filesystem::temp_directory_path() / "kvl-bench-report.htm").string()) {
    WriteReportFile(path_, kPasses);
  }
  ~GeneratedReport() { std::filesystem::remove(path_); }
  const std::string& Path() const { return path_; }
  double Megabytes() const { return static_cast<double>(std::filesystem::file_size(path_)) / 1e6; }

 private:
  std::string path_;
};

const GeneratedReport& Report() {
  static const GeneratedReport report;
  return report;
}

constexpr double kMegabyte = 1e6;

void BM_ReadAndSplit(benchmark::State& state) {
  const std::string& path = Report().Path();
  for (auto _ : state) {
    const ReportFile file = ReadReportFile(path);
    const auto lines = SplitReportLines(std::string_view(file.body));
    benchmark::DoNotOptimize(lines.data());
  }
  state.counters["file_MB"] = Report().Megabytes();
}

void BM_LoadReport(benchmark::State& state) {
  const std::string& path = Report().Path();
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
  const double fileBytes = Report().Megabytes() * kMegabyte;
  state.counters["file_MB"] = fileBytes / kMegabyte;
  state.counters["peak_heap_MB"] = peakBytes / kMegabyte;
  state.counters["peak_over_file_and_table"] = peakBytes / (fileBytes + tableBytes);
}

BENCHMARK(BM_ReadAndSplit)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadReport)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
