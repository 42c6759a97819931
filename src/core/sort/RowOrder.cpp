#include "RowOrder.h"

#include <stdexcept>
#include <string>
#include <utility>

#include <core/CellKey.h>

#include "ExchangeSortOrder.h"

namespace kvl::core {

namespace {

// How many rows ahead of the one converted their cells are asked for; their records are asked
// for twice as far ahead, so that each is at hand when its cell's address is read from it. After
// a sort the rows' passes lie all over the table, and their cells all over the report's text.
constexpr std::size_t kRowsAhead = 16;

}  // namespace

// The sorts' access to the order.
class RowSort {
 public:
  // Sorts the rows of `order` by keyOfRow(passes, row), the key of row `row` when `passes` are
  // the numbers of the rows' passes, called for each row in row order.
  template <class Key, class KeyOfRow>
  static void By(KeyOfRow keyOfRow, bool largestFirst, RowOrder& order) {
    // The exchange sort makes no comparison below two rows, so nothing is converted.
    if (order.Count() < 2) return;
    const std::span<const std::size_t> passes = order.passes_;
    std::vector<Key> keys;
    keys.reserve(passes.size());
    for (std::size_t row = 0; row < passes.size(); ++row) {
      try {
        keys.push_back(keyOfRow(passes, row));
      } catch (...) {
        ExchangeFirstSweep(keys, largestFirst, order);
        throw;
      }
    }
    std::vector<std::size_t> from = ExchangeSortOrder<Key>(keys, largestFirst);
    order.Rearrange(std::move(from));
  }

 private:
  // A refused key at row k stops the exchange sort in its first sweep, which compares row 0 with
  // each later row in turn; the exchanges it made with rows 1 to k-1 stay.
  template <class Key>
  static void ExchangeFirstSweep(std::vector<Key>& keys, bool largestFirst,
                                 RowOrder& order) noexcept {
    for (std::size_t j = 1; j < keys.size(); ++j) {
      if (Precedes(keys[j], keys[0], largestFirst)) {
        std::swap(keys[0], keys[j]);
        order.Exchange(0, j);
      }
    }
  }
};

RowOrder::RowOrder(std::size_t count) {
  Reset(count);
}

void RowOrder::Reset(std::size_t count) {
  passes_.resize(count);
  rows_.resize(count);
  for (std::size_t r = 0; r < count; ++r) {
    passes_[r] = r + 1;
    rows_[r] = r;
  }
}

void RowOrder::Exchange(std::size_t a, std::size_t b) noexcept {
  std::swap(passes_[a], passes_[b]);
  rows_[passes_[a] - 1] = a;
  rows_[passes_[b] - 1] = b;
}

void RowOrder::Rearrange(std::vector<std::size_t>&& from) noexcept {
  // Each position is read once, where its pass is written.
  for (std::size_t r = 0; r < from.size(); ++r) from[r] = passes_[from[r]];
  passes_.swap(from);
  for (std::size_t r = 0; r < passes_.size(); ++r) rows_[passes_[r] - 1] = r;
}

void SortRows(const PassTable& table, int columnId, bool largestFirst, RowOrder& order) {
  if (columnId < 0 || columnId >= kSortColumnCount) {
    throw std::out_of_range("no sort column " + std::to_string(columnId));
  }
  const PassText PassRecord::*const field =
      kResultColumns[static_cast<std::size_t>(columnId)].field;
  VisitCellKey(kResultColumns[static_cast<std::size_t>(columnId)], [&](auto key) {
    using CellKeyOf = decltype(key);
    // The pass numbered p is in slot p-1.
    const auto cellOfRow = [&table, field](std::span<const std::size_t> passes, std::size_t row) {
      if (row + 2 * kRowsAhead < passes.size()) {
        __builtin_prefetch(&(table[passes[row + 2 * kRowsAhead] - 1].*field));
      }
      if (row + kRowsAhead < passes.size()) {
        __builtin_prefetch((table[passes[row + kRowsAhead] - 1].*field).data());
      }
      return CellKeyOf::Of(table[passes[row] - 1].*field);
    };
    RowSort::By<typename CellKeyOf::Type>(cellOfRow, largestFirst, order);
  });
}

void SortRows(const PassKey& keyOf, bool largestFirst, RowOrder& order) {
  RowSort::By<long double>([&keyOf](std::span<const std::size_t> passes,
                                    std::size_t row) { return keyOf(PassNumber{passes[row]}); },
                           largestFirst, order);
}

void SortColumnInNextDirection(const PassTable& table, int columnId, RowOrder& order,
                               SortFlags& flags) {
  const bool largestFirst = !flags.at(static_cast<std::size_t>(columnId));
  SortRows(table, columnId, largestFirst, order);
  flags[static_cast<std::size_t>(columnId)] = largestFirst;
}

}  // namespace kvl::core
