#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include <core/parametermap/ExactDecimal.h>

#include "ReportJoin.h"

namespace kvl::core {

// A profit cell as the join reads it: its value as the profit column reads it (CellKey), and for
// a plain decimal, as most are, its exact value in ten-thousandths.
struct JoinedProfitCell {
  std::string_view text;  // read only where it is not a plain decimal
  std::optional<std::int64_t> tenThousandths;
  long double otherValue = 0;  // the value of a cell that is not a plain decimal

  // A plain decimal's value at the cost of one division, asked for only where the exact one will
  // not do: its digits are exact in a long double, so the quotient is the very value that
  // CellToFloat gives.
  long double Value() const noexcept {
    return tenThousandths ? static_cast<long double>(*tenThousandths) / kTenThousand : otherValue;
  }
  bool Positive() const noexcept { return tenThousandths ? *tenThousandths > 0 : otherValue > 0; }
  // Whether it is below `other`.
  bool Below(const JoinedProfitCell& other) const noexcept {
    if (tenThousandths && other.tenThousandths) return *tenThousandths < *other.tenThousandths;
    return Value() < other.Value();
  }
};

// The profit cell of `pass` of `report`; none for pass 0 or a cell that does not convert.
std::optional<JoinedProfitCell> ReadJoinedProfit(const ComparedReport& report, std::uint32_t pass);

// Its value alone.
std::optional<long double> JoinedProfit(const ComparedReport& report, std::uint32_t pass);

// Rows stand in pass order, and a report's passes in another order in its text, so the profits of
// successive rows lie far apart: each loop over the rows asks early for the profits of the row
// this far ahead.
inline constexpr std::size_t kProfitsAhead = 16;
void PrefetchProfit(const ComparedReport& report, std::uint32_t pass) noexcept;

}  // namespace kvl::core
