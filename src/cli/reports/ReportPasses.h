#pragma once

#include <cstddef>
#include <string>

#include <core/PassTable.h>

namespace kvl::cli {

// Loads the report that the argument `report` names (a path, or "-" for standard input) into
// `table` as core::LoadReport does and returns the number of passes, which is never 0: every
// command that reads a report loads it here, so that a file that is no report, or a report without
// rows, stops the command before it writes anything. Raises Exception naming the report as
// ReportInput does in either case, and as ReportInput::Read does when it cannot be read.
std::size_t LoadReportPasses(const std::string& report, core::PassTable& table);

}  // namespace kvl::cli
