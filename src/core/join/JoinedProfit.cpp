#include "JoinedProfit.h"

#include <core/CellKey.h>
#include <core/Exceptions.h>

namespace kvl::core {

std::optional<long double> JoinedProfit(const ComparedReport& report, std::uint32_t pass) {
  if (pass == 0) return std::nullopt;
  try {
    return FloatCellKey::Of((*report.table)[pass - 1].Profit);
  } catch (const EConvertError&) {
    return std::nullopt;
  }
}

}  // namespace kvl::core
