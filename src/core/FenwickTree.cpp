#include "FenwickTree.h"

#include <algorithm>
#include <bit>

FenwickTree::FenwickTree(std::size_t size) : tree_(std::bit_ceil(size) + 1, 0) {}

void FenwickTree::ResetToOnes(std::size_t size) {
  const std::size_t padded = std::bit_ceil(size);
  tree_.assign(padded + 1, 0);
  for (std::size_t i = 1; i <= padded; ++i) {
    const std::size_t lowest = i - (i & (~i + 1));
    tree_[i] = static_cast<int>(std::min(i, size) - std::min(lowest, size));
  }
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
    // Without a branch on the data: the search path is random, so a branch would miss about
    // every other step.
    const long long count = tree_[next];
    const auto take = static_cast<std::size_t>(count <= remaining);
    position += step * take;
    remaining -= count * static_cast<long long>(take);
  }
  return position;
}
