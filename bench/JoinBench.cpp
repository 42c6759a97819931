// Joining two loaded reports against loading one: each iteration loads the report into two fresh
// tables (the first load is timed), then reads both reports' inputs, matches their passes, works
// out every row's figures and how the second bears out the base. join_over_load is the ratio of
// their CPU times; above 1 it is reported as an error. The heap counters set the join's peak
// against what one loaded table holds.
//
// Both reports are the same file, so that every pass matches: the most rows, and the most work.

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <core/ReportFile.h>
#include <core/ReportLoader.h>
#include <core/join/JoinFigures.h>
#include <core/join/ReportJoin.h>
#include <core/join/TestedPeriod.h>

#include "BenchReport.h"
#include "BenchTimes.h"
#include "HeapCounter.h"

using namespace kvl::core;

namespace {

constexpr std::uint64_t kFifteenInputs = 40;
constexpr double kGoal = 1.0;
constexpr double kMegabyte = 1e6;

// The CPU time of each step of the join, for seeing where it goes.
struct JoinSteps {
  Times inputs;
  Times match;
  Times figures;
  Times bearOut;
};

void JoinEverything(const std::vector<ComparedReport>& reports, JoinSteps& steps,
                    benchmark::State& state) {
  std::optional<ReportJoin> join;
  steps.inputs.Add([&] { join.emplace(ReportJoin::Inputs(reports, {})); });
  if (!join->CanMatch()) {
    state.SkipWithError("the reports share no input");
    return;
  }
  steps.match.Add([&] { join->Match(); });
  if (join->RowCount() != reports[0].count) state.SkipWithError("not every pass joined");
  std::optional<JoinFigures> figures;
  steps.figures.Add([&] { figures.emplace(*join, reports); });
  benchmark::DoNotOptimize(figures->Efficiency(0, 1).data());
  steps.bearOut.Add([&] { benchmark::DoNotOptimize(BearOut(*figures, 1).rankCorrelation); });
}

void BM_LoadReportThenJoin(benchmark::State& state) {
  const auto passes = static_cast<std::size_t>(state.range(0));
  const std::string& path = BenchReportPath(passes, kFifteenInputs);
  const std::optional<TestedPeriod> period = ReadTestedPeriod(ReadReportFile(path));
  if (!period) state.SkipWithError("the report has no period");
  // The first use of fresh memory in a process costs several times what later ones do.
  {
    std::vector<std::unique_ptr<PassTable>> warm;
    std::vector<ComparedReport> reports;
    for (int k = 0; k < 2; ++k) {
      warm.push_back(std::make_unique<PassTable>());
      reports.push_back(
          {warm.back().get(), static_cast<std::size_t>(LoadReport(path, *warm.back())), period});
    }
    JoinSteps warmSteps;
    JoinEverything(reports, warmSteps, state);
  }
  Times load;
  JoinSteps steps;
  Times join;
  std::size_t tableBytes = 0;
  std::size_t joinPeakBytes = 0;
  for (auto _ : state) {
    auto base = std::make_unique<PassTable>();
    auto other = std::make_unique<PassTable>();
    const std::size_t empty = heap_counter::InUse();
    std::size_t count = 0;
    load.Add([&] { count = static_cast<std::size_t>(LoadReport(path, *base)); });
    tableBytes = heap_counter::InUse() - empty;
    const std::size_t otherCount = static_cast<std::size_t>(LoadReport(path, *other));
    const std::vector<ComparedReport> reports = {{base.get(), count, period},
                                                 {other.get(), otherCount, period}};
    heap_counter::ResetPeak();
    const std::size_t loaded = heap_counter::InUse();
    const double wallBefore = join.wall;
    join.Add([&] { JoinEverything(reports, steps, state); });
    state.SetIterationTime(join.wall - wallBefore);
    joinPeakBytes = heap_counter::Peak() - loaded;
    if (count != passes) state.SkipWithError("wrong pass count");
  }
  const double iterations = static_cast<double>(state.iterations());
  const double overLoad = join.cpu / load.cpu;
  state.counters["load_cpu_ms"] = load.cpu / iterations * 1e3;
  state.counters["join_cpu_ms"] = join.cpu / iterations * 1e3;
  state.counters["join_over_load"] = overLoad;
  state.counters["inputs_cpu_ms"] = steps.inputs.cpu / iterations * 1e3;
  state.counters["match_cpu_ms"] = steps.match.cpu / iterations * 1e3;
  state.counters["figures_cpu_ms"] = steps.figures.cpu / iterations * 1e3;
  state.counters["bear_out_cpu_ms"] = steps.bearOut.cpu / iterations * 1e3;
  state.counters["table_heap_MB"] = static_cast<double>(tableBytes) / kMegabyte;
  state.counters["join_peak_heap_MB"] = static_cast<double>(joinPeakBytes) / kMegabyte;
  state.counters["join_peak_over_table"] =
      static_cast<double>(joinPeakBytes) / static_cast<double>(tableBytes);
  if (overLoad > kGoal) {
    const std::string error =
        std::to_string(overLoad) + " times the load, over the goal of " + std::to_string(kGoal);
    state.SkipWithError(error.c_str());
  }
}

// A fixed number of iterations, as the map's benchmark has, for the same reason.
BENCHMARK(BM_LoadReportThenJoin)
    ->ArgName("passes")
    ->Arg(120000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20);

}  // namespace
