#include "SortPasses.h"

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "CellConvert.h"
#include "ExchangeSortOrder.h"
#include "ResultColumns.h"

std::array<bool, kSortColumnCount> ColumnSortFlags{};

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

void MoveRow(const CItem_OPT& from, CItem_OPT& to) noexcept {
  for (auto field : kRowFields) to.*field = from.*field;
}

constexpr int kPrefetchDistance = 8;

// Moves row order[s] into slot s for every s, one cycle of the permutation at a time. Moving each
// row once costs a third of exchanging it along the cycle, which is most of a large sort's time.
void ApplyOrder(const std::vector<std::size_t>& order, PassTable& table) {
  std::vector<bool> done(order.size(), false);
  CItem_OPT held;
  for (std::size_t start = 0; start < order.size(); ++start) {
    if (done[start] || order[start] == start) continue;
    MoveRow(table[start], held);
    std::size_t s = start;
    std::size_t ahead = start;
    for (int step = 0; step < kPrefetchDistance; ++step) ahead = order[ahead];
    for (; order[s] != start; s = order[s]) {
      // The cycle visits rows in no useful memory order; fetching a few steps ahead hides most
      // of the cache misses.
      for (auto field : kRowFields) __builtin_prefetch(&(table[ahead].*field), 1);
      ahead = order[ahead];
      done[s] = true;
      MoveRow(table[order[s]], table[s]);
    }
    done[s] = true;
    MoveRow(held, table[s]);
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
    try {
      keys.push_back(convert(slots[s].*field));
    } catch (...) {
      ExchangeFirstSweep(keys, largestFirst, table);
      throw;
    }
  }
  ApplyOrder(ExchangeSortOrder<Key>(keys, largestFirst), table);
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

void SortColumnInNextDirection(int columnId, int n, PassTable& table) {
  const bool largestFirst = !ColumnSortFlags.at(static_cast<std::size_t>(columnId));
  SortPasses(columnId, largestFirst, n, table);
  ColumnSortFlags[static_cast<std::size_t>(columnId)] = largestFirst;
}
