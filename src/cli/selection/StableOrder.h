#pragma once

#include <core/PassTable.h>

#include "PassSelection.h"

namespace kvl::cli {

// Sorts the rows of `selected` by the keys of selection.order in one stable sort, as a
// spreadsheet's sort dialog does: the first key decides, each next one only among rows that the
// keys before it tie, and rows that every key ties keep their order. Each key's cells are read as
// numbers with their column's conversion; an empty cell comes last in either direction. A cell
// that does not convert raises EConvertError naming its row (in the order `selected` holds), pass
// and column, unless selection.skipBad leaves its row out and counts it in selected.leftOut.
void SortInStableOrder(const core::PassTable& table, const PassSelection& selection,
                       SelectedRows& selected);

}  // namespace kvl::cli
