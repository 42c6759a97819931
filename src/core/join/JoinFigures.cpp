#include "JoinFigures.h"

#include <limits>

#include "JoinedProfit.h"
#include "WalkForwardEfficiency.h"

namespace kvl::core {

JoinFigures::JoinFigures(const ReportJoin& join, std::span<const ComparedReport> reports)
    : join_(join), reports_(reports) {
  const std::size_t rows = join.RowCount();
  const std::size_t reportCount = join.ReportCount();
  worstReport_ = HugeVectorFor<std::uint16_t>(rows);
  worstReport_.resize(rows, kNoWorst);
  efficiencyEnds_ = HugeVectorFor<std::uint32_t>(rows * (reportCount - 1));
  // Room for the most common efficiencies, "0.97" to "-12.34"; longer ones grow it.
  efficiencies_ = HugeVectorFor<char>(rows * (reportCount - 1) * 6);
  plainProfits_ = HugeVectorFor<std::int64_t>(rows * reportCount);
  std::vector<std::optional<JoinedProfitCell>> profits(reportCount);
  for (std::size_t row = 0; row < rows; ++row) {
    if (row + kProfitsAhead < rows) {
      for (std::size_t r = 0; r < reportCount; ++r) {
        PrefetchProfit(reports[r], join.PassOf(row + kProfitsAhead, r));
      }
    }
    bool everyProfit = true;
    long double worst = std::numeric_limits<long double>::infinity();
    for (std::size_t r = 0; r < reportCount; ++r) {
      profits[r] = ReadJoinedProfit(reports[r], join.PassOf(row, r));
      plainProfits_.push_back(profits[r] && profits[r]->tenThousandths ? *profits[r]->tenThousandths
                                                                        : kNotPlain);
      everyProfit = everyProfit && profits[r];
      if (profits[r] && (profits[r]->value < worst || worstReport_[row] == kNoWorst)) {
        worst = profits[r]->value;
        worstReport_[row] = static_cast<std::uint16_t>(r);
      }
    }
    if (!everyProfit) worstReport_[row] = kNoWorst;
    for (std::size_t r = 1; r < reportCount; ++r) {
      if (profits[0] && profits[0]->value > 0 && profits[r] && reports[0].period &&
          reports[r].period) {
        AppendEfficiency(efficiencies_, *profits[r], *reports[r].period, *profits[0],
                         *reports[0].period);
      }
      efficiencyEnds_.push_back(static_cast<std::uint32_t>(efficiencies_.size()));
    }
  }
}

std::string_view JoinFigures::ProfitWorst(std::size_t row) const noexcept {
  const std::uint16_t r = worstReport_[row];
  if (r == kNoWorst) return {};
  return (*reports_[r].table)[join_.PassOf(row, r) - 1].Profit;
}

std::string_view JoinFigures::Efficiency(std::size_t row, std::size_t r) const noexcept {
  const std::size_t k = row * (join_.ReportCount() - 1) + (r - 1);
  const std::uint32_t begin = k == 0 ? 0 : efficiencyEnds_[k - 1];
  return std::string_view(efficiencies_.data() + begin, efficiencyEnds_[k] - begin);
}

std::optional<std::int64_t> JoinFigures::PlainProfit(std::size_t row,
                                                     std::size_t r) const noexcept {
  const std::int64_t profit = plainProfits_[row * join_.ReportCount() + r];
  if (profit == kNotPlain) return std::nullopt;
  return profit;
}

}  // namespace kvl::core
