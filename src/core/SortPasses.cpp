#include "SortPasses.h"

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "CellConvert.h"
#include "ResultColumns.h"
#include "sort/ExchangeSortOrder.h"

namespace {

// A refused cell at slot k stops the exchange sort in its first sweep, which compares slot 0 with
// each later slot in turn; the exchanges it made with slots 1 to k-1 stay.
template <class Key>
void ExchangeFirstSweep(std::vector<Key>& keys, bool largestFirst, PassTable& table) {
  for (std::size_t j = 1; j < keys.size(); ++j) {
    if (Precedes(keys[j], keys[0], largestFirst)) {
      std::swap(keys[0], keys[j]);
      SwapRowFields(table[0], table[j]);
    }
  }
}

// The seven fields a sort moves, without Params.
using RowFields = std::array<PassText, std::size(kRowFields)>;

constexpr std::size_t kPrefetchDistance = 16;

// Moves row order[s] into slot s for every s. The rows are gathered in their new order first and
// then written back slot by slot: reading them in any order is cheap when the addresses are known
// ahead, where moving them along the cycles of the permutation waits for every row in turn. When
// there is no memory for the copy, nothing has moved.
void ApplyOrder(const std::vector<std::size_t>& order, PassTable& table) {
  const PassTable& slots = table;
  std::vector<RowFields, HugePageAllocator<RowFields>> rows;
  rows.reserve(order.size());
  for (std::size_t s = 0; s < order.size(); ++s) {
    if (s + kPrefetchDistance < order.size())
      __builtin_prefetch(&slots[order[s + kPrefetchDistance]]);
    const CItem_OPT& row = slots[order[s]];
    RowFields& fields = rows.emplace_back();
    for (std::size_t f = 0; f < fields.size(); ++f) fields[f] = row.*kRowFields[f];
  }
  for (std::size_t s = 0; s < order.size(); ++s) {
    CItem_OPT& to = table[s];
    for (std::size_t f = 0; f < rows[s].size(); ++f) to.*kRowFields[f] = rows[s][f];
  }
}

// Orders slots 0 to n-1 by the key `keyOf` makes of each row; `textOf` gives the text the key
// is read from, fetched ahead.
template <class Key, class KeyOf, class TextOf>
void SortByKeys(KeyOf keyOf, TextOf textOf, bool largestFirst, int n, PassTable& table) {
  if (n > 0 && static_cast<std::size_t>(n) > table.Size()) {
    throw std::out_of_range("sorting " + std::to_string(n) + " passes of a table of " +
                            std::to_string(table.Size()));
  }
  // The exchange sort makes no comparison below two rows, so nothing is converted.
  if (n < 2) return;
  const auto count = static_cast<std::size_t>(n);
  std::vector<Key> keys;
  keys.reserve(count);
  // Read without writing, so that a slot that holds no record stays without one.
  const PassTable& slots = table;
  for (std::size_t s = 0; s < count; ++s) {
    // The texts lie a report line or more apart; fetching a few rows ahead overlaps their cache
    // misses with the conversions.
    if (s + kPrefetchDistance < count) {
      __builtin_prefetch(textOf(slots[s + kPrefetchDistance]).data());
    }
    try {
      keys.push_back(keyOf(slots[s]));
    } catch (...) {
      ExchangeFirstSweep(keys, largestFirst, table);
      throw;
    }
  }
  const std::vector<std::size_t> order = ExchangeSortOrder<Key>(keys, largestFirst);
  std::vector<Key>().swap(keys);  // the rows' copy needs the room more
  ApplyOrder(order, table);
}

}  // namespace

void SortPasses(int columnId, bool largestFirst, int n, PassTable& table) {
  if (columnId < 0 || columnId >= kSortColumnCount) {
    throw std::out_of_range("no sort column " + std::to_string(columnId));
  }
  const PassText CItem_OPT::*field = kResultColumns[static_cast<std::size_t>(columnId)].field;
  const auto textOf = [field](const CItem_OPT& row) { return row.*field; };
  if (kResultColumns[static_cast<std::size_t>(columnId)].integerKey) {
    SortByKeys<std::int32_t>([field](const CItem_OPT& row) { return CellToInt(row.*field); },
                             textOf, largestFirst, n, table);
  } else {
    SortByKeys<long double>([field](const CItem_OPT& row) { return CellToFloat(row.*field); },
                            textOf, largestFirst, n, table);
  }
}

void SortPassesByKeys(const std::function<long double(const CItem_OPT& row)>& keyOf,
                      bool largestFirst, int n, PassTable& table) {
  SortByKeys<long double>(
      keyOf, [](const CItem_OPT& row) { return row.Index; }, largestFirst, n, table);
}

void SortColumnInNextDirection(int columnId, int n, PassTable& table, SortFlags& flags) {
  const bool largestFirst = !flags.at(static_cast<std::size_t>(columnId));
  SortPasses(columnId, largestFirst, n, table);
  flags[static_cast<std::size_t>(columnId)] = largestFirst;
}
