#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ReportJoin.h"

namespace kvl::core {

// A profit cell as the join reads it: its value as the profit column reads it (CellKey), and for
// a plain decimal, as most are, its exact value in ten-thousandths.
struct JoinedProfitCell {
  std::string_view text;
  long double value = 0;
  std::optional<std::int64_t> tenThousandths;
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
