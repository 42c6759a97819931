#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "JoinFigures.h"
#include "JoinedProfit.h"

namespace kvl::core {

namespace {

struct ProfitPair {
  long double base;
  long double other;
};

// Ranks from 1 by `profit`, each run of equal profits given the mean of its ranks.
template <class Profit>
std::vector<long double> MeanRanks(const std::vector<ProfitPair>& pairs, Profit profit) {
  std::vector<std::uint32_t> order(pairs.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(),
            [&](std::uint32_t a, std::uint32_t b) { return profit(pairs[a]) < profit(pairs[b]); });
  std::vector<long double> ranks(pairs.size());
  for (std::size_t first = 0; first < order.size();) {
    std::size_t end = first + 1;
    while (end < order.size() && profit(pairs[order[end]]) == profit(pairs[order[first]])) ++end;
    // Ranks first+1 to end have the mean (first + 1 + end) / 2.
    const long double mean = static_cast<long double>(first + 1 + end) / 2;
    for (std::size_t k = first; k < end; ++k) ranks[order[k]] = mean;
    first = end;
  }
  return ranks;
}

std::optional<long double> RankCorrelation(const std::vector<ProfitPair>& pairs) {
  if (pairs.size() < 2) return std::nullopt;
  const std::vector<long double> base = MeanRanks(pairs, [](const ProfitPair& p) { return p.base; });
  const std::vector<long double> other =
      MeanRanks(pairs, [](const ProfitPair& p) { return p.other; });
  // Every rank set has the same mean, (n + 1) / 2.
  const long double mean = static_cast<long double>(pairs.size() + 1) / 2;
  long double products = 0;
  long double baseSquares = 0;
  long double otherSquares = 0;
  for (std::size_t k = 0; k < pairs.size(); ++k) {
    products += (base[k] - mean) * (other[k] - mean);
    baseSquares += (base[k] - mean) * (base[k] - mean);
    otherSquares += (other[k] - mean) * (other[k] - mean);
  }
  if (baseSquares == 0 || otherSquares == 0) return std::nullopt;
  return products / std::sqrt(baseSquares * otherSquares);
}

}  // namespace

OutOfSample BearOut(const ReportJoin& join, std::span<const ComparedReport> reports,
                    std::size_t r) {
  std::vector<ProfitPair> pairs;
  pairs.reserve(join.RowCount());
  for (std::size_t row = 0; row < join.RowCount(); ++row) {
    const std::optional<long double> base = JoinedProfit(reports[0], join.BasePass(row));
    const std::optional<long double> other = JoinedProfit(reports[r], join.PassOf(row, r));
    if (base && other) pairs.push_back({*base, *other});
  }
  OutOfSample outcome;
  outcome.rows = pairs.size();
  outcome.rankCorrelation = RankCorrelation(pairs);
  outcome.bestTenth = (pairs.size() + 9) / 10;
  // Rows are in base pass order, so a stable sort leaves the lower pass first among equals.
  std::stable_sort(pairs.begin(), pairs.end(),
                   [](const ProfitPair& a, const ProfitPair& b) { return a.base > b.base; });
  outcome.bestTenthProfitable = static_cast<std::size_t>(
      std::count_if(pairs.begin(), pairs.begin() + static_cast<std::ptrdiff_t>(outcome.bestTenth),
                    [](const ProfitPair& p) { return p.other > 0; }));
  return outcome;
}

}  // namespace kvl::core
