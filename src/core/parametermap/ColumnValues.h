#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include <core/PassTable.h>

#include "ExactDecimal.h"

namespace kvl::core {

// The cells of one result column, looked up by pass number, whatever order a sort has listed the
// passes in. Each cell converts as the column's sort converts it (CellKey).
struct PassCell {
  PassText text;
  long double value = 0;
  bool converts = false;
};

inline constexpr std::int64_t kNotExact = INT64_MIN;

class ColumnValues {
 public:
  // Reads column `columnId` of kResultColumns of passes 1 to count, which stand in slots 0 to
  // count-1. The texts stay in `table`, which must outlive the values and hold those passes.
  static ColumnValues Read(const PassTable& table, std::size_t count, int columnId);

  int ColumnId() const noexcept { return columnId_; }
  // Pass numbers from 1 to count.
  PassCell OfPass(std::size_t pass) const noexcept {
    return {Text(pass), Value(pass), Converts(pass)};
  }
  PassText Text(std::size_t pass) const noexcept { return (*table_)[pass - 1].*field_; }
  // The value as CellKey gives it; 0 for a cell that does not convert.
  long double Value(std::size_t pass) const noexcept {
    const std::int64_t exact = exact_[pass - 1];
    if (exact != kNotExact) return static_cast<long double>(exact) / kTenThousand;
    const long double* other = OtherValue(pass);
    return other != nullptr ? *other : 0;
  }
  bool Converts(std::size_t pass) const noexcept {
    return exact_[pass - 1] != kNotExact || OtherValue(pass) != nullptr;
  }
  // The value in whole ten-thousandths (see ExactDecimal.h), kNotExact for a cell that is not a
  // plain decimal or does not convert.
  std::int64_t Exact(std::size_t pass) const noexcept { return exact_[pass - 1]; }
  std::size_t PassCount() const noexcept { return count_; }

 private:
  int columnId_ = 0;
  // The texts are read where they stand: a copy of their views would be fresh memory to fill,
  // which costs a large report more than the figures' own work.
  const PassTable* table_ = nullptr;
  PassText PassRecord::*field_ = nullptr;
  std::size_t count_ = 0;
  std::vector<std::int64_t> exact_;
  // The cells that convert but are not exact, by ascending pass: few in any report, and the
  // values of all the others follow from their exact ones.
  std::vector<std::uint32_t> otherPasses_;
  std::vector<long double> otherValues_;

  const long double* OtherValue(std::size_t pass) const noexcept;
};

// Whether a lower value is the better one in the column: the two drawdowns. In every other
// column a higher value is better.
bool LowerIsBetter(int columnId) noexcept;

}  // namespace kvl::core
