#pragma once

#include "CommandSpec.h"

// list REPORT [--format table|tsv] [--params]: the passes of a report in slot order.
extern const CommandSpec kListCommand;
