#pragma once

#include <cstddef>
#include <string>

#include <core/PassTable.h>

namespace kvl::cli {

// Loads the report at `path` into `table` as core::LoadReport does and returns the number of
// passes, which is never 0: every command that reads a report loads it here, so that a file that
// is no report, or a report without rows, stops the command before it writes anything. Raises
// Exception naming `path` as the user gave it in either case, and EFOpenError when the file
// cannot be opened.
std::size_t LoadReportPasses(const std::string& path, core::PassTable& table);

}  // namespace kvl::cli
