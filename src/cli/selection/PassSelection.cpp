#include "selection/PassSelection.h"

#include <algorithm>
#include <limits>
#include <ostream>
#include <string>

#include "CellConvert.h"
#include "CodePage.h"
#include "Exceptions.h"
#include "ReportLoader.h"
#include "SortPasses.h"
#include "UsageError.h"
#include "rows/ListedColumns.h"

namespace {

bool NeedsParameters(const std::vector<WhereCondition>& conditions) {
  return std::ranges::any_of(
      conditions, [](const auto& c) { return c.column == nullptr && c.figureColumn.empty(); });
}

[[noreturn]] void RefuseRow(std::size_t row, const CItem_OPT& pass, const WhereCondition& condition,
                            const EConvertError& error) {
  throw EConvertError("Row " + std::to_string(row) + " (pass " + AnsiToUtf8(pass.Index) + "), " +
                      condition.cell + ": " + error.Message());
}

const FigureColumn& FigureColumnNamed(const PassSelection& selection, std::string_view name) {
  const auto it = std::ranges::find(selection.figureColumns, name, &FigureColumn::name);
  if (it == selection.figureColumns.end()) {
    const std::string source(name.substr(0, name.rfind('-')));
    throw UsageError(std::string(name) +
                     ": a neighbourhood figure, which list adds with --robust " + source);
  }
  return *it;
}

// Figures sort as numbers; an empty one, of a pass the figures leave out, comes last in either
// direction rather than failing the sort as an empty cell of the table would.
void SortByFigures(const FigureColumn& column, bool largestFirst, int n, PassTable& table) {
  const long double last = largestFirst ? -std::numeric_limits<long double>::infinity()
                                        : std::numeric_limits<long double>::infinity();
  SortPassesByKeys(
      [texts = column.texts, last](const CItem_OPT& row) {
        const std::string_view text = PassFigureText(row, texts);
        return text.empty() ? last : CellToFloat(text);
      },
      largestFirst, n, table);
}

}  // namespace

SelectedRows SelectRows(PassTable& table, std::size_t count, const PassSelection& selection) {
  const int n = static_cast<int>(count);
  for (const SortRequest& sort : selection.sorts) {
    if (sort.figureColumn.empty()) {
      SortPasses(sort.columnId, sort.largestFirst, n, table);
    } else {
      SortByFigures(FigureColumnNamed(selection, sort.figureColumn), sort.largestFirst, n, table);
    }
  }
  SelectedRows selected;
  selected.slots.reserve(count);
  const bool needsParameters = NeedsParameters(selection.conditions);
  for (std::size_t slot = 0; slot < count; ++slot) {
    const CItem_OPT& pass = table[slot];
    const std::vector<PanelParameter> parameters =
        needsParameters ? PanelParameters(RowParams(table, slot)) : std::vector<PanelParameter>();
    bool holds = true;
    bool bad = false;
    for (const WhereCondition& condition : selection.conditions) {
      try {
        const long double operand =
            condition.figureColumn.empty()
                ? ConditionOperand(condition, pass, parameters)
                : CellToFloat(PassFigureText(
                      pass, FigureColumnNamed(selection, condition.figureColumn).texts));
        holds = Satisfies(condition, operand) && holds;
      } catch (const EConvertError& error) {
        if (!selection.skipBad) RefuseRow(slot + 1, pass, condition, error);
        bad = true;
      }
    }
    if (bad) {
      ++selected.leftOut;
    } else if (holds) {
      selected.slots.push_back(slot);
    }
  }
  if (selection.limit && selected.slots.size() > *selection.limit) {
    selected.slots.resize(*selection.limit);
  }
  return selected;
}

SelectedRows SelectReportRows(const std::string& path, PassTable& table,
                              const PassSelection& selection, std::ostream& err) {
  const auto count = static_cast<std::size_t>(LoadReport(path, table));
  SelectedRows rows = SelectRows(table, count, selection);
  ReportLeftOut(selection, rows, err);
  return rows;
}

void ReportLeftOut(const PassSelection& selection, const SelectedRows& rows, std::ostream& err) {
  if (selection.skipBad) {
    err << "Left out " << rows.leftOut << (rows.leftOut == 1 ? " row" : " rows")
        << " whose cells do not convert.\n";
  }
}
