#include "PassSelection.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include <cli/rows/ListedColumns.h>
#include <cli/rows/ListedRows.h>
#include <cli/translation/Translation.h>
#include <core/CellConvert.h>
#include <core/CellKey.h>
#include <core/Exceptions.h>
#include <core/sort/RowOrder.h>

#include "KeyCells.h"
#include "KnownParameters.h"
#include "RowRefusal.h"
#include "StableOrder.h"

namespace kvl::cli {

namespace {

// The field of the table a condition reads: its column's, or the parameters; none for a figure.
std::optional<PassField> FieldRead(const WhereCondition& condition) {
  if (condition.column != nullptr) return condition.column->field;
  if (condition.figureColumn.empty()) return &core::PassRecord::Params;
  return std::nullopt;
}

// The table slots that a listing's passes stand for: the RowOrder numbers the listed passes from
// 1, which are the table's own passes unless the listing is of some of them.
struct ListedSlots {
  std::optional<std::span<const std::size_t>> among;  // none: passes 1 to the order's count

  std::size_t SlotOf(core::PassNumber pass) const {
    return among ? (*among)[core::SlotOf(pass)] : core::SlotOf(pass);
  }
};

// The sort says only which text it refused. It converts the cells in row order and leaves the
// rows from the refused one on where they stood, and every cell before that one converts: the
// first row of `order` whose cell is refused is the row it stopped at. A sort that puts empty
// cells last refuses none of them.
[[noreturn]] void RefuseSortedRow(const core::PassTable& table, const ListedSlots& listed,
                                  const core::RowOrder& order, const KeyCells& cells,
                                  bool emptyLast, const core::EConvertError& error) {
  for (std::size_t row = 0; row < order.Count(); ++row) {
    const std::size_t slot = listed.SlotOf(order.PassAt(core::Row{row}));
    const std::string_view text = cells.Text(slot);
    if (emptyLast && text.empty()) continue;
    try {
      cells.Number(text);
    } catch (const core::EConvertError& refused) {
      RefuseRow(row + 1, table[slot], cells.Name(), refused);
    }
  }
  throw error;
}

// One --sort: a header click on a result column, or the like on a figure column, whose empty
// figures, of passes the figures leave out, come last in either direction rather than failing the
// sort as an empty cell of the table would.
void SortByHeaderClick(const core::PassTable& table, const ListedSlots& listed,
                       const PassSelection& selection, const SortRequest& sort,
                       core::RowOrder& order) {
  const KeyCells cells(table, sort, selection);
  const bool emptyLast = !sort.figureColumn.empty();
  try {
    if (!emptyLast && !listed.among) {
      core::SortRows(table, sort.columnId, sort.largestFirst, order);
      return;
    }
    // A result column's cell converts here as the table's sort converts it (CellKey).
    const long double emptyKey = sort.largestFirst ? -std::numeric_limits<long double>::infinity()
                                                   : std::numeric_limits<long double>::infinity();
    core::SortRows(
        [&cells, &listed, emptyKey, emptyLast](core::PassNumber pass) {
          const std::string_view text = cells.Text(listed.SlotOf(pass));
          return emptyLast && text.empty() ? emptyKey : cells.Number(text);
        },
        sort.largestFirst, order);
  } catch (const core::EConvertError& error) {
    RefuseSortedRow(table, listed, order, cells, emptyLast, error);
  }
}

// Keeps the rows of `selected` that meet every condition, in their order, counting those left out
// for a cell that does not convert.
void KeepRowsThatHold(const core::PassTable& table, const PassSelection& selection,
                      SelectedRows& selected) {
  std::vector<std::size_t>& slots = selected.slots;
  std::vector<PassField> fieldsRead;
  // Each condition's figure column, found once rather than once a row; null for a table column.
  std::vector<const FigureColumn*> figures;
  for (const WhereCondition& condition : selection.conditions) {
    if (const std::optional<PassField> field = FieldRead(condition)) fieldsRead.push_back(*field);
    figures.push_back(condition.figureColumn.empty()
                          ? nullptr
                          : &FigureColumnNamed(selection, condition.figureColumn));
  }
  std::size_t kept = 0;
  for (std::size_t row = 0; row < slots.size(); ++row) {
    PrefetchAhead(table, slots, row, fieldsRead);
    const std::size_t slot = slots[row];
    const core::PassRecord& pass = table[slot];
    bool holds = true;
    bool bad = false;
    for (std::size_t c = 0; c < selection.conditions.size(); ++c) {
      const WhereCondition& condition = selection.conditions[c];
      try {
        if (figures[c] == nullptr) {
          holds = Satisfies(condition, ConditionOperand(condition, pass)) && holds;
          continue;
        }
        // A pass without neighbours, or left out of the map, has no figure to hold of: it is
        // left out as not meeting the condition, not refused as a cell that does not convert.
        const std::string_view figure = PassFigureText(slot, figures[c]->texts);
        holds = !figure.empty() && Satisfies(condition, FigureKey(*figures[c], figure)) && holds;
      } catch (const core::EConvertError& error) {
        if (!selection.skipBad) RefuseRow(row + 1, pass, condition.cell, error);
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

long double FigureKey(const FigureColumn& column, std::string_view text) {
  return column.cellsOf != nullptr ? core::CellKey(*column.cellsOf, text) : core::CellToFloat(text);
}

namespace {

SelectedRows SelectListed(const core::PassTable& table, std::size_t count,
                          const ListedSlots& listed, const PassSelection& selection) {
  RequireKnownParameters(table, count, selection.conditions);
  RequireKeyColumns(selection);
  core::RowOrder order(listed.among ? listed.among->size() : count);
  for (const SortRequest& sort : selection.sorts) {
    SortByHeaderClick(table, listed, selection, sort, order);
  }
  SelectedRows selected;
  selected.slots.reserve(order.Count());
  for (std::size_t row = 0; row < order.Count(); ++row) {
    selected.slots.push_back(listed.SlotOf(order.PassAt(core::Row{row})));
  }
  if (!selection.order.empty()) SortInStableOrder(table, selection, selected);
  if (!selection.conditions.empty()) KeepRowsThatHold(table, selection, selected);
  if (selection.limit && selected.slots.size() > *selection.limit) {
    selected.slots.resize(*selection.limit);
  }
  return selected;
}

}  // namespace

SelectedRows SelectRows(const core::PassTable& table, std::size_t count,
                        const PassSelection& selection) {
  return SelectListed(table, count, {}, selection);
}

SelectedRows SelectRowsAmong(const core::PassTable& table, std::size_t count,
                             std::span<const std::size_t> slots, const PassSelection& selection) {
  return SelectListed(table, count, {slots}, selection);
}

void ReportLeftOut(const PassSelection& selection, const SelectedRows& rows, std::ostream& err) {
  if (selection.skipBad) {
    err << TrCount("Left out {1} row whose cells do not convert.\n",
                   "Left out {1} rows whose cells do not convert.\n", rows.leftOut,
                   {std::to_string(rows.leftOut)});
  }
}

}  // namespace kvl::cli
