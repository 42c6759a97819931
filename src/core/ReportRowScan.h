#pragma once

#include <string_view>

#include "PassTable.h"

namespace kvl::core {

// Cuts a report line into a pass record whose fields point into `line`; Index stays empty. Params
// runs from the second byte after the first "<td title=" (from the 11th byte without one) up to
// the line's first "</td>". The six cells follow the first "<td class=mspt>" (the 15th byte
// without one), each up to its separator: "</td><td>" after Profit, "</td><td class=mspt>" after
// the next four, "</td>" after DrawdownPercent. A missing separator empties its cell, and the
// search for the next one starts one byte short of that separator's length on. Found in one pass
// over the line's tags instead of a search per marker.
PassRecord ScanReportRow(std::string_view line);

}  // namespace kvl::core
