#pragma once

#include "ToolCommand.h"

namespace kvl::cli {

// list REPORT: the passes of a report, sorted, filtered and limited, in one of the list formats.
ToolCommand AddListCommand(CLI::App& tool);

}  // namespace kvl::cli
