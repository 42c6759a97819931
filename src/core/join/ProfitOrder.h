#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "HugeVector.h"

namespace kvl::core {

// The positions of `profits` in ascending order of profit, of equal profits the later position
// first. A radix sort on the whole ten-thousandths: plain profits span far fewer than 64 bits, so
// a few passes over the data order them, several times faster than a comparison sort.
HugeVector<std::uint32_t> ProfitOrder(std::span<const std::int64_t> profits);

}  // namespace kvl::core
