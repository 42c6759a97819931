#pragma once

#include "ToolCommand.h"

namespace kvl::cli {

// join BASE OTHER...: the passes of several reports of one expert matched by their inputs, with
// how the later reports bear out the base, listed or exported as set files.
ToolCommand AddJoinCommand(CLI::App& tool);

}  // namespace kvl::cli
