#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "PassTable.h"
#include "selection/SortOption.h"

// Slots 0 to count-1 of `table` in the order in which SortPasses, applied for each of `sorts` in
// turn, would leave their rows, found without moving a row: a listing only reads the rows, and
// moving them costs about as much as finding their order. Converts the same cells in the same
// order as those sorts, so a refused cell raises the same EConvertError.
std::vector<std::size_t> SortedSlots(const PassTable& table, std::size_t count,
                                     std::span<const SortRequest> sorts);
