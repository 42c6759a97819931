#include "selection/SortedSlots.h"

#include <cstdint>
#include <numeric>
#include <string_view>

#include "CellConvert.h"
#include "ResultColumns.h"
#include "rows/ListedRows.h"
#include "sort/ExchangeSortOrder.h"

namespace {

// `slots` reordered by the key of `field` in each of their rows, keys converted in slot order.
template <class Key>
std::vector<std::size_t> SortBy(const PassTable& table, const std::vector<std::size_t>& slots,
                                PassField field, Key (*convert)(std::string_view),
                                bool largestFirst) {
  std::vector<Key> keys;
  keys.reserve(slots.size());
  const PassField fields[] = {field};
  for (std::size_t s = 0; s < slots.size(); ++s) {
    PrefetchAhead(table, slots, s, fields);
    keys.push_back(convert(table[slots[s]].*field));
  }
  std::vector<std::size_t> sorted;
  sorted.reserve(slots.size());
  for (const std::size_t from : ExchangeSortOrder<Key>(keys, largestFirst)) {
    sorted.push_back(slots[from]);
  }
  return sorted;
}

}  // namespace

std::vector<std::size_t> SortedSlots(const PassTable& table, std::size_t count,
                                     std::span<const SortRequest> sorts) {
  std::vector<std::size_t> slots(count);
  std::iota(slots.begin(), slots.end(), std::size_t{0});
  // The exchange sort makes no comparison below two rows, so nothing is converted.
  if (count < 2) return slots;
  for (const SortRequest& sort : sorts) {
    const ResultColumn& column = kResultColumns.at(static_cast<std::size_t>(sort.columnId));
    slots = column.integerKey
                ? SortBy<std::int32_t>(table, slots, column.field, CellToInt, sort.largestFirst)
                : SortBy<long double>(table, slots, column.field, CellToFloat, sort.largestFirst);
  }
  return slots;
}
