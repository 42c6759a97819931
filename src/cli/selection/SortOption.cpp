#include "selection/SortOption.h"

#include <string>

#include "ResultColumns.h"
#include "UsageError.h"

namespace {

int ColumnId(std::string_view column) {
  for (std::size_t id = 0; id < kResultColumns.size(); ++id) {
    if (column == kResultColumns[id].name || column == std::to_string(id)) {
      return static_cast<int>(id);
    }
  }
  throw UsageError("unknown sort column " + std::string(column));
}

}  // namespace

SortRequest ParseSortRequest(std::string_view value) {
  const std::size_t colon = value.rfind(':');
  const std::string_view direction =
      colon == std::string_view::npos ? std::string_view{} : value.substr(colon + 1);
  if (direction != "desc" && direction != "asc") {
    throw UsageError("sort " + std::string(value) +
                     " needs a direction: COLUMN:desc or COLUMN:asc");
  }
  return {ColumnId(value.substr(0, colon)), direction == "desc"};
}
