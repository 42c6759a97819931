#include "ProfitOrder.h"

#include <algorithm>
#include <bit>
#include <utility>
#include <vector>

namespace kvl::core {

namespace {

constexpr int kMostDigitBits = 11;

struct KeyedPosition {
  std::uint64_t key;
  std::uint32_t position;
};

}  // namespace

HugeVector<std::uint32_t> ProfitOrder(std::span<const std::int64_t> profits) {
  const std::size_t n = profits.size();
  HugeVector<std::uint32_t> order = HugeVectorFor<std::uint32_t>(n);
  if (n == 0) return order;
  const auto [lowest, highest] = std::minmax_element(profits.begin(), profits.end());
  const auto span = static_cast<std::uint64_t>(*highest) - static_cast<std::uint64_t>(*lowest);
  const auto bits = static_cast<int>(std::bit_width(span));
  const int digits = (bits + kMostDigitBits - 1) / kMostDigitBits;
  const int digitBits = digits == 0 ? 0 : (bits + digits - 1) / digits;
  // Each pass is stable, so positions that start in descending order keep it among equal keys.
  HugeVector<KeyedPosition> keyed = HugeVectorFor<KeyedPosition>(n);
  for (std::size_t k = n; k-- > 0;) {
    keyed.push_back({static_cast<std::uint64_t>(profits[k]) - static_cast<std::uint64_t>(*lowest),
                     static_cast<std::uint32_t>(k)});
  }
  HugeVector<KeyedPosition> sorted = HugeVectorFor<KeyedPosition>(n);
  sorted.resize(n);
  std::vector<std::size_t> starts(std::size_t{1} << digitBits);
  const std::uint64_t mask = (std::uint64_t{1} << digitBits) - 1;
  for (int d = 0; d < digits; ++d) {
    const int shift = d * digitBits;
    std::fill(starts.begin(), starts.end(), 0);
    for (const KeyedPosition& item : keyed) ++starts[(item.key >> shift) & mask];
    std::size_t start = 0;
    for (std::size_t& count : starts) start += std::exchange(count, start);
    for (const KeyedPosition& item : keyed) sorted[starts[(item.key >> shift) & mask]++] = item;
    keyed.swap(sorted);
  }
  for (const KeyedPosition& item : keyed) order.push_back(item.position);
  return order;
}

}  // namespace kvl::core
