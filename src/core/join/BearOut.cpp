#include <algorithm>
#include <cmath>
#include <vector>

#include <core/parametermap/ExactDecimal.h>

#include "HugeVector.h"
#include "JoinFigures.h"
#include "JoinedProfit.h"

namespace kvl::core {

namespace {

// Profits are compared as whole ten-thousandths where every one is a plain decimal, which sorts
// several times faster than extended precision and orders them the same; else as CellKey reads
// them.
template <class Profit>
struct ProfitPair {
  Profit base;
  Profit other;
};

template <class Profit>
struct RankedProfit {
  Profit profit;
  std::uint32_t pair;
};

// The pairs by one side's profit, ascending; of equal profits the later pair first, so that read
// backwards they come by profit descending, the lower pass first.
template <class Profit, class Side>
HugeVector<RankedProfit<Profit>> ByProfit(const HugeVector<ProfitPair<Profit>>& pairs, Side side) {
  HugeVector<RankedProfit<Profit>> order = HugeVectorFor<RankedProfit<Profit>>(pairs.size());
  order.resize(pairs.size());
  for (std::size_t k = 0; k < pairs.size(); ++k) {
    order[k] = {pairs[k].*side, static_cast<std::uint32_t>(k)};
  }
  std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
    return a.profit < b.profit || (a.profit == b.profit && a.pair > b.pair);
  });
  return order;
}

// Ranks from 1 in that order, each run of equal profits given the mean of its ranks.
template <class Profit>
HugeVector<long double> MeanRanks(const HugeVector<RankedProfit<Profit>>& order) {
  HugeVector<long double> ranks = HugeVectorFor<long double>(order.size());
  ranks.resize(order.size());
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

template <class Profit>
std::optional<long double> RankCorrelation(const HugeVector<RankedProfit<Profit>>& baseOrder,
                                           const HugeVector<RankedProfit<Profit>>& otherOrder) {
  if (baseOrder.size() < 2) return std::nullopt;
  const HugeVector<long double> base = MeanRanks(baseOrder);
  const HugeVector<long double> other = MeanRanks(otherOrder);
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

template <class Profit>
OutOfSample BearOutPairs(const HugeVector<ProfitPair<Profit>>& pairs) {
  const HugeVector<RankedProfit<Profit>> baseOrder = ByProfit(pairs, &ProfitPair<Profit>::base);
  OutOfSample outcome;
  outcome.rows = pairs.size();
  outcome.rankCorrelation = RankCorrelation(baseOrder, ByProfit(pairs, &ProfitPair<Profit>::other));
  outcome.bestTenth = (pairs.size() + 9) / 10;
  for (std::size_t k = 0; k < outcome.bestTenth; ++k) {
    if (pairs[baseOrder[baseOrder.size() - 1 - k].pair].other > 0) ++outcome.bestTenthProfitable;
  }
  return outcome;
}

// The rows' profits in ten-thousandths; none where a profit of a row with both passes is not a
// plain decimal.
std::optional<HugeVector<ProfitPair<std::int64_t>>> PlainProfits(
    const ReportJoin& join, std::span<const ComparedReport> reports, std::size_t r) {
  auto pairs = HugeVectorFor<ProfitPair<std::int64_t>>(join.RowCount());
  for (std::size_t row = 0; row < join.RowCount(); ++row) {
    if (row + kProfitsAhead < join.RowCount()) {
      PrefetchProfit(reports[0], join.BasePass(row + kProfitsAhead));
      PrefetchProfit(reports[r], join.PassOf(row + kProfitsAhead, r));
    }
    const std::uint32_t otherPass = join.PassOf(row, r);
    if (otherPass == 0) continue;
    const std::optional<std::int64_t> base =
        TenThousandths((*reports[0].table)[join.BasePass(row) - 1].Profit);
    const std::optional<std::int64_t> other =
        TenThousandths((*reports[r].table)[otherPass - 1].Profit);
    if (!base || !other) return std::nullopt;
    pairs.push_back({*base, *other});
  }
  return pairs;
}

}  // namespace

OutOfSample BearOut(const ReportJoin& join, std::span<const ComparedReport> reports,
                    std::size_t r) {
  if (const auto plain = PlainProfits(join, reports, r)) return BearOutPairs(*plain);
  auto pairs = HugeVectorFor<ProfitPair<long double>>(join.RowCount());
  for (std::size_t row = 0; row < join.RowCount(); ++row) {
    const std::optional<long double> base = JoinedProfit(reports[0], join.BasePass(row));
    const std::optional<long double> other = JoinedProfit(reports[r], join.PassOf(row, r));
    if (base && other) pairs.push_back({*base, *other});
  }
  return BearOutPairs(pairs);
}

}  // namespace kvl::core
