#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

#include "CellConvert.h"
#include "ResultColumns.h"

namespace kvl::core {

// What a cell of a result column is compared by: an integer column's cells read with CellToInt,
// every other column's with CellToFloat. Both raise EConvertError, naming the cell, for a text
// they refuse.
struct IntegerCellKey {
  using Type = std::int32_t;
  static Type Of(std::string_view cell) { return CellToInt(cell); }
};
struct FloatCellKey {
  using Type = long double;
  static Type Of(std::string_view cell) { return CellToFloat(cell); }
};

// Calls visit(IntegerCellKey{}) or visit(FloatCellKey{}), whichever `column` is compared by, and
// returns what it returns: for code that keeps the keys in their own type, as the sort keeps an
// integer column's in 32 bits.
template <class Visit>
decltype(auto) VisitCellKey(const ResultColumn& column, Visit&& visit) {
  if (column.integerKey) return std::forward<Visit>(visit)(IntegerCellKey{});
  return std::forward<Visit>(visit)(FloatCellKey{});
}

// The key of a cell of `column` as a number, exact for either kind (a long double holds every
// 32-bit integer). Raises EConvertError for a cell the column's conversion refuses.
inline long double CellKey(const ResultColumn& column, std::string_view cell) {
  return VisitCellKey(column, [cell](auto key) -> long double { return key.Of(cell); });
}

}  // namespace kvl::core
