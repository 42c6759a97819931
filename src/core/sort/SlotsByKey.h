#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kvl::core {

// The slots of a column in key order, as the exchange sort's order is built from them.
struct KeyOrder {
  // The most extreme key first (largest when largest first), equal keys in slot order.
  std::vector<std::size_t> slots;
  // The positions in `slots` where a group of equal keys begins, ascending, starting with 0.
  std::vector<std::size_t> groupStarts;
};

KeyOrder SlotsByKey(std::span<const std::int32_t> keys, bool largestFirst);
KeyOrder SlotsByKey(std::span<const long double> keys, bool largestFirst);

}  // namespace kvl::core
