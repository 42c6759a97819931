#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "HugeVector.h"
#include "JoinFigures.h"
#include "JoinedProfit.h"
#include "ProfitOrder.h"

namespace kvl::core {

namespace {

__extension__ typedef __int128 Wide;

// One side's profits of the rows where both sides have one, in row order.
template <class Profit>
struct ProfitPairs {
  HugeVector<Profit> base;
  HugeVector<Profit> other;
};

// Profits are ranked as whole ten-thousandths where every one is a plain decimal (ProfitOrder);
// else, rarely, as CellKey reads them.
HugeVector<std::uint32_t> OrderOf(const HugeVector<std::int64_t>& profits) {
  return ProfitOrder(profits);
}

HugeVector<std::uint32_t> OrderOf(const HugeVector<long double>& profits) {
  HugeVector<std::uint32_t> order = HugeVectorFor<std::uint32_t>(profits.size());
  order.resize(profits.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&profits](std::uint32_t a, std::uint32_t b) {
    return profits[a] < profits[b] || (profits[a] == profits[b] && a > b);
  });
  return order;
}

// Twice the rank from 1 of each profit in that order, a run of equal profits given twice the
// mean of its ranks: whole numbers, so that the correlation is summed exactly.
template <class Profit>
HugeVector<std::uint64_t> DoubledMeanRanks(const HugeVector<Profit>& profits,
                                           const HugeVector<std::uint32_t>& order) {
  HugeVector<std::uint64_t> ranks = HugeVectorFor<std::uint64_t>(order.size());
  ranks.resize(order.size());
  for (std::size_t first = 0; first < order.size();) {
    std::size_t end = first + 1;
    while (end < order.size() && profits[order[end]] == profits[order[first]]) ++end;
    // Ranks first+1 to end, whose mean is (first + 1 + end) / 2.
    for (std::size_t k = first; k < end; ++k) ranks[order[k]] = first + 1 + end;
    first = end;
  }
  return ranks;
}

std::optional<long double> RankCorrelation(const HugeVector<std::uint64_t>& base,
                                           const HugeVector<std::uint64_t>& other) {
  if (base.size() < 2) return std::nullopt;
  // Every rank set has the same mean, (n + 1) / 2: twice it is n + 1.
  const auto mean = static_cast<Wide>(base.size() + 1);
  Wide products = 0;
  Wide baseSquares = 0;
  Wide otherSquares = 0;
  for (std::size_t k = 0; k < base.size(); ++k) {
    const Wide b = static_cast<Wide>(base[k]) - mean;
    const Wide o = static_cast<Wide>(other[k]) - mean;
    products += b * o;
    baseSquares += b * b;
    otherSquares += o * o;
  }
  if (baseSquares == 0 || otherSquares == 0) return std::nullopt;
  // Each sum is four times that of the ranks themselves, which the quotient cancels exactly.
  return static_cast<long double>(products) /
         std::sqrt(static_cast<long double>(baseSquares) * static_cast<long double>(otherSquares));
}

template <class Profit>
OutOfSample BearOutPairs(const ProfitPairs<Profit>& pairs) {
  const HugeVector<std::uint32_t> baseOrder = OrderOf(pairs.base);
  OutOfSample outcome;
  outcome.rows = pairs.base.size();
  outcome.rankCorrelation = RankCorrelation(DoubledMeanRanks(pairs.base, baseOrder),
                                            DoubledMeanRanks(pairs.other, OrderOf(pairs.other)));
  outcome.bestTenth = (outcome.rows + 9) / 10;
  for (std::size_t k = 0; k < outcome.bestTenth; ++k) {
    if (pairs.other[baseOrder[baseOrder.size() - 1 - k]] > 0) ++outcome.bestTenthProfitable;
  }
  return outcome;
}

template <class Profit>
ProfitPairs<Profit> PairsFor(std::size_t rows) {
  return {HugeVectorFor<Profit>(rows), HugeVectorFor<Profit>(rows)};
}

// The rows' plain profits; none where a profit of a row with both passes is another text.
std::optional<ProfitPairs<std::int64_t>> PlainPairs(const JoinFigures& figures, std::size_t r) {
  const ReportJoin& join = figures.Join();
  auto pairs = PairsFor<std::int64_t>(join.RowCount());
  for (std::size_t row = 0; row < join.RowCount(); ++row) {
    if (join.PassOf(row, r) == 0) continue;
    const std::optional<std::int64_t> base = figures.PlainProfit(row, 0);
    const std::optional<std::int64_t> other = figures.PlainProfit(row, r);
    if (!base || !other) return std::nullopt;
    pairs.base.push_back(*base);
    pairs.other.push_back(*other);
  }
  return pairs;
}

}  // namespace

OutOfSample BearOut(const JoinFigures& figures, std::size_t r) {
  if (const auto plain = PlainPairs(figures, r)) return BearOutPairs(*plain);
  const ReportJoin& join = figures.Join();
  const std::span<const ComparedReport> reports = figures.Reports();
  auto pairs = PairsFor<long double>(join.RowCount());
  for (std::size_t row = 0; row < join.RowCount(); ++row) {
    const std::optional<long double> base = JoinedProfit(reports[0], join.BasePass(row));
    const std::optional<long double> other = JoinedProfit(reports[r], join.PassOf(row, r));
    if (!base || !other) continue;
    pairs.base.push_back(*base);
    pairs.other.push_back(*other);
  }
  return BearOutPairs(pairs);
}

OutOfSample BearOut(const ReportJoin& join, std::span<const ComparedReport> reports,
                    std::size_t r) {
  return BearOut(JoinFigures(join, reports), r);
}

}  // namespace kvl::core
