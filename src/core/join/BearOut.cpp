#include <algorithm>
#include <cmath>
#include <vector>

#include "JoinFigures.h"
#include "JoinedProfit.h"

namespace kvl::core {

namespace {

struct ProfitPair {
  long double base;
  long double other;
};

struct RankedProfit {
  long double profit;
  std::uint32_t pair;
};

// The pairs by one side's profit, ascending; of equal profits the later pair first, so that read
// backwards they come by profit descending, the lower pass first.
template <class Profit>
std::vector<RankedProfit> ByProfit(const std::vector<ProfitPair>& pairs, Profit profit) {
  std::vector<RankedProfit> order(pairs.size());
  for (std::size_t k = 0; k < pairs.size(); ++k) {
    order[k] = {profit(pairs[k]), static_cast<std::uint32_t>(k)};
  }
  std::sort(order.begin(), order.end(), [](const RankedProfit& a, const RankedProfit& b) {
    return a.profit < b.profit || (a.profit == b.profit && a.pair > b.pair);
  });
  return order;
}

// Ranks from 1 in that order, each run of equal profits given the mean of its ranks.
std::vector<long double> MeanRanks(const std::vector<RankedProfit>& order) {
  std::vector<long double> ranks(order.size());
  for (std::size_t first = 0; first < order.size();) {
    std::size_t end = first + 1;
    while (end < order.size() && order[end].profit == order[first].profit) ++end;
    // Ranks first+1 to end have the mean (first + 1 + end) / 2.
    const long double mean = static_cast<long double>(first + 1 + end) / 2;
    for (std::size_t k = first; k < end; ++k) ranks[order[k].pair] = mean;
    first = end;
  }
  return ranks;
}

std::optional<long double> RankCorrelation(const std::vector<RankedProfit>& baseOrder,
                                           const std::vector<RankedProfit>& otherOrder) {
  if (baseOrder.size() < 2) return std::nullopt;
  const std::vector<long double> base = MeanRanks(baseOrder);
  const std::vector<long double> other = MeanRanks(otherOrder);
  // Every rank set has the same mean, (n + 1) / 2.
  const long double mean = static_cast<long double>(base.size() + 1) / 2;
  long double products = 0;
  long double baseSquares = 0;
  long double otherSquares = 0;
  for (std::size_t k = 0; k < base.size(); ++k) {
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
    if (row + kProfitsAhead < join.RowCount()) {
      PrefetchProfit(reports[0], join.BasePass(row + kProfitsAhead));
      PrefetchProfit(reports[r], join.PassOf(row + kProfitsAhead, r));
    }
    const std::optional<long double> base = JoinedProfit(reports[0], join.BasePass(row));
    const std::optional<long double> other = JoinedProfit(reports[r], join.PassOf(row, r));
    if (base && other) pairs.push_back({*base, *other});
  }
  const std::vector<RankedProfit> baseOrder =
      ByProfit(pairs, [](const ProfitPair& p) { return p.base; });
  OutOfSample outcome;
  outcome.rows = pairs.size();
  outcome.rankCorrelation =
      RankCorrelation(baseOrder, ByProfit(pairs, [](const ProfitPair& p) { return p.other; }));
  outcome.bestTenth = (pairs.size() + 9) / 10;
  for (std::size_t k = 0; k < outcome.bestTenth; ++k) {
    if (pairs[baseOrder[baseOrder.size() - 1 - k].pair].other > 0) ++outcome.bestTenthProfitable;
  }
  return outcome;
}

}  // namespace kvl::core
