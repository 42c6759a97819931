#include "ProfitOrder.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <utility>
#include <vector>

namespace kvl::core {

namespace {

constexpr int kMostDigitBits = 11;
constexpr int kWordBits = 64;

// The words in ascending order of their bits from `low` to `low + bits`, by radix passes of at
// most kMostDigitBits; each pass is stable, so words equal in those bits keep their order.
void RadixSort(std::span<std::uint64_t> words, std::span<std::uint64_t> room, int low, int bits) {
  const int digits = (bits + kMostDigitBits - 1) / kMostDigitBits;
  if (digits == 0) return;
  const int digitBits = (bits + digits - 1) / digits;
  const std::uint64_t mask = (std::uint64_t{1} << digitBits) - 1;
  std::vector<std::size_t> starts(std::size_t{1} << digitBits);
  for (int d = 0; d < digits; ++d) {
    const int shift = low + d * digitBits;
    std::fill(starts.begin(), starts.end(), 0);
    for (const std::uint64_t word : words) ++starts[(word >> shift) & mask];
    std::size_t start = 0;
    for (std::size_t& count : starts) start += std::exchange(count, start);
    for (const std::uint64_t word : words) room[starts[(word >> shift) & mask]++] = word;
    std::swap(words, room);
  }
  // After an odd number of passes the words are in the room.
  if (digits % 2 != 0) std::copy(words.begin(), words.end(), room.begin());
}

}  // namespace

void ProfitOrder(std::span<const std::int64_t> profits, std::span<std::uint32_t> order,
                 HugeVector<std::uint64_t>& scratch) {
  const std::size_t n = profits.size();
  if (n == 0) return;
  const auto [lowest, highest] = std::minmax_element(profits.begin(), profits.end());
  const auto span = static_cast<std::uint64_t>(*highest) - static_cast<std::uint64_t>(*lowest);
  const auto keyBits = static_cast<int>(std::bit_width(span));
  const auto positionBits = static_cast<int>(std::bit_width(n - 1));
  if (keyBits + positionBits > kWordBits) {
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&profits](std::uint32_t a, std::uint32_t b) {
      return profits[a] < profits[b] || (profits[a] == profits[b] && a > b);
    });
    return;
  }
  if (scratch.size() < 2 * n) {
    scratch = HugeVectorFor<std::uint64_t>(2 * n);
    scratch.resize(2 * n);
  }
  const std::span<std::uint64_t> words(scratch.data(), n);
  // The positions go in backwards, and the sort by profit alone keeps their order: of equal
  // profits the later position comes first.
  for (std::size_t k = 0; k < n; ++k) {
    const std::uint64_t key =
        static_cast<std::uint64_t>(profits[k]) - static_cast<std::uint64_t>(*lowest);
    words[n - 1 - k] = key << positionBits | k;
  }
  RadixSort(words, std::span<std::uint64_t>(scratch.data() + n, n), positionBits, keyBits);
  const std::uint64_t positionMask = (std::uint64_t{1} << positionBits) - 1;
  for (std::size_t k = 0; k < n; ++k)
    order[k] = static_cast<std::uint32_t>(words[k] & positionMask);
}

}  // namespace kvl::core
