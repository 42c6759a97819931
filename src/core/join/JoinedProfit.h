#pragma once

#include <cstdint>
#include <optional>

#include "ReportJoin.h"

namespace kvl::core {

// The profit of `pass` of `report`, as the profit column reads it (CellKey); none for pass 0 or a
// cell that does not convert.
std::optional<long double> JoinedProfit(const ComparedReport& report, std::uint32_t pass);

}  // namespace kvl::core
