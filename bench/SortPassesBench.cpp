#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <core/CellConvert.h>
#include <core/PassTable.h>
#include <core/ReportLoader.h>
#include <core/sort/ExchangeSortOrder.h>
#include <core/sort/RowOrder.h>

#include "BenchReport.h"

using namespace kvl::core;

namespace {

constexpr int kProfitColumn = 1;
constexpr int kTradesColumn = 2;
constexpr int kDrawdownColumn = 5;
constexpr int kPasses = static_cast<int>(PassTable::kCapacity);

std::string TwoDecimals(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

// A text that lives as long as the benchmarks, for the fields of the report's rows.
PassText Kept(std::string text) {
  static std::deque<std::string> texts;
  return texts.emplace_back(std::move(text));
}

// A full report as an optimization leaves it: profits and drawdowns in cents, trade counts from a
// narrow band so that many passes share one.
const std::vector<PassRecord>& ReportRows() {
  static const std::vector<PassRecord> rows = [] {
    std::mt19937 rng(42);
    std::normal_distribution<double> profit(1500.0, 2500.0);
    std::uniform_int_distribution<int> trades(40, 260);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<PassRecord> result(kPasses);
    for (int pass = 0; pass < kPasses; ++pass) {
      auto& row = result[static_cast<std::size_t>(pass)];
      const double p = profit(rng);
      row.Index = Kept(std::to_string(pass + 1));
      row.Params = Kept("Lots=0.1; StopLoss=" + std::to_string(pass % 300) + "; ");
      row.Profit = Kept(TwoDecimals(p));
      row.Trades = Kept(std::to_string(trades(rng)));
      row.ProfitFactor = Kept(TwoDecimals(0.5 + 2.0 * unit(rng)));
      row.ExpectedPayoff = Kept(TwoDecimals(p / 100.0));
      row.DrawdownMoney = Kept(TwoDecimals(5000.0 * unit(rng)));
      row.DrawdownPercent = Kept(TwoDecimals(50.0 * unit(rng)));
    }
    return result;
  }();
  return rows;
}

void LoadInto(PassTable& table) {
  const auto& rows = ReportRows();
  for (std::size_t slot = 0; slot < rows.size(); ++slot) table[slot] = rows[slot];
}

const PassTable& LoadedTable() {
  static const PassTable table = [] {
    PassTable loaded;
    LoadInto(loaded);
    return loaded;
  }();
  return table;
}

// Times a largest-first sort by column `column` of the rows as `start` orders them, each
// iteration from `start` again. The sorted order is kept as a window keeps its order, so that the
// sort takes its memory as the window's would.
void TimeSortsFrom(benchmark::State& state, const PassTable& table, const RowOrder& start,
                   int column) {
  RowOrder order;
  for (auto _ : state) {
    state.PauseTiming();
    order = start;
    state.ResumeTiming();
    SortRows(table, column, true, order);
    benchmark::DoNotOptimize(order.PassAt(Row{0}));
  }
}

// The first sort after a load: the rows in the load order, so in the table's.
void BM_SortPasses(benchmark::State& state) {
  TimeSortsFrom(state, LoadedTable(), RowOrder(kPasses), static_cast<int>(state.range(0)));
}

// A sort of rows that an earlier sort, by drawdown, has put all over the table.
void BM_SortPassesAfterASort(benchmark::State& state) {
  const PassTable& table = LoadedTable();
  RowOrder sorted(kPasses);
  SortRows(table, kDrawdownColumn, true, sorted);
  TimeSortsFrom(state, table, sorted, static_cast<int>(state.range(0)));
}

// A report as a load leaves it, its cells in the report's text: sorted by profit once loaded, and
// after a sort by drawdown has put its rows all over the table.
void SortLoadedReport(benchmark::State& state, bool afterASort) {
  const auto passes = static_cast<std::size_t>(state.range(0));
  PassTable table;
  const RowOrder loadOrder(static_cast<std::size_t>(LoadReport(BenchReportPath(passes), table)));
  RowOrder sorted = loadOrder;
  if (afterASort) SortRows(table, kDrawdownColumn, true, sorted);
  TimeSortsFrom(state, table, sorted, kProfitColumn);
}

void BM_SortLoadedReport(benchmark::State& state) {
  SortLoadedReport(state, false);
}

void BM_SortLoadedReportAfterASort(benchmark::State& state) {
  SortLoadedReport(state, true);
}

// The floor to measure against: each cell converted once and the keys ordered by a library sort.
template <class Key>
void ConvertAndStableSort(benchmark::State& state, PassText PassRecord::*field,
                          Key (*convert)(std::string_view)) {
  static PassTable table;
  LoadInto(table);
  for (auto _ : state) {
    std::vector<std::pair<Key, int>> keys;
    keys.reserve(kPasses);
    for (int slot = 0; slot < kPasses; ++slot) {
      keys.emplace_back(convert(table[static_cast<std::size_t>(slot)].*field), slot);
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return b.first < a.first; });
    benchmark::DoNotOptimize(keys.data());
  }
}

// The order alone, from keys already converted: what the sort adds to converting.
template <class Key>
void ExchangeOrderOnly(benchmark::State& state, PassText PassRecord::*field,
                       Key (*convert)(std::string_view)) {
  std::vector<Key> keys;
  for (const auto& row : ReportRows()) keys.push_back(convert(row.*field));
  for (auto _ : state) {
    benchmark::DoNotOptimize(ExchangeSortOrder<Key>(keys, true).data());
  }
}

void BM_ExchangeSortOrderProfit(benchmark::State& state) {
  ExchangeOrderOnly<long double>(state, &PassRecord::Profit, CellToFloat);
}

void BM_ExchangeSortOrderTrades(benchmark::State& state) {
  ExchangeOrderOnly<std::int32_t>(state, &PassRecord::Trades, CellToInt);
}

void BM_ConvertAndStableSortProfit(benchmark::State& state) {
  ConvertAndStableSort<long double>(state, &PassRecord::Profit, CellToFloat);
}

void BM_ConvertAndStableSortTrades(benchmark::State& state) {
  ConvertAndStableSort<std::int32_t>(state, &PassRecord::Trades, CellToInt);
}

BENCHMARK(BM_SortPasses)
    ->ArgName("column")
    ->Arg(kProfitColumn)
    ->Arg(kTradesColumn)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortPassesAfterASort)
    ->ArgName("column")
    ->Arg(kProfitColumn)
    ->Arg(kTradesColumn)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortLoadedReport)
    ->ArgName("passes")
    ->Arg(120000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortLoadedReportAfterASort)
    ->ArgName("passes")
    ->Arg(120000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExchangeSortOrderProfit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExchangeSortOrderTrades)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertAndStableSortProfit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertAndStableSortTrades)->Unit(benchmark::kMillisecond);

}  // namespace
