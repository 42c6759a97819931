#include "ExchangeSortOrder.h"

#include <algorithm>

#include "FenwickTree.h"

namespace {

template <class Key>
struct KeyedSlot {
  Key key;
  std::size_t slot;
};

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
  // `group` holds the group's slots in ascending order; `beyond` counts, by slot, the rows whose
  // keys are beyond the group's. Appends the group's final order to `order`.
  void Append(std::span<const std::size_t> group, const FenwickTree& beyond, std::size_t tableSize,
              std::vector<std::size_t>& order) {
    const std::size_t m = group.size();
    insertAt_.assign(m, 0);
    std::size_t cursor = 0;
    for (std::size_t t = 1; t < m; ++t) {
      const std::size_t passed = beyond.PrefixSum(group[t]) - beyond.PrefixSum(group[t - 1]);
      cursor = (cursor + passed) % t;
      insertAt_[t] = cursor;
      ++cursor;
    }
    const std::size_t after = beyond.PrefixSum(tableSize) - beyond.PrefixSum(group[m - 1]);
    cursor = (cursor + after) % m;

    free_.ResetToOnes(m);
    circle_.resize(m);
    for (std::size_t t = m; t-- > 0;) {
      const std::size_t place = free_.FindByRank(insertAt_[t]);
      circle_[place] = group[t];
      free_.Add(place, -1);
    }
    order.insert(order.end(), circle_.begin() + static_cast<std::ptrdiff_t>(cursor), circle_.end());
    order.insert(order.end(), circle_.begin(),
                 circle_.begin() + static_cast<std::ptrdiff_t>(cursor));
  }

 private:
  std::vector<std::size_t> insertAt_;
  std::vector<std::size_t> circle_;
  FenwickTree free_;
};

}  // namespace

template <class Key>
std::vector<std::size_t> ExchangeSortOrder(std::span<const Key> keys, bool largestFirst) {
  const std::size_t n = keys.size();
  std::vector<KeyedSlot<Key>> byKey(n);
  for (std::size_t s = 0; s < n; ++s) byKey[s] = {keys[s], s};
  // Groups of equal keys come out most extreme first, each in slot order.
  std::sort(byKey.begin(), byKey.end(), [largestFirst](const auto& a, const auto& b) {
    if (Precedes(a.key, b.key, largestFirst)) return true;
    if (Precedes(b.key, a.key, largestFirst)) return false;
    return a.slot < b.slot;
  });

  std::vector<std::size_t> order;
  order.reserve(n);
  std::vector<std::size_t> group;
  FenwickTree placed(n);
  GroupArranger arranger;
  for (std::size_t begin = 0; begin < n;) {
    std::size_t end = begin + 1;
    while (end < n && !Precedes(byKey[begin].key, byKey[end].key, largestFirst)) ++end;
    group.clear();
    for (std::size_t k = begin; k < end; ++k) group.push_back(byKey[k].slot);
    if (group.size() == 1) {
      order.push_back(group.front());
    } else {
      arranger.Append(group, placed, n, order);
    }
    for (std::size_t slot : group) placed.Add(slot, 1);
    begin = end;
  }
  return order;
}

template std::vector<std::size_t> ExchangeSortOrder<std::int32_t>(std::span<const std::int32_t>,
                                                                  bool);
template std::vector<std::size_t> ExchangeSortOrder<long double>(std::span<const long double>,
                                                                 bool);
