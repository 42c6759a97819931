#include "ExchangeSortOrder.h"

#include <algorithm>

#include "FenwickTree.h"
#include "FreePlaces.h"
#include "SlotsByKey.h"

namespace kvl::core {

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

}  // namespace

template <class Key>
std::vector<std::size_t> ExchangeSortOrder(std::span<const Key> keys, bool largestFirst) {
  const std::size_t n = keys.size();
  // Groups of equal keys, numbered most extreme first; groupStart[g] is also the number of rows
  // whose keys are beyond group g's.
  KeyOrder sorted = SlotsByKey(keys, largestFirst);
  const std::vector<std::size_t>& byKey = sorted.slots;
  std::vector<std::size_t>& groupStart = sorted.groupStarts;
  // Without equal keys the sort order is the whole answer.
  if (groupStart.size() == n) return std::move(sorted.slots);
  groupStart.push_back(n);
  std::vector<std::size_t> groupOf(n);
  for (std::size_t g = 0; g + 1 < groupStart.size(); ++g) {
    for (std::size_t k = groupStart[g]; k < groupStart[g + 1]; ++k) groupOf[byKey[k]] = g;
  }

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

}  // namespace kvl::core
