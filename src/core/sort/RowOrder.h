#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include <core/PassNumbering.h>
#include <core/PassTable.h>
#include <core/ResultColumns.h>

namespace kvl::core {

// Which pass each row of a listing shows, and which row each pass stands in; both look-ups take
// constant time. The table is never reordered: its slot p holds the pass numbered p+1 for as long
// as the load lasts, and a sort reorders only this.
class RowOrder {
 public:
  RowOrder() = default;  // no rows
  // The load order: row r shows pass r+1.
  explicit RowOrder(std::size_t count);
  // The load order again, for `count` rows, in the memory the order already holds where it is
  // large enough: a program that loads report after report, or a sort's scratch after it, finds
  // that memory still at hand instead of the system's fresh pages.
  void Reset(std::size_t count);

  std::size_t Count() const noexcept { return passes_.size(); }
  // row.value below Count().
  PassNumber PassAt(Row row) const noexcept { return PassNumber{passes_[row.value]}; }
  // nullopt for 0 and for a number beyond Count().
  std::optional<Row> RowOf(PassNumber pass) const noexcept {
    if (pass.value < 1 || pass.value > rows_.size()) return std::nullopt;
    return Row{rows_[SlotOf(pass)]};
  }

 private:
  friend class RowSort;  // the sorts below, in RowOrder.cpp

  // Exchanges the passes of rows a and b.
  void Exchange(std::size_t a, std::size_t b) noexcept;
  // Row r takes the pass that row from[r] shows; `from` names every row once, and its storage
  // becomes the order's, so that a sort takes no memory for the new order.
  void Rearrange(std::vector<std::size_t>&& from) noexcept;

  // Plain numbers rather than PassNumber and Row, so that a sort's order of positions becomes
  // the order of passes in place.
  std::vector<std::size_t> passes_;  // the number of the pass of each row
  std::vector<std::size_t> rows_;    // the row of each pass, at its slot
};

inline constexpr int kSortColumnCount = static_cast<int>(kResultColumns.size());

// Reorders the rows of `order` by column `columnId` of kResultColumns, largest or smallest first,
// exactly as a header click of the window does; each row's key is its pass's cell in `table`,
// compared as CellKey reads it. Successive sorts each reorder the order the one before left.
//
// The order, equal keys included, is that of the exchange sort that compares row i with every
// later row j and exchanges the two when row j's key is beyond row i's, for i = 0 to Count()-2.
// Each cell is converted once, in row order, and none below two rows. A cell that its conversion
// refuses, at row k, raises EConvertError and leaves rows 0 to k-1 as that sort's first sweep
// over them would and the rows from k on untouched. A columnId outside 0 to 6 raises
// std::out_of_range before anything is read.
void SortRows(const PassTable& table, int columnId, bool largestFirst, RowOrder& order);

// The key of a pass for a sort by figures that the table does not hold.
using PassKey = std::function<long double(PassNumber pass)>;

// Reorders the rows of `order` by keyOf(pass) of each row's pass, as the sort above does by a
// column: the same exchange order, keyOf called once a row in row order, and whatever it raises at
// row k leaves the order as a refused cell there does.
void SortRows(const PassKey& keyOf, bool largestFirst, RowOrder& order);

// One flag per column, indexed by column id: false while the column's next sort puts the largest
// value first. Only a completed sort flips one.
using SortFlags = std::array<bool, kSortColumnCount>;

// A header click on column `columnId`: sorts the rows of `order` in the column's next direction
// and then flips the column's flag. A sort that fails leaves the flag, so the next click tries the
// same direction again.
void SortColumnInNextDirection(const PassTable& table, int columnId, RowOrder& order,
                               SortFlags& flags);

}  // namespace kvl::core
