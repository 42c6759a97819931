#pragma once

#include "Command.h"

// export REPORT PASS -o FILE: the set file of one pass, as the window exports it unedited.
extern const Command kExportCommand;
