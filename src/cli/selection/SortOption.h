#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvl::cli {

// One key of a sort: a result column, by its tab-separated name or its number 0 to 6, a
// neighbourhood figure of a result column (profit-min and the like) or an input (param:NAME).
struct SortRequest {
  int columnId;
  bool largestFirst;
  // The figure column's name: a neighbourhood figure's, or an input's as "param:NAME"; empty for
  // a result column.
  std::string figureColumn = {};
  std::string parameter = {};  // an input's name in the ANSI code page; empty for any other key
};

// The names of the figure columns that a command adds beyond the neighbourhood figures and the
// inputs, such as a join's "oos:profit", which its keys and conditions may name.
using AddedFigureNames = std::span<const std::string>;

// One `--sort COLUMN:desc|asc`. Raises UsageError for an unknown column or direction. Whether a
// figure column is there to sort by is known only once the figures are.
SortRequest ParseSortRequest(std::string_view value, AddedFigureNames added = {});

// The keys of one `--order KEY[:asc|:desc],KEY...`, the first the most significant, ascending
// unless the key says otherwise; blanks may stand around each key. Raises UsageError for an
// empty or unknown key.
std::vector<SortRequest> ParseOrderKeys(std::string_view value, AddedFigureNames added = {});

// Whether `column` names a neighbourhood figure: a result column's name other than index, "-",
// and neighbours, min or mean.
bool IsFigureColumn(std::string_view column);

}  // namespace kvl::cli
