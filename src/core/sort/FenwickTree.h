#pragma once

#include <cstddef>
#include <vector>

namespace kvl::core {

// Counts over positions 0 to size-1 with O(log size) update and prefix sum.
class FenwickTree {
 public:
  explicit FenwickTree(std::size_t size) : tree_(size + 1, 0) {}

  void Add(std::size_t position, int delta) noexcept;

  // The sum of the counts at positions below `end`.
  std::size_t PrefixSum(std::size_t end) const noexcept;

 private:
  std::vector<int> tree_;
};

}  // namespace kvl::core
