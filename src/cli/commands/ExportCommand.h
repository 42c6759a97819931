#pragma once

#include "ToolCommand.h"

namespace kvl::cli {

// export REPORT PASS -o FILE: the set file of one pass, as the window exports it unedited.
// export REPORT --top N --dir DIR: the set files of the first N passes, sorted and filtered.
// Both can put the values into the user's own set file (--template).
ToolCommand AddExportCommand(CLI::App& tool);

}  // namespace kvl::cli
