#pragma once

#include <ostream>

#include "ReportCheck.h"

namespace kvl::cli {

// The findings of `check` as one JSON object, UTF-8, what the text says in keys of their own;
// each list as its count and its first kMostShown items.
void WriteCheckJson(std::ostream& out, const ReportCheck& check);

}  // namespace kvl::cli
