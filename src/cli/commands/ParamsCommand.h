#pragma once

#include "ToolCommand.h"

namespace kvl::cli {

// params REPORT: the parameters of a report's passes, optimized and constant, and the passes
// that the parameter map leaves out.
ToolCommand AddParamsCommand(CLI::App& tool);

}  // namespace kvl::cli
