#include <algorithm>
#include <cmath>
#include <numeric>

#include "HugeVector.h"
#include "JoinFigures.h"
#include "JoinedProfit.h"
#include "ProfitOrder.h"

namespace kvl::core {

namespace {

__extension__ typedef __int128 Wide;

// The profits of the rows where both sides have one, in row order: the base's, then the other
// report's. Every array of the reckoning holds both sides, so that it takes few fresh pages.
template <class Profit>
struct ProfitPairs {
  HugeVector<Profit> profits;
  std::size_t rows = 0;

  std::span<const Profit> Side(std::size_t side) const {
    return std::span<const Profit>(profits).subspan(side * rows, rows);
  }
};

// Profits are ranked as whole ten-thousandths where every one is a plain decimal (ProfitOrder);
// else, rarely, as CellKey reads them.
void OrderOf(std::span<const std::int64_t> profits, std::span<std::uint32_t> order,
             HugeVector<std::uint64_t>& scratch) {
  ProfitOrder(profits, order, scratch);
}

void OrderOf(std::span<const long double> profits, std::span<std::uint32_t> order,
             HugeVector<std::uint64_t>& /*scratch*/) {
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&profits](std::uint32_t a, std::uint32_t b) {
    return profits[a] < profits[b] || (profits[a] == profits[b] && a > b);
  });
}

// Writes twice the rank from 1 of each profit in that order, a run of equal profits given twice
// the mean of its ranks: whole numbers, so that the correlation is summed exactly.
template <class Profit>
void DoubledMeanRanks(std::span<const Profit> profits, std::span<const std::uint32_t> order,
                      std::span<std::uint32_t> ranks) {
  for (std::size_t first = 0; first < order.size();) {
    std::size_t end = first + 1;
    while (end < order.size() && profits[order[end]] == profits[order[first]]) ++end;
    // Ranks first+1 to end, whose mean is (first + 1 + end) / 2.
    const auto doubled = static_cast<std::uint32_t>(first + 1 + end);
    for (std::size_t k = first; k < end; ++k) ranks[order[k]] = doubled;
    first = end;
  }
}

std::optional<long double> RankCorrelation(std::span<const std::uint32_t> base,
                                           std::span<const std::uint32_t> other) {
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
  const std::size_t n = pairs.rows;
  OutOfSample outcome;
  outcome.rows = n;
  // The order of one side, then that of the other; then their ranks.
  HugeVector<std::uint32_t> work = HugeVectorFor<std::uint32_t>(4 * n);
  work.resize(4 * n);
  const std::span<std::uint32_t> orders(work.data(), 2 * n);
  const std::span<std::uint32_t> ranks(work.data() + 2 * n, 2 * n);
  HugeVector<std::uint64_t> scratch;
  for (std::size_t side = 0; side < 2; ++side) {
    OrderOf(pairs.Side(side), orders.subspan(side * n, n), scratch);
    DoubledMeanRanks(pairs.Side(side), orders.subspan(side * n, n), ranks.subspan(side * n, n));
  }
  outcome.rankCorrelation = RankCorrelation(ranks.first(n), ranks.last(n));
  outcome.bestTenth = (n + 9) / 10;
  const std::span<const Profit> other = pairs.Side(1);
  for (std::size_t k = 0; k < outcome.bestTenth; ++k) {
    if (other[orders[n - 1 - k]] > 0) ++outcome.bestTenthProfitable;
  }
  return outcome;
}

// Gathers the pairs of rows by `read(row, base, other)`, which tells whether the row has both;
// none where it fails.
template <class Profit, class Read>
std::optional<ProfitPairs<Profit>> Pairs(const ReportJoin& join, Read read) {
  ProfitPairs<Profit> pairs;
  pairs.profits = HugeVectorFor<Profit>(2 * join.RowCount());
  pairs.profits.resize(2 * join.RowCount());
  for (std::size_t row = 0; row < join.RowCount(); ++row) {
    Profit base{};
    Profit other{};
    const std::optional<bool> both = read(row, base, other);
    if (!both) return std::nullopt;
    if (!*both) continue;
    pairs.profits[pairs.rows] = base;
    pairs.profits[join.RowCount() + pairs.rows] = other;
    ++pairs.rows;
  }
  // The other side's profits follow the base's at once.
  std::copy(pairs.profits.begin() + static_cast<std::ptrdiff_t>(join.RowCount()),
            pairs.profits.begin() + static_cast<std::ptrdiff_t>(join.RowCount() + pairs.rows),
            pairs.profits.begin() + static_cast<std::ptrdiff_t>(pairs.rows));
  return pairs;
}

}  // namespace

OutOfSample BearOut(const JoinFigures& figures, std::size_t r) {
  const ReportJoin& join = figures.Join();
  // Plain profits where every profit of a row with both passes is one.
  const auto plain = Pairs<std::int64_t>(
      join, [&](std::size_t row, std::int64_t& base, std::int64_t& other) -> std::optional<bool> {
        if (join.PassOf(row, r) == 0) return false;
        const std::optional<std::int64_t> basePlain = figures.PlainProfit(row, 0);
        const std::optional<std::int64_t> otherPlain = figures.PlainProfit(row, r);
        if (!basePlain || !otherPlain) return std::nullopt;
        base = *basePlain;
        other = *otherPlain;
        return true;
      });
  if (plain) return BearOutPairs(*plain);
  const std::span<const ComparedReport> reports = figures.Reports();
  return BearOutPairs(*Pairs<long double>(
      join, [&](std::size_t row, long double& base, long double& other) -> std::optional<bool> {
        const std::optional<long double> baseValue = JoinedProfit(reports[0], join.BasePass(row));
        const std::optional<long double> otherValue = JoinedProfit(reports[r], join.PassOf(row, r));
        if (!baseValue || !otherValue) return false;
        base = *baseValue;
        other = *otherValue;
        return true;
      }));
}

OutOfSample BearOut(const ReportJoin& join, std::span<const ComparedReport> reports,
                    std::size_t r) {
  return BearOut(JoinFigures(join, reports), r);
}

}  // namespace kvl::core
