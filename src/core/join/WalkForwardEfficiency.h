#pragma once

#include <string_view>

#include "HugeVector.h"
#include "JoinedProfit.h"
#include "TestedPeriod.h"

namespace kvl::core {

// Appends to `out` the walk-forward efficiency of a pass: `profit` per year of `period` over
// `baseProfit` per year of `basePeriod`, with two decimals, an exact half rounded away from zero.
// baseProfit is above 0. Exact wherever the
// quotient's terms fit in 128 bits, as every profit of a report does; false, appending nothing,
// where the quotient is past the range of a long double.
bool AppendEfficiency(HugeVector<char>& out, const JoinedProfitCell& profit,
                      const TestedPeriod& period, const JoinedProfitCell& baseProfit,
                      const TestedPeriod& basePeriod);

}  // namespace kvl::core
