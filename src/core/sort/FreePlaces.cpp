#include "FreePlaces.h"

#include <bit>

namespace kvl::core {

void FreePlaces::Reset(std::size_t size) {
  leaves_ = std::bit_ceil(size);
  freeBelow_.assign(2 * leaves_, 0);
  for (std::size_t place = 0; place < size; ++place) freeBelow_[leaves_ + place] = 1;
  for (std::size_t node = leaves_; node-- > 1;) {
    freeBelow_[node] = freeBelow_[2 * node] + freeBelow_[2 * node + 1];
  }
}

std::size_t FreePlaces::Take(std::size_t rank) noexcept {
  auto remaining = static_cast<int>(rank);
  std::size_t node = 1;
  while (node < leaves_) {
    --freeBelow_[node];
    const std::size_t left = 2 * node;
    // Without a branch on the data: the path is random, so a branch would miss every other level.
    const bool goRight = remaining >= freeBelow_[left];
    remaining -= goRight ? freeBelow_[left] : 0;
    node = left + static_cast<std::size_t>(goRight);
  }
  --freeBelow_[node];
  return node - leaves_;
}

}  // namespace kvl::core
