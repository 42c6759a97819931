#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "ColumnValues.h"
#include "DecimalSum.h"

namespace kvl::core {

// The sum of a column's cells over some passes, exact whatever the cells write, so that the same
// values give the same mean: whole ten-thousandths while every cell is a plain decimal and the
// sum fits 64 bits, which is nearly always and fast, else a DecimalSum.
class ExactSum {
 public:
  // Adds the pass's cell, which must convert.
  void Add(const ColumnValues& values, std::size_t pass);
  void AddTenThousandths(std::int64_t value);

  bool InTenThousandths() const noexcept { return !wide_; }
  // The sum while InTenThousandths().
  std::int64_t TenThousandths() const noexcept { return tenThousandths_; }
  // The mean of `count` cells with its whole integer part and two decimals, rounded half away
  // from zero; never "-0.00".
  std::string MeanText(std::size_t count) const;

 private:
  DecimalSum& Wide();

  std::int64_t tenThousandths_ = 0;
  std::unique_ptr<DecimalSum> wide_;  // apart, so that a map's cells stay small
};

}  // namespace kvl::core
