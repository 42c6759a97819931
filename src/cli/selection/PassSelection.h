#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <core/PassTable.h>
#include <core/ResultColumns.h>

#include "SortOption.h"
#include "WhereCondition.h"

namespace kvl::cli {

// A column of figures per pass that the table does not hold, which --sort and --order may name:
// a neighbourhood figure or an input's values.
struct FigureColumn {
  std::string_view name;
  std::span<const std::string_view> texts;  // ANSI texts or empty, of the pass numbered k at k-1
  // The result column whose cells the texts are, read with its conversion (CellKey); null for
  // figures written as decimals, read with CellToFloat.
  const core::ResultColumn* cellsOf = nullptr;
};

// A figure as a number, read as its column reads it. Raises EConvertError for one that does not
// convert, an empty one included.
long double FigureKey(const FigureColumn& column, std::string_view text);

// Which of a report's passes a command takes, and in which order.
struct PassSelection {
  std::vector<SortRequest> sorts;           // applied in turn, as header clicks would
  std::vector<SortRequest> order;           // then one stable sort, the first key first
  std::vector<FigureColumn> figureColumns;  // those the sorts and the order may name
  std::vector<WhereCondition> conditions;   // every one must hold
  bool skipBad = false;                     // leave out rows whose cells do not convert
  std::optional<std::size_t> limit;         // the first this many rows that are left
};

struct SelectedRows {
  std::vector<std::size_t> slots;  // the table slots of the listed passes, in listed order
  std::size_t leftOut = 0;         // rows left out for a cell that does not convert
};

// Lists passes 1 to count of `table` in the order that the sorts, applied in turn as header
// clicks would be (SortRows), leave them, sorts them by the order's keys (SortInStableOrder),
// keeps the rows that meet every condition, then takes the limit. A condition on a parameter that
// no pass carries raises Exception before anything else (RequireKnownParameters), and a key that
// no figure column answers UsageError (RequireKeyColumns). A sort by a figure column orders the
// rows by its numbers as a header click orders a column's, with the empty figures last. Every
// condition's cell is read in every row, so the outcome does not hang on the order of the
// conditions. A cell that does not convert raises EConvertError naming its row (1 for the first
// listed), its pass and its cell, unless skipBad leaves that row out; a cell that a sort or the
// order refuses raises EConvertError naming it alike, its row that in the order the sorts before
// it left; skipBad leaves out the rows whose cells the order refuses, but not a sort's.
SelectedRows SelectRows(const core::PassTable& table, std::size_t count,
                        const PassSelection& selection);

// The same over the passes in `slots` alone, listed in that order before any sort: a sort orders
// them as a header click orders a listing of those passes only, and rows are numbered among them.
// Conditions on parameters are checked against passes 1 to count.
SelectedRows SelectRowsAmong(const core::PassTable& table, std::size_t count,
                             std::span<const std::size_t> slots, const PassSelection& selection);

// With skipBad, says on `err` how many rows were left out.
void ReportLeftOut(const PassSelection& selection, const SelectedRows& rows, std::ostream& err);

}  // namespace kvl::cli
