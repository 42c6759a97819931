#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <core/PassTable.h>

// The `--where` condition as the tool's help and manual page describe it, read without the
// tool's code: COLUMN OP NUMBER, COLUMN a tsv column name other than params, a neighbourhood
// figure (COLUMN-neighbours, -min or -mean of such a column other than index) or param:NAME.
namespace kvl::fuzz {

struct ModelCondition {
  enum class Kind { kColumn, kFigure, kParameter };
  Kind kind = Kind::kColumn;
  std::string_view cell;    // the column or figure named, or the parameter's name, trimmed
  std::string_view op;      // one of < <= > >= = !=
  std::string_view number;  // all that follows the operator, for the decimal conversion to read
  // The field a column's cells stand in; null for a figure or a parameter.
  core::PassText core::PassRecord::*field = nullptr;
  bool integerOperand = false;  // index, trades and trades-min compare as integers
};

// The condition's parts, whether or not the conversion then reads the number; nullopt for a text
// of another form.
std::optional<ModelCondition> ModelParse(std::string_view text);

// The usage error that refuses `text`.
std::string ModelRefusal(std::string_view text);

bool ModelHolds(std::string_view op, long double operand, long double number);

}  // namespace kvl::fuzz
