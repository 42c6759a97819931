#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kvl::core {

// Whether a row with key `a` belongs before a row with key `b` in the requested direction.
template <class Key>
bool Precedes(const Key& a, const Key& b, bool largestFirst) noexcept {
  return largestFirst ? b < a : a < b;
}

// The final order of the window's exchange sort over `keys` (the key of the row at position s at
// keys[s]): element s of the result is the position whose row ends at position s. The exchange sort
// is not stable; this gives its exact order of equal keys in O(n log n) instead of its n(n-1)/2
// comparisons.
template <class Key>
std::vector<std::size_t> ExchangeSortOrder(std::span<const Key> keys, bool largestFirst);

extern template std::vector<std::size_t> ExchangeSortOrder<std::int32_t>(
    std::span<const std::int32_t>, bool);
extern template std::vector<std::size_t> ExchangeSortOrder<long double>(
    std::span<const long double>, bool);

}  // namespace kvl::core
