#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include <core/PassTable.h>

#include "ListedColumns.h"

namespace kvl::cli {

// How many rows ahead of the one in hand their cells are asked for; their records are asked for
// twice as far ahead, so that each is at hand when its cells' addresses are read from it.
inline constexpr std::size_t kRowsAhead = 16;

// The passes of a sorted listing lie all over the table, and their cells all over the report's
// text, so each would otherwise be a wait on memory. These ask the processor to fetch them ahead.
// Always inlined: left to choose, GCC 12 has been seen to drop their prefetches altogether.
[[gnu::always_inline]] inline void PrefetchRecord(const core::PassTable& table, std::size_t slot) {
  const core::PassRecord& record = table[slot];
  __builtin_prefetch(&record.Index);
  __builtin_prefetch(&record.DrawdownPercent);  // the last field, which may start a line of its own
}
[[gnu::always_inline]] inline void PrefetchCell(const core::PassTable& table, std::size_t slot,
                                                PassField field) {
  __builtin_prefetch((table[slot].*field).data());
}

// Asks for the records and the cells that the row `row` of `slots` will want kRowsAhead rows
// later: the cells of `fields` of the row kRowsAhead ahead, the record of the row twice as far.
[[gnu::always_inline]] inline void PrefetchAhead(const core::PassTable& table,
                                                 std::span<const std::size_t> slots,
                                                 std::size_t row,
                                                 std::span<const PassField> fields) {
  if (row + 2 * kRowsAhead < slots.size()) PrefetchRecord(table, slots[row + 2 * kRowsAhead]);
  if (row + kRowsAhead < slots.size()) {
    for (const PassField field : fields) PrefetchCell(table, slots[row + kRowsAhead], field);
  }
}

// Calls writeRow(slot) for each of `slots` in order, fetching ahead the cells of `columns` that
// the table holds.
template <class WriteRow>
void ForEachListedRow(const core::PassTable& table, std::span<const std::size_t> slots,
                      std::span<const ListedColumn> columns, WriteRow writeRow) {
  std::vector<PassField> fields;
  for (const ListedColumn& column : columns) {
    if (!column.IsFigure()) fields.push_back(column.field);
  }
  for (std::size_t row = 0; row < slots.size(); ++row) {
    PrefetchAhead(table, slots, row, fields);
    writeRow(slots[row]);
  }
}

}  // namespace kvl::cli
