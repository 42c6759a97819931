#include "WhereCondition.h"

#include <algorithm>
#include <utility>

#include <cli/UsageError.h>
#include <cli/rows/ListedColumns.h>
#include <cli/rows/ParameterKey.h>
#include <cli/translation/Translation.h>
#include <core/CellConvert.h>
#include <core/CellKey.h>
#include <core/Exceptions.h>
#include <core/parameters/ParameterLines.h>
#include <core/parameters/ParameterPair.h>

namespace kvl::cli {

namespace {

using Comparison = WhereCondition::Comparison;

struct Operator {
  std::string_view text;
  Comparison comparison;
};

// Two-character operators first, so that "<=" is not read as "<" before "=".
constexpr Operator kOperators[] = {
    {"<=", Comparison::kLessOrEqual}, {">=", Comparison::kGreaterOrEqual},
    {"!=", Comparison::kNotEqual},    {"<", Comparison::kLess},
    {">", Comparison::kGreater},      {"=", Comparison::kEqual},
};

[[noreturn]] void RefuseCondition(std::string_view text) {
  throw UsageError(
      Tr("--where \"{1}\" is not COLUMN OP NUMBER: COLUMN is one of {2} or param:NAME; "
         "OP one of < <= > >= = !=; for example trades>=100",
         {text, ResultColumnNames()}));
}

}  // namespace

WhereCondition ParseWhereCondition(std::string_view text, AddedFigureNames added) {
  const std::size_t at = text.find_first_of("<>=!");
  if (at == std::string_view::npos) RefuseCondition(text);
  const std::string_view rest = text.substr(at);
  const Operator* op = nullptr;
  for (const Operator& candidate : kOperators) {
    if (rest.starts_with(candidate.text)) {
      op = &candidate;
      break;
    }
  }
  if (op == nullptr) RefuseCondition(text);

  WhereCondition condition;
  condition.comparison = op->comparison;
  const std::string_view cell = core::WithBlanks(text.substr(0, at), core::Blanks::kTrimmed);
  condition.cell = cell;
  if (std::optional<ParameterKey> parameter = ParameterKeyOf(cell)) {
    condition.cell = std::move(parameter->cell);
    condition.parameter = std::move(parameter->name);
  } else {
    condition.column = ResultColumnNamed(condition.cell);
    if (IsFigureColumn(condition.cell) || std::ranges::find(added, cell) != added.end()) {
      condition.figureColumn = condition.cell;
    } else if (condition.column == nullptr) {
      RefuseCondition(text);
    }
  }
  try {
    condition.number = core::CellToFloat(rest.substr(op->text.size()));
  } catch (const core::EConvertError&) {
    RefuseCondition(text);
  }
  return condition;
}

long double ConditionOperand(const WhereCondition& condition, const core::PassRecord& row) {
  if (condition.column != nullptr) {
    return core::CellKey(*condition.column, row.*condition.column->field);
  }
  const std::optional<std::string_view> value = PassParameterValue(row.Params, condition.parameter);
  if (!value) throw core::EConvertError(Tr("the pass has no such parameter"));
  return core::CellToFloat(*value);
}

std::optional<std::string_view> PassParameterValue(std::string_view params, std::string_view name) {
  std::optional<std::string_view> found;
  core::ForEachKeptLine(params, [name, &found](std::string_view line) {
    if (found) return;
    const core::ParameterPair pair = core::SplitParameterPair(line, core::Blanks::kTrimmed);
    if (pair.value && pair.name == name) found = pair.value;
  });
  return found;
}

bool Satisfies(const WhereCondition& condition, long double operand) {
  switch (condition.comparison) {
    case Comparison::kLess:
      return operand < condition.number;
    case Comparison::kLessOrEqual:
      return operand <= condition.number;
    case Comparison::kGreater:
      return operand > condition.number;
    case Comparison::kGreaterOrEqual:
      return operand >= condition.number;
    case Comparison::kEqual:
      return operand == condition.number;
    case Comparison::kNotEqual:
      return operand != condition.number;
  }
  return false;
}

}  // namespace kvl::cli
