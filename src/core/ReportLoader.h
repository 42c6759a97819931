#pragma once

#include <string>

#include "PassTable.h"

// Reads the report at `path`, stores its data rows as passes numbered from 1 in file order into
// slots 0 to n-1 of `table`, and returns n. Later slots keep whatever they held. A report with
// more passes than the table holds grows the table. Raises EFOpenError, leaving the table
// untouched, when the file cannot be opened.
int LoadReport(const std::string& path, PassTable& table);
