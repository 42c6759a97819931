#pragma once

#include "ToolCommand.h"

// list REPORT: the passes of a report, sorted, filtered and limited, in one of the list formats.
ToolCommand AddListCommand(CLI::App& tool);
