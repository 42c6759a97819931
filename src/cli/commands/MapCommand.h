#pragma once

#include "ToolCommand.h"

namespace kvl::cli {

// map REPORT --x NAME [--y NAME]: a result column over one or two optimized parameters.
ToolCommand AddMapCommand(CLI::App& tool);

}  // namespace kvl::cli
