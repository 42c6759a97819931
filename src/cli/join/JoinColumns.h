#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <cli/rows/ListedColumns.h>
#include <cli/selection/PassSelection.h>
#include <core/ResultColumns.h>
#include <core/join/JoinFigures.h>

#include "JoinedReports.h"

namespace kvl::cli {

// A column of a join's listing: a report's cell, named "LABEL:COLUMN" (COLUMN a result column's
// tsv name), the lowest profit of the row's passes, or a later report's efficiency.
struct JoinColumnHead {
  enum class Kind { kReportCell, kProfitWorst, kEfficiency };

  Kind kind;
  std::size_t report;                 // of the cell or the efficiency; 0 for the worst profit
  const core::ResultColumn* cellsOf;  // the column whose cells the texts are; null for decimals
  std::string name;                   // in tsv, csv and json, UTF-8
  std::string caption;                // heads the aligned table in the user's language
};

// The columns of a join of reports labelled `labels`, in their order: each report's index and
// result columns, then profit-worst, then the efficiency of each report after the base.
std::vector<JoinColumnHead> JoinColumnHeads(std::span<const std::string> labels);

// The names of those columns, which the options of the join may name before the reports are read.
std::vector<std::string> JoinColumnNames(std::span<const std::string> labels);

// The joined columns' texts, of the base pass numbered k at k-1 as a figure column's are, empty for
// a base pass that is not joined and where a row lacks a report's pass or a figure.
class JoinColumns {
 public:
  // `reports` must outlive the columns.
  explicit JoinColumns(const JoinedReports& reports);
  JoinColumns(const JoinColumns&) = delete;
  JoinColumns& operator=(const JoinColumns&) = delete;

  // Views that last as long as this.
  std::vector<ListedColumn> Listed() const;
  std::vector<FigureColumn> Sortable() const;

 private:
  std::string_view Text(const JoinedReports& reports, const JoinColumnHead& head,
                        std::size_t row) const;

  std::vector<JoinColumnHead> heads_;
  std::unique_ptr<core::JoinFigures> figures_;
  std::vector<std::vector<std::string_view>> texts_;  // a column's, of each base pass
};

}  // namespace kvl::cli
