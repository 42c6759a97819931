#pragma once

#include <string_view>
#include <vector>

#include "PassTable.h"
#include "ResultColumns.h"

// A column of the tool's listing: a result column or the parameter text.
struct ListedColumn {
  std::string_view name;     // in the tab-separated output
  std::string_view caption;  // heads the aligned table, UTF-8
  PassText CItem_OPT::*field;
};

// The seven result columns, and the parameter text, which the window never lists, after them
// when asked for.
inline std::vector<ListedColumn> ListedColumns(bool withParams) {
  std::vector<ListedColumn> columns;
  for (const ResultColumn& column : kResultColumns) {
    columns.push_back({column.name, column.caption, column.field});
  }
  if (withParams) columns.push_back({"params", "Параметры", &CItem_OPT::Params});
  return columns;
}
