#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "HugeVector.h"

namespace kvl::core {

// Writes to `order` (as many as `profits`) the positions of `profits` in ascending order of
// profit, of equal profits the later position first. Plain profits span far fewer than 64 bits,
// so each is packed with its position into one word and a radix sort orders the words in a few
// passes, several times faster than a comparison sort; `scratch` is its room, kept for reuse.
void ProfitOrder(std::span<const std::int64_t> profits, std::span<std::uint32_t> order,
                 HugeVector<std::uint64_t>& scratch);

}  // namespace kvl::core
