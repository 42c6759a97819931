#pragma once

#include <vector>

#include "ResultColumns.h"

// The parameter text, which the window never lists but the tool can.
inline constexpr ResultColumn kParamsColumn = {"params", "Параметры", &CItem_OPT::Params, false};

// The seven result columns, and the parameter text after them when asked for.
inline std::vector<ResultColumn> ListedColumns(bool withParams) {
  std::vector<ResultColumn> columns(kResultColumns.begin(), kResultColumns.end());
  if (withParams) columns.push_back(kParamsColumn);
  return columns;
}
