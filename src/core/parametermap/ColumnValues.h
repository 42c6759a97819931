#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include <core/PassTable.h>

namespace kvl::core {

// The cells of one result column, looked up by pass number, whatever order a sort has listed the
// passes in. Each cell converts as the column's sort converts it (CellKey).
struct PassCell {
  PassText text;
  long double value = 0;
  bool converts = false;
};

class ColumnValues {
 public:
  // Reads column `columnId` of kResultColumns of passes 1 to count, which stand in slots 0 to
  // count-1.
  static ColumnValues Read(const PassTable& table, std::size_t count, int columnId);

  int ColumnId() const noexcept { return columnId_; }
  // Pass numbers from 1 to count.
  PassCell OfPass(std::size_t pass) const noexcept {
    return {Text(pass), Value(pass), Converts(pass)};
  }
  PassText Text(std::size_t pass) const noexcept { return texts_[pass - 1]; }
  long double Value(std::size_t pass) const noexcept { return values_[pass - 1]; }
  bool Converts(std::size_t pass) const noexcept { return converts_[pass - 1] != 0; }
  // The value in whole ten-thousandths (see ExactDecimal.h), kNotExact for a cell that is not a
  // plain decimal or does not convert.
  std::int64_t Exact(std::size_t pass) const noexcept { return exact_[pass - 1]; }
  std::size_t PassCount() const noexcept { return texts_.size(); }

 private:
  int columnId_ = 0;
  // Apart, so that the figures, which read values far more often than texts, find more of them in
  // the cache.
  std::vector<PassText> texts_;
  std::vector<long double> values_;
  std::vector<char> converts_;
  std::vector<std::int64_t> exact_;
};

inline constexpr std::int64_t kNotExact = INT64_MIN;

// Whether a lower value is the better one in the column: the two drawdowns. In every other
// column a higher value is better.
bool LowerIsBetter(int columnId) noexcept;

}  // namespace kvl::core
