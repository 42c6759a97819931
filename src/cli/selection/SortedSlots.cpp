#include "selection/SortedSlots.h"

#include <cstdint>
#include <numeric>
#include <string_view>

#include "CellConvert.h"
#include "ResultColumns.h"
#include "rows/ListedRows.h"
#include "sort/ExchangeSortOrder.h"

namespace {

// `slots` reordered by the keys `keyOf` makes of their rows, converted in slot order; `field` is
// the cell it reads first, fetched ahead.
template <class Key, class KeyOf>
std::vector<std::size_t> SortBy(const PassTable& table, const std::vector<std::size_t>& slots,
                                PassField field, KeyOf keyOf, bool largestFirst) {
  std::vector<Key> keys;
  keys.reserve(slots.size());
  const PassField fields[] = {field};
  for (std::size_t s = 0; s < slots.size(); ++s) {
    PrefetchAhead(table, slots, s, fields);
    keys.push_back(keyOf(table[slots[s]]));
  }
  std::vector<std::size_t> sorted;
  sorted.reserve(slots.size());
  for (const std::size_t from : ExchangeSortOrder<Key>(keys, largestFirst)) {
    sorted.push_back(slots[from]);
  }
  return sorted;
}

std::vector<std::size_t> SortByColumn(const PassTable& table, const std::vector<std::size_t>& slots,
                                      const SortRequest& sort) {
  const ResultColumn& column = kResultColumns.at(static_cast<std::size_t>(sort.columnId));
  const PassField field = column.field;
  if (column.integerKey) {
    return SortBy<std::int32_t>(
        table, slots, field, [field](const CItem_OPT& row) { return CellToInt(row.*field); },
        sort.largestFirst);
  }
  return SortBy<long double>(
      table, slots, field, [field](const CItem_OPT& row) { return CellToFloat(row.*field); },
      sort.largestFirst);
}

}  // namespace

std::vector<std::size_t> SortedSlots(const PassTable& table, std::size_t count,
                                     std::span<const SortRequest> sorts,
                                     const FigureKeys& figureKeys) {
  std::vector<std::size_t> slots(count);
  std::iota(slots.begin(), slots.end(), std::size_t{0});
  // The exchange sort makes no comparison below two rows, so nothing is converted.
  if (count < 2) return slots;
  for (const SortRequest& sort : sorts) {
    slots = sort.figureColumn.empty() ? SortByColumn(table, slots, sort)
                                      : SortBy<long double>(table, slots, &CItem_OPT::Index,
                                                            figureKeys(sort), sort.largestFirst);
  }
  return slots;
}
