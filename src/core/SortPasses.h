#pragma once

#include <array>

#include "PassTable.h"
#include "ResultColumns.h"

// Orders slots 0 to n-1 of `table` by the column of kResultColumns numbered `columnId`, largest
// or smallest first, exactly as the window's header click does. Params never moves. A cell that its
// conversion refuses raises EConvertError.
//
// The order, equal keys included, is that of the exchange sort that compares slot i with every
// later slot j and exchanges the two rows when slot j's key is beyond slot i's, for i = 0 to n-2.
// Each cell is converted once, in slot order. A refused cell at slot k leaves slots 0 to k-1 as
// that sort's first sweep over them would and slots from k on untouched. A columnId outside 0 to
// 6 or an n beyond the table's size raises std::out_of_range before anything is read.
void SortPasses(int columnId, bool largestFirst, int n, PassTable& table);

inline constexpr int kSortColumnCount = static_cast<int>(kResultColumns.size());

// One flag per column, indexed by column id: false while the column's next sort puts the largest
// value first. Only a completed sort flips one.
using SortFlags = std::array<bool, kSortColumnCount>;

// A header click on column `columnId` of a list of n passes: sorts in the column's next direction
// and then flips the column's flag. A sort that fails leaves the flag, so the next click tries the
// same direction again.
void SortColumnInNextDirection(int columnId, int n, PassTable& table, SortFlags& flags);
