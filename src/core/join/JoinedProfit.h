#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "ReportJoin.h"

namespace kvl::core {

// The profit of `pass` of `report`, as the profit column reads it (CellKey); none for pass 0 or a
// cell that does not convert.
std::optional<long double> JoinedProfit(const ComparedReport& report, std::uint32_t pass);

// Rows stand in pass order, and a report's passes in another order in its text, so the profits of
// successive rows lie far apart: each loop over the rows asks early for the profits of the row
// this far ahead.
inline constexpr std::size_t kProfitsAhead = 16;
void PrefetchProfit(const ComparedReport& report, std::uint32_t pass) noexcept;

}  // namespace kvl::core
