#include "SortOption.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include <cli/UsageError.h>
#include <cli/rows/ListedColumns.h>
#include <cli/rows/ParameterKey.h>
#include <cli/translation/Translation.h>
#include <core/ResultColumns.h>
#include <core/parameters/ParameterPair.h>

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

std::optional<SortRequest> SortKey(std::string_view column, bool largestFirst,
                                   AddedFigureNames added) {
  if (const std::optional<int> id = ColumnId(column)) return SortRequest{*id, largestFirst};
  if (IsFigureColumn(column) || std::ranges::find(added, column) != added.end()) {
    return SortRequest{0, largestFirst, std::string(column)};
  }
  if (std::optional<ParameterKey> parameter = ParameterKeyOf(column)) {
    return SortRequest{0, largestFirst, std::move(parameter->cell), std::move(parameter->name)};
  }
  return std::nullopt;
}

SortRequest OrderKey(std::string_view text, AddedFigureNames added) {
  const std::string_view key = core::WithBlanks(text, core::Blanks::kTrimmed);
  const std::size_t colon = key.rfind(':');
  std::string_view column = key;
  bool largestFirst = false;
  // "param:asc" is the input called asc, as "param" alone is no column.
  if (colon != std::string_view::npos && key.substr(0, colon) != "param") {
    const std::string_view direction = key.substr(colon + 1);
    if (direction == "asc" || direction == "desc") {
      column = key.substr(0, colon);
      largestFirst = direction == "desc";
    }
  }
  if (std::optional<SortRequest> request = SortKey(column, largestFirst, added)) return *request;
  throw UsageError(
      Tr("--order \"{1}\": KEY is one of {2}, a --robust figure such as profit-min, "
         "or param:NAME, then :asc (the default) or :desc; keys are separated by "
         "commas",
         {text, ResultColumnNames()}));
}

}  // namespace

bool IsFigureColumn(std::string_view column) {
  const std::size_t dash = column.rfind('-');
  if (dash == std::string_view::npos) return false;
  const std::string_view figure = column.substr(dash + 1);
  // By name only: --robust, which adds the figures, takes no column number.
  const core::ResultColumn* source = ResultColumnNamed(column.substr(0, dash));
  return source != nullptr && source != &core::kResultColumns[0] &&
         (figure == "neighbours" || figure == "min" || figure == "mean");
}

SortRequest ParseSortRequest(std::string_view value, AddedFigureNames added) {
  const std::size_t colon = value.rfind(':');
  const std::string_view direction =
      colon == std::string_view::npos ? std::string_view{} : value.substr(colon + 1);
  if (direction != "desc" && direction != "asc") {
    throw UsageError(Tr("sort {1} needs a direction: COLUMN:desc or COLUMN:asc", {value}));
  }
  const std::string_view column = value.substr(0, colon);
  if (std::optional<SortRequest> request = SortKey(column, direction == "desc", added)) {
    return *request;
  }
  throw UsageError(Tr("unknown sort column {1}", {column}));
}

std::vector<SortRequest> ParseOrderKeys(std::string_view value, AddedFigureNames added) {
  std::vector<SortRequest> keys;
  std::size_t start = 0;
  for (std::size_t end; (end = value.find(',', start)) != std::string_view::npos; start = end + 1) {
    keys.push_back(OrderKey(value.substr(start, end - start), added));
  }
  keys.push_back(OrderKey(value.substr(start), added));
  return keys;
}

}  // namespace kvl::cli
