#include "JoinedProfit.h"

#include <core/CellKey.h>
#include <core/Exceptions.h>
#include <core/parametermap/ExactDecimal.h>

namespace kvl::core {

std::optional<long double> JoinedProfit(const ComparedReport& report, std::uint32_t pass) {
  if (pass == 0) return std::nullopt;
  const std::string_view profit = (*report.table)[pass - 1].Profit;
  // A plain decimal's value at the cost of one division: its digits are exact in a long double, so
  // the quotient is the very value that CellToFloat gives.
  if (const std::optional<std::int64_t> tenThousandths = TenThousandths(profit)) {
    return static_cast<long double>(*tenThousandths) / kTenThousand;
  }
  try {
    return FloatCellKey::Of(profit);
  } catch (const EConvertError&) {
    return std::nullopt;
  }
}

void PrefetchProfit(const ComparedReport& report, std::uint32_t pass) noexcept {
  if (pass != 0) __builtin_prefetch((*report.table)[pass - 1].Profit.data());
}

}  // namespace kvl::core
