#include "KnownParameters.h"

#include <cli/parametermap/ReportParameters.h>
#include <core/parametermap/ParameterSpace.h>

namespace kvl::cli {

void RequireKnownParameters(const core::PassTable& table, std::size_t count,
                            std::span<const WhereCondition> conditions) {
  for (const WhereCondition& condition : conditions) {
    if (condition.parameter.empty()) continue;
    bool carried = false;
    for (std::size_t slot = 0; slot < count && !carried; ++slot) {
      carried = PassParameterValue(table[slot].Params, condition.parameter).has_value();
    }
    // Only a refusal needs the parameters' names, which take a reading of every pass.
    if (!carried) {
      RefuseUnknownParameter(core::ParameterSpace::Read(table, count), "--where", condition.cell);
    }
  }
}

}  // namespace kvl::cli
