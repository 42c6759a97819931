#pragma once

#include <cstddef>
#include <span>

#include <core/PassTable.h>

#include "WhereCondition.h"

namespace kvl::cli {

// Raises Exception, naming the report's parameters as map --x does, for a condition on a
// parameter that none of passes 1 to count carries: a misspelt name would otherwise fail at the
// first row, or with --skip-bad leave out every row as if their cells were bad.
void RequireKnownParameters(const core::PassTable& table, std::size_t count,
                            std::span<const WhereCondition> conditions);

}  // namespace kvl::cli
