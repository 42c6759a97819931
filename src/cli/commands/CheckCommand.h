#pragma once

#include "ToolCommand.h"

// check REPORT: how the report reads, which lines became passes, gaps and repeats in its pass
// numbers, and the cells the sort would refuse. Exits with 1 when the report is not clean.
ToolCommand AddCheckCommand(CLI::App& tool);
