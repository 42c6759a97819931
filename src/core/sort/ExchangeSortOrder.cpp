#include "ExchangeSortOrder.h"

#include <algorithm>

#include "FenwickTree.h"
#include "FreePlaces.h"

namespace {

// Arranges one group of equal keys. Within the group, the exchange sort's order depends only on
// how many rows with keys beyond the group's (larger when largest first, smaller otherwise)
// stand between the group's rows before the sort: walking the group's rows in slot order, the
// order built so far turns left by the number of such rows passed since the previous group row,
// and the new row joins at its end; after the last row it turns once more by the number of such
// rows behind it.
//
// The turns are kept as a cursor into a circular sequence, so joining "at the end" means
// inserting just before the cursor. The cursor moves by arithmetic alone; one backward pass over
// the insertions then finds every row's place in the sequence.
class GroupArranger {
 public:
  // `group` holds the group's slots in ascending order, `beyondBefore` the number of rows with
  // keys beyond the group's that stand before each slot, and `beyondCount` the number of all such
  // rows. Appends the group's final order to `order`.
  void Append(std::span<const std::size_t> group, std::span<const std::size_t> beyondBefore,
              std::size_t beyondCount, std::vector<std::size_t>& order) {
    const std::size_t m = group.size();
    insertAt_.assign(m, 0);
    std::size_t cursor = 0;
    for (std::size_t t = 1; t < m; ++t) {
      const std::size_t passed = beyondBefore[group[t]] - beyondBefore[group[t - 1]];
      cursor = (cursor + passed) % t;
      insertAt_[t] = cursor;
      ++cursor;
    }
    cursor = (cursor + beyondCount - beyondBefore[group[m - 1]]) % m;

    free_.Reset(m);
    circle_.resize(m);
    for (std::size_t t = m; t-- > 0;) circle_[free_.Take(insertAt_[t])] = group[t];
    order.insert(order.end(), circle_.begin() + static_cast<std::ptrdiff_t>(cursor), circle_.end());
    order.insert(order.end(), circle_.begin(),
                 circle_.begin() + static_cast<std::ptrdiff_t>(cursor));
  }

 private:
  std::vector<std::size_t> insertAt_;
  std::vector<std::size_t> circle_;
  FreePlaces free_;
};

// Slots in key order, the most extreme key first and equal keys in slot order.
std::vector<std::size_t> SlotsByKey(std::span<const long double> keys, bool largestFirst) {
  struct KeyedSlot {
    long double key;
    std::size_t slot;
  };
  std::vector<KeyedSlot> byKey(keys.size());
  for (std::size_t s = 0; s < keys.size(); ++s) byKey[s] = {keys[s], s};
  std::sort(byKey.begin(), byKey.end(), [largestFirst](const auto& a, const auto& b) {
    if (Precedes(a.key, b.key, largestFirst)) return true;
    if (Precedes(b.key, a.key, largestFirst)) return false;
    return a.slot < b.slot;
  });
  std::vector<std::size_t> slots(keys.size());
  for (std::size_t k = 0; k < keys.size(); ++k) slots[k] = byKey[k].slot;
  return slots;
}

// Integer keys: a radix sort on 8-bit digits of an order-keeping rank. Being stable, it keeps
// equal keys in slot order, and it skips a digit that all keys share.
std::vector<std::size_t> SlotsByKey(std::span<const std::int32_t> keys, bool largestFirst) {
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
  std::vector<std::size_t> slots(n);
  for (std::size_t k = 0; k < n; ++k) slots[k] = items[k] & 0xFFFFFFFFu;
  return slots;
}

}  // namespace

template <class Key>
std::vector<std::size_t> ExchangeSortOrder(std::span<const Key> keys, bool largestFirst) {
  const std::size_t n = keys.size();
  std::vector<std::size_t> byKey = SlotsByKey(keys, largestFirst);

  // Groups of equal keys, numbered most extreme first; groupStart[g] is also the number of rows
  // whose keys are beyond group g's.
  std::vector<std::size_t> groupOf(n);
  std::vector<std::size_t> groupStart;
  for (std::size_t k = 0; k < n; ++k) {
    if (k == 0 || Precedes(keys[byKey[k - 1]], keys[byKey[k]], largestFirst)) {
      groupStart.push_back(k);
    }
    groupOf[byKey[k]] = groupStart.size() - 1;
  }
  // Without equal keys the sort order is the whole answer.
  if (groupStart.size() == n) return byKey;
  groupStart.push_back(n);

  std::vector<std::size_t> beyondBefore(n);
  FenwickTree seenByGroup(groupStart.size());
  for (std::size_t slot = 0; slot < n; ++slot) {
    beyondBefore[slot] = seenByGroup.PrefixSum(groupOf[slot]);
    seenByGroup.Add(groupOf[slot], 1);
  }

  std::vector<std::size_t> order;
  order.reserve(n);
  GroupArranger arranger;
  for (std::size_t g = 0; g + 1 < groupStart.size(); ++g) {
    const std::span<const std::size_t> group(byKey.data() + groupStart[g],
                                             groupStart[g + 1] - groupStart[g]);
    if (group.size() == 1) {
      order.push_back(group.front());
    } else {
      arranger.Append(group, beyondBefore, groupStart[g], order);
    }
  }
  return order;
}

template std::vector<std::size_t> ExchangeSortOrder<std::int32_t>(std::span<const std::int32_t>,
                                                                  bool);
template std::vector<std::size_t> ExchangeSortOrder<long double>(std::span<const long double>,
                                                                 bool);
