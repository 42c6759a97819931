#include "selection/PassSelection.h"

#include <algorithm>
#include <ostream>
#include <string>

#include "CodePage.h"
#include "Exceptions.h"
#include "ReportLoader.h"
#include "SortPasses.h"
#include "rows/ListedColumns.h"
#include "rows/ListedRows.h"

namespace {

bool NeedsParameters(const std::vector<WhereCondition>& conditions) {
  return std::ranges::any_of(conditions, [](const auto& c) { return c.column == nullptr; });
}

// The field a condition reads first: its column's, or the index that leads to the parameters.
PassField FieldRead(const WhereCondition& condition) {
  return condition.column != nullptr ? condition.column->field : &CItem_OPT::Index;
}

[[noreturn]] void RefuseRow(std::size_t row, const CItem_OPT& pass, const WhereCondition& condition,
                            const EConvertError& error) {
  throw EConvertError("Row " + std::to_string(row) + " (pass " + AnsiToUtf8(pass.Index) + "), " +
                      condition.cell + ": " + error.Message());
}

}  // namespace

SelectedRows SelectRows(PassTable& table, std::size_t count, const PassSelection& selection) {
  const int n = static_cast<int>(count);
  for (const SortRequest& sort : selection.sorts) {
    SortPasses(sort.columnId, sort.largestFirst, n, table);
  }
  SelectedRows selected;
  selected.slots.reserve(count);
  const bool needsParameters = NeedsParameters(selection.conditions);
  for (std::size_t slot = 0; slot < count; ++slot) {
    if (slot + kRowsAhead < count) {
      for (const WhereCondition& condition : selection.conditions) {
        PrefetchCell(table, slot + kRowsAhead, FieldRead(condition));
      }
    }
    const CItem_OPT& pass = table[slot];
    const std::vector<PanelParameter> parameters =
        needsParameters ? PanelParameters(RowParams(table, slot)) : std::vector<PanelParameter>();
    bool holds = true;
    bool bad = false;
    for (const WhereCondition& condition : selection.conditions) {
      try {
        holds = Satisfies(condition, ConditionOperand(condition, pass, parameters)) && holds;
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
  if (selection.skipBad) {
    err << "Left out " << rows.leftOut << (rows.leftOut == 1 ? " row" : " rows")
        << " whose cells do not convert.\n";
  }
  return rows;
}
