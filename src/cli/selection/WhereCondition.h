#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <cli/rows/PanelParameters.h>
#include <core/PassTable.h>
#include <core/ResultColumns.h>

namespace kvl::cli {

// One `--where` condition: a result column or a parameter of the pass compared with a number.
struct WhereCondition {
  enum class Comparison { kLess, kLessOrEqual, kGreater, kGreaterOrEqual, kEqual, kNotEqual };

  std::string cell;                            // "profit", "param:Lots": names the cell in messages
  const core::ResultColumn* column = nullptr;  // null when a parameter is compared
  std::string parameter;                       // the parameter's name in the ANSI code page
  std::string figureColumn;  // a neighbourhood figure compared, such as profit-min
  Comparison comparison = Comparison::kEqual;
  long double number = 0;
};

// Reads COLUMN OP NUMBER, COLUMN a result column's tab-separated name, a neighbourhood figure
// (profit-min and the like) or param:NAME, OP one of
// < <= > >= = !=, NUMBER as CellToFloat reads it; blanks may stand around COLUMN and NUMBER.
// Raises UsageError showing that form.
WhereCondition ParseWhereCondition(std::string_view text);

// The number the condition compares in one row: its column's cell read with that column's sort
// conversion, or the value of its parameter in `parameters` read with CellToFloat. Raises
// EConvertError for a cell that does not convert and for a parameter the pass lacks.
long double ConditionOperand(const WhereCondition& condition, const core::PassRecord& row,
                             const std::vector<PanelParameter>& parameters);

bool Satisfies(const WhereCondition& condition, long double operand);

}  // namespace kvl::cli
