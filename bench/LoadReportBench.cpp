// Loading a report, and loading it and sorting it by profit, against the floor of reading it:
// the file read piece by piece and its lines counted with memchr, as "wc -l" does. Each iteration
// runs the floor and the measured work one after the other, so that both meet the same load of the
// machine. over_floor is the ratio of their total CPU times, which the other programs on a shared
// machine disturb far less than elapsed times (wall_over_floor); a ratio above the goal is
// reported as an error. Peak heap is what the work holds at its most, against the file's size.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>

#include <core/ReportFile.h>
#include <core/ReportLoader.h>
#include <core/sort/RowOrder.h>

#include "BenchReport.h"
#include "BenchTimes.h"
#include "HeapCounter.h"

using namespace kvl::core;

namespace {

constexpr double kMegabyte = 1e6;
constexpr int kProfitColumn = 1;
constexpr double kLoadGoal = 6.0;
constexpr double kLoadAndSortGoal = 10.0;
constexpr double kNoGoal = std::numeric_limits<double>::infinity();

// The floor: the file read through a small buffer and its LF bytes counted.
std::size_t ReadAndCountLines(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot read " + path);
  static char buffer[1 << 17];
  std::size_t lines = 0;
  for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) {
    const char* const end = buffer + got;
    for (const char* at = buffer;
         (at = static_cast<const char*>(std::memchr(at, '\n', end - at))) != nullptr; ++at) {
      ++lines;
    }
  }
  ::close(fd);
  return lines;
}

// Every benchmark here takes the number of passes and the index of the report's language in
// ReportLanguages().
std::size_t Passes(const benchmark::State& state) {
  return static_cast<std::size_t>(state.range(0));
}

ReportLanguage Language(const benchmark::State& state) {
  return ReportLanguages()[static_cast<std::size_t>(state.range(1))].language;
}

const std::string& ReportPath(const benchmark::State& state) {
  return BenchReportPath(Passes(state), 1, Language(state));
}

double ReportMegabytes(const benchmark::State& state) {
  return BenchReportMegabytes(Passes(state), 1, Language(state));
}

void BM_ReadAndCountLines(benchmark::State& state) {
  const std::string& path = ReportPath(state);
  for (auto _ : state) benchmark::DoNotOptimize(ReadAndCountLines(path));
  state.counters["file_MB"] = ReportMegabytes(state);
}

// Times `work(path, table)` on a fresh table, beside the floor on the same file, and reports the
// ratio of the two and the peak heap of the work.
template <class Work>
void AgainstTheFloor(benchmark::State& state, double goal, Work work) {
  const std::string& path = ReportPath(state);
  // The first use of fresh memory in a process costs several times what later ones do, whoever
  // uses it: one untimed run takes that cost.
  work(path, *std::make_unique<PassTable>());
  Times floor;
  Times measured;
  std::size_t peakBytes = 0;
  for (auto _ : state) {
    floor.Add([&path] { benchmark::DoNotOptimize(ReadAndCountLines(path)); });

    auto table = std::make_unique<PassTable>();
    heap_counter::ResetPeak();
    const std::size_t before = heap_counter::InUse();
    const double wallBefore = measured.wall;
    measured.Add([&] { work(path, *table); });
    state.SetIterationTime(measured.wall - wallBefore);
    peakBytes = heap_counter::Peak() - before;
    table.reset();
  }
  const double fileBytes = ReportMegabytes(state) * kMegabyte;
  const double iterations = static_cast<double>(state.iterations());
  const double overFloor = measured.cpu / floor.cpu;
  state.counters["file_MB"] = fileBytes / kMegabyte;
  state.counters["floor_ms"] = floor.wall / iterations * 1e3;
  state.counters["floor_cpu_ms"] = floor.cpu / iterations * 1e3;
  state.counters["cpu_ms"] = measured.cpu / iterations * 1e3;
  state.counters["over_floor"] = overFloor;
  state.counters["wall_over_floor"] = measured.wall / floor.wall;
  state.counters["peak_heap_MB"] = static_cast<double>(peakBytes) / kMegabyte;
  state.counters["peak_over_file"] = static_cast<double>(peakBytes) / fileBytes;
  if (overFloor > goal) {
    const std::string error =
        std::to_string(overFloor) + " times the floor, over the goal of " + std::to_string(goal);
    state.SkipWithError(error.c_str());
  }
}

// The part of a load that is not parsing: the report read into the buffer the table keeps.
void BM_ReadReportFile(benchmark::State& state) {
  AgainstTheFloor(state, kNoGoal, [](const std::string& path, PassTable&) {
    benchmark::DoNotOptimize(ReadReportFile(path).body.data());
  });
}

void BM_LoadReport(benchmark::State& state) {
  AgainstTheFloor(state, kLoadGoal, [&state](const std::string& path, PassTable& table) {
    if (LoadReport(path, table) != static_cast<int>(Passes(state))) {
      state.SkipWithError("wrong pass count");
    }
  });
}

void BM_LoadReportAndSortByProfit(benchmark::State& state) {
  // The order lives on from load to load, as the window's does.
  RowOrder order;
  AgainstTheFloor(state, kLoadAndSortGoal, [&order](const std::string& path, PassTable& table) {
    order.Reset(static_cast<std::size_t>(LoadReport(path, table)));
    SortRows(table, kProfitColumn, true, order);
  });
}

// Russian reports of both sizes.
void BothReports(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"passes", "language"})
      ->Args({120000, 0})
      ->Args({1000000, 0})
      ->Unit(benchmark::kMillisecond);
}

void BothReportsAgainstTheFloor(benchmark::internal::Benchmark* benchmark) {
  BothReports(benchmark->UseManualTime()->MinTime(2.0));
}

// And a report from an English and a German terminal, whose headers are found by the English
// caption and by the table's structure, each after a search for the Russian caption.
void EveryKindOfHeaderAgainstTheFloor(benchmark::internal::Benchmark* benchmark) {
  BothReportsAgainstTheFloor(benchmark->Args({120000, 1})->Args({120000, 2}));
}

BENCHMARK(BM_ReadAndCountLines)->Apply(BothReports);
BENCHMARK(BM_ReadReportFile)->Apply(BothReportsAgainstTheFloor);
BENCHMARK(BM_LoadReport)->Apply(EveryKindOfHeaderAgainstTheFloor);
BENCHMARK(BM_LoadReportAndSortByProfit)->Apply(BothReportsAgainstTheFloor);

}  // namespace
