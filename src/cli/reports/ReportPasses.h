#pragma once

#include <cstddef>
#include <string>

#include <core/PassTable.h>
#include <core/ReportFile.h>

#include "ReportInput.h"

namespace kvl::cli {

// Loads the report that the argument `report` names (a path, or "-" for standard input) into
// `table` as core::LoadReport does and returns the number of passes, which is never 0: every
// command that reads a report loads it here, so that a file that is no report, or a report without
// rows, stops the command before it writes anything. Raises Exception naming the report as
// ReportInput does in either case, and as ReportInput::Read does when it cannot be read.
std::size_t LoadReportPasses(const std::string& report, core::PassTable& table);

// The same for the report of `input` whose bytes, `file`, the caller has read already, to read
// more of them than the passes; it reads them again only to say why it fails.
std::size_t LoadReportPasses(ReportInput& input, core::ReportFile file, core::PassTable& table);

}  // namespace kvl::cli
