#pragma once

#include <cstddef>
#include <vector>

// Counts over positions 0 to size-1 with O(log size) update, prefix count and search. The tree
// spans a power of two of positions, the ones past size holding 0, so the search needs no bound
// test.
class FenwickTree {
 public:
  explicit FenwickTree(std::size_t size = 0);

  // Every position starts with a count of 1; reuses the storage already held.
  void ResetToOnes(std::size_t size);

  void Add(std::size_t position, int delta) noexcept;

  // The sum of the counts at positions below `end`.
  std::size_t PrefixSum(std::size_t end) const noexcept;

  // The position p at which the prefix sum first exceeds `rank`: with counts of 0 and 1, the
  // position of the 1 that has `rank` ones before it. `rank` must be below the total.
  std::size_t FindByRank(std::size_t rank) const noexcept;

 private:
  std::vector<int> tree_;
};
