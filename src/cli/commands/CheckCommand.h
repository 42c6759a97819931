#pragma once

#include "ToolCommand.h"

namespace kvl::cli {

// check REPORT: how the report reads, which lines became passes, gaps and repeats in its pass
// numbers, and the cells the sort would refuse. Exits with 1 when the report is not clean.
ToolCommand AddCheckCommand(CLI::App& tool);

}  // namespace kvl::cli
