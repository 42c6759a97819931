#pragma once

#include <string>

#include "ReportCheck.h"

namespace kvl::cli {

// What check says of the results header it found, in the user's language and UTF-8: "line 39,
// Russian captions: Проход | Прибыль | ...", "line 39, English captions: Pass | Profit | ..." or
// "line 39, found by the table's structure: ...", without the captions where they cannot be read.
std::string HeaderDescription(const ReportCheck::Header& header);

}  // namespace kvl::cli
