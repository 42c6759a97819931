#include "FenwickTree.h"

#include <bit>

void FenwickTree::ResetToOnes(std::size_t size) {
  tree_.assign(size + 1, 0);
  for (std::size_t i = 1; i <= size; ++i) tree_[i] = static_cast<int>(i & (~i + 1));
}

void FenwickTree::Add(std::size_t position, int delta) noexcept {
  for (std::size_t i = position + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] += delta;
}

std::size_t FenwickTree::PrefixSum(std::size_t end) const noexcept {
  long long sum = 0;
  for (std::size_t i = end; i > 0; i -= i & (~i + 1)) sum += tree_[i];
  return static_cast<std::size_t>(sum);
}

std::size_t FenwickTree::FindByRank(std::size_t rank) const noexcept {
  const std::size_t size = tree_.size() - 1;
  std::size_t position = 0;
  long long remaining = static_cast<long long>(rank);
  for (std::size_t step = std::bit_floor(size); step > 0; step >>= 1) {
    const std::size_t next = position + step;
    if (next <= size && tree_[next] <= remaining) {
      position = next;
      remaining -= tree_[next];
    }
  }
  return position;
}
