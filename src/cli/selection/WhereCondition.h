#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <core/PassTable.h>
#include <core/ResultColumns.h>

#include "SortOption.h"

namespace kvl::cli {

// One `--where` condition: a result column or a parameter of the pass compared with a number.
struct WhereCondition {
  enum class Comparison { kLess, kLessOrEqual, kGreater, kGreaterOrEqual, kEqual, kNotEqual };

  std::string cell;                            // "profit", "param:Lots": names the cell in messages
  const core::ResultColumn* column = nullptr;  // null when a parameter is compared
  std::string parameter;     // the parameter's name in the ANSI code page; empty for a column
  std::string figureColumn;  // a neighbourhood figure compared, such as profit-min
  Comparison comparison = Comparison::kEqual;
  long double number = 0;
};

// Reads COLUMN OP NUMBER, COLUMN a result column's tab-separated name, a neighbourhood figure
// (profit-min and the like), one of `added` or param:NAME, OP one of
// < <= > >= = !=, NUMBER as CellToFloat reads it; blanks may stand around COLUMN and NUMBER.
// Raises UsageError showing that form.
WhereCondition ParseWhereCondition(std::string_view text, AddedFigureNames added = {});

// The number the condition compares in one row: its column's cell read with that column's sort
// conversion, or the value of its parameter (PassParameterValue) read with CellToFloat. Raises
// EConvertError for a cell that does not convert and for a parameter the pass lacks.
long double ConditionOperand(const WhereCondition& condition, const core::PassRecord& row);

// The value of the parameter `name` (ANSI) in a pass's parameter text, read as the parameter map
// reads it: the first of the lines that the set file keeps whose name, trimmed of blanks, is
// `name`, its value trimmed too. nullopt when no such line holds name=value.
std::optional<std::string_view> PassParameterValue(std::string_view params, std::string_view name);

bool Satisfies(const WhereCondition& condition, long double operand);

}  // namespace kvl::cli
