#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "PassTable.h"
#include "selection/SortOption.h"

// The key of a row for a sort by a figure column, which is not one of the row's fields, and the
// key that a figure sort reads its rows with, made once for the sort.
using FigureKey = std::function<long double(const CItem_OPT& row)>;
using FigureKeys = std::function<FigureKey(const SortRequest& sort)>;

// Slots 0 to count-1 of `table` in the order in which SortPasses, applied for each of `sorts` in
// turn, would leave their rows, found without moving a row: a listing only reads the rows, and
// moving them costs about as much as finding their order. Converts the same cells in the same
// order as those sorts, so a refused cell raises the same EConvertError. A sort by a figure column
// orders by the key `figureKeys` makes for it, in the same exchange order.
std::vector<std::size_t> SortedSlots(const PassTable& table, std::size_t count,
                                     std::span<const SortRequest> sorts,
                                     const FigureKeys& figureKeys = {});
