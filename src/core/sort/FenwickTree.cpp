#include "FenwickTree.h"

namespace kvl::core {

void FenwickTree::Add(std::size_t position, int delta) noexcept {
  for (std::size_t i = position + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] += delta;
}

std::size_t FenwickTree::PrefixSum(std::size_t end) const noexcept {
  long long sum = 0;
  for (std::size_t i = end; i > 0; i -= i & (~i + 1)) sum += tree_[i];
  return static_cast<std::size_t>(sum);
}

}  // namespace kvl::core
