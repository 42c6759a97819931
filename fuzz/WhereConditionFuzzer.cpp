// The `--where` parser and the selection it drives, against a reading of the condition's grammar
// as the tool's help and manual page give it (WhereConditionModel): the parser must accept
// exactly the texts that reading accepts and whose number the decimal conversion reads, and find
// the same cell, operator and number. An accepted condition then selects among a few passes
// whose operand texts the input gives, with and without --skip-bad, and must keep the passes, and
// fail or leave them out, as the model's reading of each operand says.
//
// Input: the condition's text up to the first NUL (an argument holds none), then the passes'
// operand texts separated by line feeds: a column's cell, a figure, or the parameter text in
// which a param:NAME condition looks for its parameter.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <cli/UsageError.h>
#include <cli/selection/PassSelection.h>
#include <cli/selection/WhereCondition.h>
#include <core/CellConvert.h>
#include <core/CodePage.h>
#include <core/Exceptions.h>
#include <core/PassTable.h>
#include <core/ResultColumns.h>

#include "FuzzCheck.h"
#include "PlainParameterLines.h"
#include "WhereConditionModel.h"

using namespace kvl::core;
using namespace kvl::cli;
using namespace kvl::fuzz;

namespace {

using Comparison = WhereCondition::Comparison;
using Kind = ModelCondition::Kind;

constexpr std::size_t kMaxPasses = 16;

// The number the conversion gives, or the message it refuses the text with.
struct Reading {
  std::optional<long double> number;
  std::string refusal;
};

Reading Read(std::string_view text, bool integer) {
  try {
    return {integer ? CellToInt(text) : CellToFloat(text), {}};
  } catch (const EConvertError& e) {
    return {std::nullopt, e.Message()};
  }
}

Comparison ComparisonOf(std::string_view op) {
  if (op == "<") return Comparison::kLess;
  if (op == "<=") return Comparison::kLessOrEqual;
  if (op == ">") return Comparison::kGreater;
  if (op == ">=") return Comparison::kGreaterOrEqual;
  if (op == "=") return Comparison::kEqual;
  return Comparison::kNotEqual;
}

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

void CheckParsed(const WhereCondition& parsed, const ModelCondition& model, long double number) {
  FUZZ_CHECK(parsed.comparison == ComparisonOf(model.op));
  FUZZ_CHECK(parsed.number == number);
  switch (model.kind) {
    case Kind::kColumn:
      FUZZ_CHECK(parsed.column != nullptr && parsed.column->name == model.cell);
      FUZZ_CHECK(parsed.column->field == model.field);
      FUZZ_CHECK(parsed.cell == model.cell);
      FUZZ_CHECK(parsed.parameter.empty() && parsed.figureColumn.empty());
      break;
    case Kind::kFigure:
      FUZZ_CHECK(parsed.column == nullptr && parsed.parameter.empty());
      FUZZ_CHECK(parsed.cell == model.cell && parsed.figureColumn == model.cell);
      break;
    case Kind::kParameter:
      FUZZ_CHECK(parsed.column == nullptr && parsed.figureColumn.empty());
      FUZZ_CHECK(parsed.cell == "param:" + std::string(model.cell));
      // The name goes over into the code page the passes' texts are in; ASCII stays as it is.
      FUZZ_CHECK(!parsed.parameter.empty());
      if (IsAscii(model.cell)) FUZZ_CHECK(parsed.parameter == model.cell);
      break;
  }
}

// The parameter's value in a pass's text: that of its first kept line with that name.
std::optional<std::string_view> ModelParameter(std::string_view params, std::string_view name) {
  for (const std::string_view line : PlainKeptLines(params)) {
    const PlainPair pair = PlainSplit(line);
    if (pair.value && pair.name == name) return pair.value;
  }
  return std::nullopt;
}

// What selecting the passes gives: the slots kept and the count left out, or a failure's message.
struct Outcome {
  std::vector<std::size_t> slots;
  std::size_t leftOut = 0;
  std::string failure;
  // Its message goes on to list the report's parameters, which the model leaves to the map.
  bool unknownParameter = false;
};

void Print(const char* whose, const Outcome& outcome) {
  std::fprintf(stderr, "%s: failure \"%s\"%s, %zu left out, slots", whose, outcome.failure.c_str(),
               outcome.unknownParameter ? " (unknown parameter)" : "", outcome.leftOut);
  for (const std::size_t slot : outcome.slots) std::fprintf(stderr, " %zu", slot);
  std::fprintf(stderr, "\n");
}

bool Agree(const Outcome& actual, const Outcome& model) {
  const bool sameFailure = model.unknownParameter ? actual.failure.starts_with(model.failure + "; ")
                                                  : actual.failure == model.failure;
  const bool agree = sameFailure && actual.unknownParameter == model.unknownParameter &&
                     actual.slots == model.slots && actual.leftOut == model.leftOut;
  if (!agree) {
    Print("selected", actual);
    Print("model", model);
  }
  return agree;
}

Outcome ModelSelect(const PassTable& table, const WhereCondition& parsed,
                    const ModelCondition& model, std::span<const std::string_view> operands,
                    bool skipBad) {
  Outcome outcome;
  if (model.kind == Kind::kParameter) {
    bool carried = false;
    for (const std::string_view params : operands) {
      carried = carried || ModelParameter(params, parsed.parameter).has_value();
    }
    if (!carried) {
      outcome.failure = "--where " + parsed.cell + ": no such parameter";
      outcome.unknownParameter = true;
      return outcome;
    }
  }
  for (std::size_t slot = 0; slot < operands.size(); ++slot) {
    // A figure the pass lacks meets no condition.
    if (model.kind == Kind::kFigure && operands[slot].empty()) continue;
    Reading reading{std::nullopt, "the pass has no such parameter"};
    if (model.kind != Kind::kParameter) {
      reading = Read(operands[slot], model.integerOperand);
    } else if (const auto value = ModelParameter(operands[slot], parsed.parameter)) {
      reading = Read(*value, false);
    }
    if (!reading.number && !skipBad) {
      outcome.slots.clear();
      outcome.failure = "Row " + std::to_string(slot + 1) + " (pass " +
                        AnsiToUtf8(table[slot].Index) + "), " + parsed.cell + ": " +
                        reading.refusal;
      return outcome;
    }
    if (!reading.number) {
      ++outcome.leftOut;
    } else if (ModelHolds(model.op, *reading.number, parsed.number)) {
      outcome.slots.push_back(slot);
    }
  }
  return outcome;
}

Outcome Select(const PassTable& table, std::size_t count, const PassSelection& selection) {
  Outcome outcome;
  try {
    SelectedRows rows = SelectRows(table, count, selection);
    outcome.slots = std::move(rows.slots);
    outcome.leftOut = rows.leftOut;
  } catch (const EConvertError& e) {
    outcome.failure = e.Message();
  } catch (const Exception& e) {
    outcome.failure = e.Message();
    outcome.unknownParameter = true;
  }
  return outcome;
}

std::vector<std::string_view> SplitOperands(std::string_view texts) {
  std::vector<std::string_view> operands;
  while (operands.size() < kMaxPasses && !texts.empty()) {
    const std::size_t end = std::min(texts.find('\n'), texts.size());
    operands.push_back(texts.substr(0, end));
    texts.remove_prefix(std::min(end + 1, texts.size()));
  }
  return operands;
}

const ResultColumn* ResultColumnCalled(std::string_view name) {
  for (const ResultColumn& column : kResultColumns) {
    if (column.name == name) return &column;
  }
  return nullptr;
}

void CheckSelection(const WhereCondition& parsed, const ModelCondition& model,
                    std::string_view texts) {
  static PassTable table;
  static const std::string kIndexes[kMaxPasses] = {"1", "2",  "3",  "4",  "5",  "6",  "7",  "8",
                                                   "9", "10", "11", "12", "13", "14", "15", "16"};
  const std::vector<std::string_view> operands = SplitOperands(texts);
  PassSelection selection;
  selection.conditions.push_back(parsed);
  for (std::size_t slot = 0; slot < operands.size(); ++slot) {
    table[slot] = PassRecord{};
    table[slot].Index = kIndexes[slot];
    if (model.kind == Kind::kColumn) table[slot].*model.field = operands[slot];
    if (model.kind == Kind::kParameter) table[slot].Params = operands[slot];
  }
  if (model.kind == Kind::kFigure) {
    // As list --robust gives them: a min holds its column's cells, the others decimals.
    const std::string_view source = model.cell.substr(0, model.cell.rfind('-'));
    const bool min = model.cell.ends_with("-min");
    selection.figureColumns.push_back(
        {model.cell, operands, min ? ResultColumnCalled(source) : nullptr});
  }
  for (const bool skipBad : {false, true}) {
    selection.skipBad = skipBad;
    FUZZ_CHECK(Agree(Select(table, operands.size(), selection),
                     ModelSelect(table, parsed, model, operands, skipBad)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t end = std::min(input.find('\0'), input.size());
  const std::string_view text = input.substr(0, end);
  const std::optional<ModelCondition> model = ModelParse(text);
  const std::optional<long double> number =
      model ? Read(model->number, false).number : std::nullopt;
  WhereCondition parsed;
  try {
    parsed = ParseWhereCondition(text);
  } catch (const UsageError& e) {
    FUZZ_CHECK(!number);
    FUZZ_CHECK(e.what() == ModelRefusal(text));
    return 0;
  }
  FUZZ_CHECK(number.has_value());
  CheckParsed(parsed, *model, *number);
  CheckSelection(parsed, *model, input.substr(std::min(end + 1, input.size())));
  return 0;
}
