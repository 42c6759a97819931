#pragma once

#include <string>

#include "PassTable.h"

// Reads the report at `path`, stores its data rows as passes numbered from 1 in file order into
// slots 0 to n-1 of `table`, and returns n. Later slots keep whatever they held. The table keeps
// the report's text, and the passes' fields point into it. A load that fails (EFOpenError when
// the file cannot be opened, std::bad_alloc without memory) leaves the table as it was.
int LoadReport(const std::string& path, PassTable& table);
