#pragma once

#include "Command.h"

// list REPORT [--format table|tsv] [--params]: the passes of a report in slot order.
extern const Command kListCommand;
