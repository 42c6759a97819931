#pragma once

#include <string>
#include <string_view>

#include "TestedPeriod.h"

namespace kvl::core {

// Appends to `out` the walk-forward efficiency of a pass: `profit` per year of `period` over
// `baseProfit` per year of `basePeriod`, with two decimals, an exact half rounded away from zero.
// Both profits are texts that CellToFloat reads, and baseProfit is above 0. Exact wherever the
// quotient's terms fit in 128 bits, as every profit of a report does; false, appending nothing,
// where the quotient is past the range of a long double.
bool AppendEfficiency(std::string& out, std::string_view profit, const TestedPeriod& period,
                      std::string_view baseProfit, const TestedPeriod& basePeriod);

}  // namespace kvl::core
