#include "WhereConditionModel.h"

#include "PlainParameterLines.h"

namespace kvl::fuzz {

namespace {

using core::PassRecord;

struct ModelColumn {
  std::string_view name;
  core::PassText PassRecord::*field;
  bool integer;
};

constexpr ModelColumn kColumns[] = {
    {"index", &PassRecord::Index, true},
    {"profit", &PassRecord::Profit, false},
    {"trades", &PassRecord::Trades, true},
    {"profit-factor", &PassRecord::ProfitFactor, false},
    {"expected-payoff", &PassRecord::ExpectedPayoff, false},
    {"drawdown", &PassRecord::DrawdownMoney, false},
    {"drawdown-percent", &PassRecord::DrawdownPercent, false},
};

constexpr std::string_view kFigures[] = {"-neighbours", "-min", "-mean"};

const ModelColumn* ColumnNamed(std::string_view name) {
  for (const ModelColumn& column : kColumns) {
    if (column.name == name) return &column;
  }
  return nullptr;
}

// Whether a figure compares as an integer: a min as its column's cells do, the others as
// decimals. nullopt for a name that is no figure.
std::optional<bool> FigureIsInteger(std::string_view name) {
  for (const std::string_view figure : kFigures) {
    if (!name.ends_with(figure)) continue;
    const ModelColumn* source = ColumnNamed(name.substr(0, name.size() - figure.size()));
    if (source == nullptr || source->name == "index") return std::nullopt;
    return figure == "-min" && source->integer;
  }
  return std::nullopt;
}

}  // namespace

std::optional<ModelCondition> ModelParse(std::string_view text) {
  // No quoting: COLUMN ends where the first character that can start an operator stands, and so
  // no name holds one.
  std::size_t at = 0;
  while (at < text.size() && std::string_view("<>=!").find(text[at]) == std::string_view::npos) {
    ++at;
  }
  if (at == text.size()) return std::nullopt;
  ModelCondition condition;
  const bool twoCharacters = at + 1 < text.size() && text[at + 1] == '=' && text[at] != '=';
  if (!twoCharacters && text[at] == '!') return std::nullopt;
  condition.op = text.substr(at, twoCharacters ? 2 : 1);
  condition.number = text.substr(at + condition.op.size());

  const std::string_view head = PlainTrim(text.substr(0, at));
  if (head.starts_with("param:")) {
    condition.kind = ModelCondition::Kind::kParameter;
    condition.cell = PlainTrim(head.substr(6));
    if (condition.cell.empty()) return std::nullopt;
    return condition;
  }
  condition.cell = head;
  if (const ModelColumn* column = ColumnNamed(head)) {
    condition.field = column->field;
    condition.integerOperand = column->integer;
    return condition;
  }
  const std::optional<bool> figureInteger = FigureIsInteger(head);
  if (!figureInteger) return std::nullopt;
  condition.kind = ModelCondition::Kind::kFigure;
  condition.integerOperand = *figureInteger;
  return condition;
}

std::string ModelRefusal(std::string_view text) {
  return "--where \"" + std::string(text) +
         "\" is not COLUMN OP NUMBER: COLUMN is one of index, profit, trades, profit-factor, "
         "expected-payoff, drawdown, drawdown-percent or param:NAME; OP one of < <= > >= = !=; "
         "for example trades>=100";
}

// Equal is neither less nor greater: the comparison as a table of outcomes, not the operators.
bool ModelHolds(std::string_view op, long double operand, long double number) {
  const bool less = operand < number;
  const bool greater = number < operand;
  const bool equal = !less && !greater;
  if (op == "<") return less;
  if (op == "<=") return less || equal;
  if (op == ">") return greater;
  if (op == ">=") return greater || equal;
  if (op == "=") return equal;
  return !equal;
}

}  // namespace kvl::fuzz
