#include "StableOrder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include <cli/rows/ListedRows.h>
#include <core/Exceptions.h>

#include "KeyCells.h"
#include "RowRefusal.h"

namespace kvl::cli {

namespace {

// Stands for an empty cell among the keys: no cell converts to it.
constexpr long double kEmpty = std::numeric_limits<long double>::quiet_NaN();

// Appends the numbers of the keys of the pass in `slot`, listed at `row`. For a cell that does not
// convert it raises EConvertError naming it, or with skipBad appends nothing and returns false.
bool AppendKeys(const core::PassTable& table, const std::vector<KeyCells>& keys, std::size_t row,
                std::size_t slot, bool skipBad, std::vector<long double>& numbers) {
  const std::size_t start = numbers.size();
  for (const KeyCells& key : keys) {
    const std::string_view text = key.Text(slot);
    try {
      numbers.push_back(text.empty() ? kEmpty : key.Number(text));
    } catch (const core::EConvertError& error) {
      if (!skipBad) RefuseRow(row + 1, table[slot], key.Name(), error);
      numbers.resize(start);
      return false;
    }
  }
  return true;
}

// Whether the row whose key numbers start at `a` goes before the one whose numbers start at `b`.
bool Before(const long double* a, const long double* b, std::span<const SortRequest> order) {
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (std::isnan(a[k]) || std::isnan(b[k])) {
      if (std::isnan(a[k]) != std::isnan(b[k])) return std::isnan(b[k]);
    } else if (a[k] != b[k]) {
      return order[k].largestFirst ? a[k] > b[k] : a[k] < b[k];
    }
  }
  return false;
}

}  // namespace

void SortInStableOrder(const core::PassTable& table, const PassSelection& selection,
                       SelectedRows& selected) {
  std::vector<KeyCells> keys;
  std::vector<PassField> fieldsRead;
  for (const SortRequest& key : selection.order) {
    keys.emplace_back(table, key, selection);
    if (const std::optional<PassField> field = keys.back().Field()) fieldsRead.push_back(*field);
  }
  // The slots of the rows kept, and their keys' numbers, row after row.
  std::vector<std::size_t> kept;
  std::vector<long double> numbers;
  kept.reserve(selected.slots.size());
  numbers.reserve(selected.slots.size() * keys.size());
  for (std::size_t row = 0; row < selected.slots.size(); ++row) {
    PrefetchAhead(table, selected.slots, row, fieldsRead);
    const std::size_t slot = selected.slots[row];
    if (AppendKeys(table, keys, row, slot, selection.skipBad, numbers)) {
      kept.push_back(slot);
    } else {
      ++selected.leftOut;
    }
  }
  std::vector<std::size_t> rows(kept.size());
  for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = row;
  std::ranges::stable_sort(rows, [&](std::size_t a, std::size_t b) {
    return Before(&numbers[a * keys.size()], &numbers[b * keys.size()], selection.order);
  });
  selected.slots.clear();
  for (const std::size_t row : rows) selected.slots.push_back(kept[row]);
}

}  // namespace kvl::cli
