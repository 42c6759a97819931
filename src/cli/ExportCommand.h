#pragma once

#include "CommandSpec.h"

// export REPORT PASS -o FILE: the set file of one pass, its parameter lines less the last one.
extern const CommandSpec kExportCommand;
