#include "JoinedProfit.h"

#include <core/CellKey.h>
#include <core/Exceptions.h>
#include <core/parametermap/ExactDecimal.h>

namespace kvl::core {

std::optional<JoinedProfitCell> ReadJoinedProfit(const ComparedReport& report, std::uint32_t pass) {
  if (pass == 0) return std::nullopt;
  JoinedProfitCell cell;
  cell.text = (*report.table)[pass - 1].Profit;
  cell.tenThousandths = TenThousandths(cell.text);
  // A plain decimal's value at the cost of one division: its digits are exact in a long double, so
  // the quotient is the very value that CellToFloat gives.
  if (cell.tenThousandths) {
    cell.value = static_cast<long double>(*cell.tenThousandths) / kTenThousand;
    return cell;
  }
  try {
    cell.value = FloatCellKey::Of(cell.text);
  } catch (const EConvertError&) {
    return std::nullopt;
  }
  return cell;
}

std::optional<long double> JoinedProfit(const ComparedReport& report, std::uint32_t pass) {
  const std::optional<JoinedProfitCell> cell = ReadJoinedProfit(report, pass);
  if (!cell) return std::nullopt;
  return cell->value;
}

void PrefetchProfit(const ComparedReport& report, std::uint32_t pass) noexcept {
  if (pass != 0) __builtin_prefetch((*report.table)[pass - 1].Profit.data());
}

}  // namespace kvl::core
