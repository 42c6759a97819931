#pragma once

#include <string>
#include <string_view>

namespace kvl::cli {

// One `--sort COLUMN:desc|asc` of the list command: COLUMN is a column's tab-separated name or
// its number 0 to 6, or a neighbourhood figure of a result column (profit-min and the like).
struct SortRequest {
  int columnId;
  bool largestFirst;
  std::string figureColumn = {};  // the figure column's name; empty for a result column
};

// Raises UsageError for an unknown column or direction. Whether a figure column is there to
// sort by is known only once the figures are.
SortRequest ParseSortRequest(std::string_view value);

// Whether `column` names a neighbourhood figure: a result column's name other than index, "-",
// and neighbours, min or mean.
bool IsFigureColumn(std::string_view column);

}  // namespace kvl::cli
