#include "SlotsByKey.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "ExchangeSortOrder.h"

namespace kvl::core {

namespace {

// Items that hold a key's order-keeping image above its slot, in key order: the slots and the
// groups of equal images.
template <class Item, class SameKey, class SlotOf>
KeyOrder FromSortedItems(const std::vector<Item>& items, SameKey sameKey, SlotOf slotOf) {
  KeyOrder order;
  order.slots.resize(items.size());
  for (std::size_t k = 0; k < items.size(); ++k) {
    order.slots[k] = slotOf(items[k]);
    if (k == 0 || !sameKey(items[k - 1], items[k])) order.groupStarts.push_back(k);
  }
  return order;
}

// The 80-bit extended format as 128 bits that order as the values do: the sign and exponent and
// the 64-bit mantissa, then the slot, which breaks ties. Comparing two such integers is much
// cheaper than comparing two extended values, and the pair is half the size.
struct ExtendedKeyedSlot {
  std::uint64_t high;  // sign and exponent, then the mantissa's upper 48 bits
  std::uint64_t low;   // the mantissa's lower 16 bits, then the slot

  static constexpr int kSlotBits = 48;

  bool operator<(const ExtendedKeyedSlot& other) const noexcept {
    return high != other.high ? high < other.high : low < other.low;
  }
};

KeyOrder SlotsByExtendedKey(std::span<const long double> keys, bool largestFirst) {
  std::vector<ExtendedKeyedSlot> items(keys.size());
  for (std::size_t s = 0; s < keys.size(); ++s) {
    // -0 equals +0, so it takes +0's bits.
    const long double key = keys[s] == 0.0L ? 0.0L : keys[s];
    std::uint64_t mantissa = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&mantissa, &key, sizeof mantissa);
    std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&key) + sizeof mantissa,
                sizeof signAndExponent);
    // Positive values order by exponent and mantissa, above all negative ones, which order the
    // other way round.
    const bool negative = (signAndExponent & 0x8000u) != 0;
    std::uint64_t top = negative ? static_cast<std::uint16_t>(~signAndExponent)
                                 : static_cast<std::uint16_t>(signAndExponent | 0x8000u);
    if (negative) mantissa = ~mantissa;
    if (largestFirst) {
      top ^= 0xFFFFu;
      mantissa = ~mantissa;
    }
    items[s] = {top << 48 | mantissa >> 16,
                (mantissa & 0xFFFFu) << ExtendedKeyedSlot::kSlotBits | s};
  }
  std::sort(items.begin(), items.end());
  return FromSortedItems(
      items,
      [](const ExtendedKeyedSlot& a, const ExtendedKeyedSlot& b) {
        return a.high == b.high &&
               a.low >> ExtendedKeyedSlot::kSlotBits == b.low >> ExtendedKeyedSlot::kSlotBits;
      },
      [](const ExtendedKeyedSlot& item) {
        return static_cast<std::size_t>(item.low &
                                        ((std::uint64_t{1} << ExtendedKeyedSlot::kSlotBits) - 1));
      });
}

// Where long double is not the 80-bit format: the values compared as they are.
[[maybe_unused]] KeyOrder SlotsByComparedKey(std::span<const long double> keys, bool largestFirst) {
  struct KeyedSlot {
    long double key;
    std::size_t slot;
  };
  std::vector<KeyedSlot> items(keys.size());
  for (std::size_t s = 0; s < keys.size(); ++s) items[s] = {keys[s], s};
  std::sort(items.begin(), items.end(), [largestFirst](const auto& a, const auto& b) {
    if (Precedes(a.key, b.key, largestFirst)) return true;
    if (Precedes(b.key, a.key, largestFirst)) return false;
    return a.slot < b.slot;
  });
  return FromSortedItems(
      items, [](const KeyedSlot& a, const KeyedSlot& b) { return a.key == b.key; },
      [](const KeyedSlot& item) { return item.slot; });
}

}  // namespace

// Integer keys: a radix sort on 8-bit digits of an order-keeping rank. Being stable, it keeps
// equal keys in slot order, and it skips a digit that all keys share.
KeyOrder SlotsByKey(std::span<const std::int32_t> keys, bool largestFirst) {
  constexpr int kDigitBits = 8;
  constexpr std::uint64_t kDigitMask = (1u << kDigitBits) - 1;
  const std::size_t n = keys.size();
  std::vector<std::uint64_t> items(n);
  for (std::size_t s = 0; s < n; ++s) {
    std::uint32_t rank = static_cast<std::uint32_t>(keys[s]) ^ 0x80000000u;
    if (largestFirst) rank = ~rank;
    items[s] = (std::uint64_t{rank} << 32) | s;
  }
  std::vector<std::uint64_t> sorted(n);
  std::vector<std::size_t> firstOfDigit(kDigitMask + 2);
  for (int shift = 32; shift < 64; shift += kDigitBits) {
    std::fill(firstOfDigit.begin(), firstOfDigit.end(), 0);
    for (std::uint64_t item : items) ++firstOfDigit[((item >> shift) & kDigitMask) + 1];
    if (std::find(firstOfDigit.begin(), firstOfDigit.end(), n) != firstOfDigit.end()) continue;
    for (std::size_t d = 1; d < firstOfDigit.size(); ++d) firstOfDigit[d] += firstOfDigit[d - 1];
    for (std::uint64_t item : items) sorted[firstOfDigit[(item >> shift) & kDigitMask]++] = item;
    items.swap(sorted);
  }
  return FromSortedItems(
      items, [](std::uint64_t a, std::uint64_t b) { return a >> 32 == b >> 32; },
      [](std::uint64_t item) { return static_cast<std::size_t>(item & 0xFFFFFFFFu); });
}

KeyOrder SlotsByKey(std::span<const long double> keys, bool largestFirst) {
  if constexpr (std::numeric_limits<long double>::digits == 64 && sizeof(long double) >= 10) {
    return SlotsByExtendedKey(keys, largestFirst);
  } else {
    return SlotsByComparedKey(keys, largestFirst);
  }
}

}  // namespace kvl::core
