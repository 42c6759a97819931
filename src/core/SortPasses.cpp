#include "SortPasses.h"

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "CellConvert.h"
#include "sort/ExchangeSortOrder.h"
#include "ResultColumns.h"

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

template <class Key>
void SortByKeys(PassText CItem_OPT::*field, Key (*convert)(std::string_view), bool largestFirst,
                std::size_t n, PassTable& table) {
  std::vector<Key> keys;
  keys.reserve(n);
  // Read without writing, so that a slot that holds no record stays without one.
  const PassTable& slots = table;
  for (std::size_t s = 0; s < n; ++s) {
    // The texts lie a report line or more apart; fetching a few rows ahead overlaps their cache
    // misses with the conversions.
    if (s + kPrefetchDistance < n) {
      __builtin_prefetch((slots[s + kPrefetchDistance].*field).data());
    }
    try {
      keys.push_back(convert(slots[s].*field));
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
  if (n > 0 && static_cast<std::size_t>(n) > table.Size()) {
    throw std::out_of_range("sorting " + std::to_string(n) + " passes of a table of " +
                            std::to_string(table.Size()));
  }
  // The exchange sort makes no comparison below two rows, so nothing is converted.
  if (n < 2) return;
  const auto count = static_cast<std::size_t>(n);
  const ResultColumn& column = kResultColumns[static_cast<std::size_t>(columnId)];
  if (column.integerKey) {
    SortByKeys<std::int32_t>(column.field, CellToInt, largestFirst, count, table);
  } else {
    SortByKeys<long double>(column.field, CellToFloat, largestFirst, count, table);
  }
}

void SortColumnInNextDirection(int columnId, int n, PassTable& table, SortFlags& flags) {
  const bool largestFirst = !flags.at(static_cast<std::size_t>(columnId));
  SortPasses(columnId, largestFirst, n, table);
  flags[static_cast<std::size_t>(columnId)] = largestFirst;
}
