#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "HugeVector.h"
#include "ReportJoin.h"

namespace kvl::core {

// The figures of a join's rows, as texts in the ANSI code page, empty where a row has none, so
// that they are listed, sorted and filtered as a report's cells are. A profit is read as its
// column reads it (CellKey).
class JoinFigures {
 public:
  // `join` has matched; `reports` are those it was made of. Both must outlive the figures.
  JoinFigures(const ReportJoin& join, std::span<const ComparedReport> reports);

  // The lowest profit of the row's passes, as its report writes it; empty where the row lacks a
  // pass or a profit does not convert.
  std::string_view ProfitWorst(std::size_t row) const noexcept;
  // Of reports[r], r >= 1: its profit per year of its period over the base's profit per year of
  // the base's period, with two decimals, an exact half rounded away from zero; empty where the
  // base's profit is not above 0, a period is missing, a pass is missing or a profit does not
  // convert.
  std::string_view Efficiency(std::size_t row, std::size_t r) const noexcept;
  // The profit of the row's pass of reports[r] in ten-thousandths (see parametermap/ExactDecimal.h)
  // where it is a plain decimal; none where the row lacks the pass or its profit is another text.
  std::optional<std::int64_t> PlainProfit(std::size_t row, std::size_t r) const noexcept;

  const ReportJoin& Join() const noexcept { return join_; }
  std::span<const ComparedReport> Reports() const noexcept { return reports_; }

 private:
  static constexpr std::int64_t kNotPlain = std::numeric_limits<std::int64_t>::min();

  static constexpr std::uint16_t kNoWorst = 0xFFFF;

  const ReportJoin& join_;
  std::span<const ComparedReport> reports_;
  HugeVector<std::uint16_t> worstReport_;  // per row: the report of the lowest profit
  // The efficiencies of every row, reports 1 to ReportCount()-1 in turn, one after another:
  // efficiency k ends at efficiencyEnds_[k] and begins where the one before ends.
  HugeVector<char> efficiencies_;
  HugeVector<std::uint32_t> efficiencyEnds_;
  // ReportCount() per row, kNotPlain where there is none: every profit is read once, for the
  // figures and for how the reports bear out.
  HugeVector<std::int64_t> plainProfits_;
};

// How reports[r], r >= 1, bears out the base, over the rows where both have a pass whose profit
// converts.
struct OutOfSample {
  std::size_t rows = 0;
  // Spearman's rank correlation of the two profits, ties given their mean rank; none below two
  // rows, or where either side's profits are all equal.
  std::optional<long double> rankCorrelation;
  // The base's best tenth by profit (rows/10 rounded up; of equal profits the lower base pass
  // first), and how many of them earn more than 0 in reports[r].
  std::size_t bestTenth = 0;
  std::size_t bestTenthProfitable = 0;
};

OutOfSample BearOut(const JoinFigures& figures, std::size_t r);
// The same, working out the figures first.
OutOfSample BearOut(const ReportJoin& join, std::span<const ComparedReport> reports, std::size_t r);

}  // namespace kvl::core
