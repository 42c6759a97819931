#include "SortOption.h"

#include <optional>
#include <string>

#include <cli/UsageError.h>
#include <core/ResultColumns.h>

namespace kvl::cli {

namespace {

std::optional<int> ColumnId(std::string_view column) {
  for (std::size_t id = 0; id < core::kResultColumns.size(); ++id) {
    if (column == core::kResultColumns[id].name || column == std::to_string(id)) {
      return static_cast<int>(id);
    }
  }
  return std::nullopt;
}

}  // namespace

bool IsFigureColumn(std::string_view column) {
  const std::size_t dash = column.rfind('-');
  if (dash == std::string_view::npos) return false;
  const std::string_view figure = column.substr(dash + 1);
  const std::optional<int> source = ColumnId(column.substr(0, dash));
  return source && *source > 0 && (figure == "neighbours" || figure == "min" || figure == "mean");
}

SortRequest ParseSortRequest(std::string_view value) {
  const std::size_t colon = value.rfind(':');
  const std::string_view direction =
      colon == std::string_view::npos ? std::string_view{} : value.substr(colon + 1);
  if (direction != "desc" && direction != "asc") {
    throw UsageError("sort " + std::string(value) +
                     " needs a direction: COLUMN:desc or COLUMN:asc");
  }
  const std::string_view column = value.substr(0, colon);
  if (const std::optional<int> id = ColumnId(column)) return {*id, direction == "desc"};
  if (IsFigureColumn(column)) return {0, direction == "desc", std::string(column)};
  throw UsageError("unknown sort column " + std::string(column));
}

}  // namespace kvl::cli
