#pragma once

#include <cstddef>
#include <vector>

#include <core/HugePageMemory.h>

namespace kvl::core {

// The join's arrays of a value per pass or per row. Each fresh page of memory costs a fault, and
// over arrays of a large report those faults take longer than the work; in whole huge pages
// there are few of them.
template <class T>
using HugeVector = std::vector<T, HugePageAllocator<T>>;

inline constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

// An empty vector with room for at least `size` elements, in whole huge pages.
template <class T>
HugeVector<T> HugeVectorFor(std::size_t size) {
  HugeVector<T> vector;
  const std::size_t bytes =
      (size * sizeof(T) + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes;
  vector.reserve(bytes / sizeof(T));
  return vector;
}

}  // namespace kvl::core
