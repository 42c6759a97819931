#pragma once

#include <cstddef>
#include <span>

#include "PassTable.h"
#include "rows/ListedColumns.h"

// How many rows ahead of the one in hand their cells are asked for.
inline constexpr std::size_t kRowsAhead = 16;

// Asks the processor for the text of `field` in the row in `slot` ahead of its use. A sorted
// table's rows point into the report's text out of order, so each row's cells would otherwise be
// a wait on memory.
inline void PrefetchCell(const PassTable& table, std::size_t slot, PassField field) {
  __builtin_prefetch((table[slot].*field).data());
}

// Calls writeRow(slot) for each of `slots` in order, asking for the cells of `columns` in the rows
// kRowsAhead later meanwhile. The parameter text is left to its own reads: finding it takes the
// row's index first.
template <class WriteRow>
void ForEachListedRow(const PassTable& table, std::span<const std::size_t> slots,
                      std::span<const ListedColumn> columns, WriteRow writeRow) {
  for (std::size_t row = 0; row < slots.size(); ++row) {
    if (row + kRowsAhead < slots.size()) {
      for (const ListedColumn& column : columns) {
        if (!column.IsParams()) PrefetchCell(table, slots[row + kRowsAhead], column.field);
      }
    }
    writeRow(slots[row]);
  }
}
