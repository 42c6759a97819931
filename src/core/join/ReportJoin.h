#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <core/PassTable.h>
#include <core/parametermap/ParameterSpace.h>

#include "HugeVector.h"
#include "TestedPeriod.h"

namespace kvl::core {

// One report of a comparison, loaded by the caller: passes 1 to count in slots 0 to count-1.
// The table must outlive the join, whose names are views of its text.
struct ComparedReport {
  const PassTable* table = nullptr;
  std::size_t count = 0;
  std::optional<TestedPeriod> period;
};

struct JoinRules {
  // The inputs that count, by name in the ANSI code page; empty: every input that both reports
  // of a pair have.
  std::vector<std::string> on;
  // Keep the base passes without a match in some report, with pass 0 there.
  bool all = false;
};

// How the inputs of the base and of one other report meet, names in the ANSI code page. A pass's
// inputs are its name=value pairs as the parameter map reads them (ParameterSpace): optimized
// inputs and constants alike. A report's order of its inputs is its space's: the optimized ones,
// then the constants.
struct PairInputs {
  std::vector<std::string_view> counted;     // shared and counted, in the base's order
  std::vector<std::string_view> ignored;     // only one of the two has them: the base's first
  std::vector<std::string_view> notCounted;  // shared, but not named by JoinRules::on
  std::vector<std::string_view> missingOn;   // named by JoinRules::on, but not in both reports;
                                             // views of the join's own copy of the names
};

// What a comparison found of each report.
struct ComparedCounts {
  std::size_t passes = 0;     // the report's passes
  std::size_t leftOut = 0;    // left out of its parameter space, so of the join
  std::size_t repeated = 0;   // passes whose inputs a lower pass of the report already has: of
                              // the base, all its inputs; of another report, those counted
  std::size_t unmatched = 0;  // of the other reports: passes that match no base pass; of the
                              // base: base passes without a match in at least one report
};

// The passes of two or more reports of one expert matched by their inputs: passes match where
// every counted input has the same value, as numbers where both values are numbers (CellToFloat:
// 1.5 matches 1.50), else as the same text. Where a report holds several passes with the same
// inputs, the lowest pass number stands for them.
class ReportJoin {
 public:
  // Reads the reports' inputs and how each pair meets, matches no pass yet. reports[0] is the
  // base; at least two.
  static ReportJoin Inputs(std::span<const ComparedReport> reports, const JoinRules& rules);

  // Of reports[r], r >= 1, with the base.
  const PairInputs& InputsOf(std::size_t r) const;
  // Whether the comparison can be made: every pair counts at least one input, and no name of
  // JoinRules::on is missing. The caller says why not, in its own words, from InputsOf().
  bool CanMatch() const noexcept;

  // Matches the passes. Call once, and only when CanMatch().
  void Match();

  std::size_t ReportCount() const noexcept;
  // The joined passes, in base pass order: every base pass that matches in every report, and
  // with JoinRules::all every base pass in the map.
  std::size_t RowCount() const noexcept;
  std::uint32_t BasePass(std::size_t row) const noexcept;
  // The pass of reports[r] in row `row`; 0 where it has none. PassOf(row, 0) is BasePass(row).
  std::uint32_t PassOf(std::size_t row, std::size_t r) const noexcept;
  // The row of a base pass, if it is joined.
  std::optional<std::size_t> RowOfBasePass(std::uint32_t pass) const noexcept;

  const ComparedCounts& CountsOf(std::size_t r) const;

 private:
  std::vector<ParameterSpace> spaces_;
  std::vector<PairInputs> pairs_;  // of reports 1 to ReportCount()-1
  std::vector<ComparedCounts> counts_;
  bool all_ = false;
  // JoinRules::on, which missing names are views of, shared by copies of the join.
  std::shared_ptr<const std::vector<std::string>> onNames_;
  // ReportCount() passes per row.
  HugeVector<std::uint32_t> rows_;
};

}  // namespace kvl::core
