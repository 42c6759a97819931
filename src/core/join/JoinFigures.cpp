#include "JoinFigures.h"

#include <limits>

#include "JoinedProfit.h"
#include "WalkForwardEfficiency.h"

namespace kvl::core {

JoinFigures::JoinFigures(const ReportJoin& join, std::span<const ComparedReport> reports)
    : join_(join), reports_(reports) {
  const std::size_t rows = join.RowCount();
  const std::size_t reportCount = join.ReportCount();
  worstReport_.assign(rows, kNoWorst);
  efficiencyEnds_.reserve(rows * (reportCount - 1));
  std::vector<std::optional<long double>> profits(reportCount);
  for (std::size_t row = 0; row < rows; ++row) {
    bool everyProfit = true;
    long double worst = std::numeric_limits<long double>::infinity();
    for (std::size_t r = 0; r < reportCount; ++r) {
      profits[r] = JoinedProfit(reports[r], join.PassOf(row, r));
      everyProfit = everyProfit && profits[r];
      if (profits[r] && (*profits[r] < worst || worstReport_[row] == kNoWorst)) {
        worst = *profits[r];
        worstReport_[row] = static_cast<std::uint16_t>(r);
      }
    }
    if (!everyProfit) worstReport_[row] = kNoWorst;
    const std::string_view baseProfit = (*reports[0].table)[join.BasePass(row) - 1].Profit;
    for (std::size_t r = 1; r < reportCount; ++r) {
      if (profits[0] && *profits[0] > 0 && profits[r] && reports[0].period && reports[r].period) {
        AppendEfficiency(efficiencies_, (*reports[r].table)[join.PassOf(row, r) - 1].Profit,
                         *reports[r].period, baseProfit, *reports[0].period);
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
  return std::string_view(efficiencies_).substr(begin, efficiencyEnds_[k] - begin);
}

}  // namespace kvl::core
