#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <cli/rows/ListedColumns.h>
#include <cli/selection/PassSelection.h>
#include <core/PassTable.h>

namespace kvl::cli {

// The neighbourhood figures of every pass for one result column, as the three columns that
// list --robust COLUMN adds: COLUMN-neighbours (the number of neighbours found), COLUMN-min and
// COLUMN-mean over the pass and its neighbours. A pass left out of the map has empty cells there;
// one without neighbours, or whose neighbourhood holds a cell that does not convert, has an empty
// min and mean.
class RobustColumns {
 public:
  // Raises UsageError for a name that is not a result column other than the index.
  RobustColumns(const core::PassTable& table, std::size_t count, std::string_view columnName);
  RobustColumns(const RobustColumns&) = delete;
  RobustColumns& operator=(const RobustColumns&) = delete;

  std::vector<ListedColumn> Listed() const;
  std::vector<FigureColumn> Sortable() const;

 private:
  // The figures in the order of their columns; the min is a cell of the source column.
  static constexpr std::size_t kNeighbours = 0;
  static constexpr std::size_t kMin = 1;
  static constexpr std::size_t kMean = 2;
  static constexpr std::size_t kFigures = 3;

  const core::ResultColumn& source_;
  std::array<std::string, kFigures> names_;
  std::array<std::string, kFigures> captions_;
  std::vector<std::string> neighbours_;
  std::vector<std::string> means_;
  std::array<std::vector<std::string_view>, kFigures> texts_;
};

}  // namespace kvl::cli
