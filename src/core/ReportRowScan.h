#pragma once

#include <string_view>

#include "PassTable.h"

// The record that ParseReportRow(line) gives, with its fields pointing into `line`, found in one
// pass over the line's tags instead of a search per marker.
CItem_OPT ScanReportRow(std::string_view line);
