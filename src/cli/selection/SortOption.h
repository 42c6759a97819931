#pragma once

#include <string_view>

// One `--sort COLUMN:desc|asc` of the list command: COLUMN is a column's tab-separated name or
// its number 0 to 6.
struct SortRequest {
  int columnId;
  bool largestFirst;
};

// Raises UsageError for an unknown column or direction.
SortRequest ParseSortRequest(std::string_view value);
