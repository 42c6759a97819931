#include "selection/PassSelection.h"

#include <algorithm>
#include <ostream>
#include <string>

#include "CodePage.h"
#include "Exceptions.h"
#include "ReportLoader.h"
#include "rows/ListedColumns.h"
#include "rows/ListedRows.h"
#include "selection/SortedSlots.h"

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

// Keeps the rows of `selected` that meet every condition, in their order, counting those left out
// for a cell that does not convert.
void KeepRowsThatHold(const PassTable& table, const PassSelection& selection,
                      SelectedRows& selected) {
  std::vector<std::size_t>& slots = selected.slots;
  const bool needsParameters = NeedsParameters(selection.conditions);
  std::vector<PassField> fieldsRead;
  for (const WhereCondition& condition : selection.conditions) {
    fieldsRead.push_back(FieldRead(condition));
  }
  std::size_t kept = 0;
  for (std::size_t row = 0; row < slots.size(); ++row) {
    PrefetchAhead(table, slots, row, fieldsRead);
    const std::size_t slot = slots[row];
    const CItem_OPT& pass = table[slot];
    const std::vector<PanelParameter> parameters =
        needsParameters ? PanelParameters(RowParams(table, slot)) : std::vector<PanelParameter>();
    bool holds = true;
    bool bad = false;
    for (const WhereCondition& condition : selection.conditions) {
      try {
        holds = Satisfies(condition, ConditionOperand(condition, pass, parameters)) && holds;
      } catch (const EConvertError& error) {
        if (!selection.skipBad) RefuseRow(row + 1, pass, condition, error);
        bad = true;
      }
    }
    if (bad) {
      ++selected.leftOut;
    } else if (holds) {
      slots[kept++] = slot;
    }
  }
  slots.resize(kept);
}

}  // namespace

SelectedRows SelectRows(const PassTable& table, std::size_t count, const PassSelection& selection) {
  SelectedRows selected{SortedSlots(table, count, selection.sorts)};
  if (!selection.conditions.empty()) KeepRowsThatHold(table, selection, selected);
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
