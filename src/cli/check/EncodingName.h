#pragma once

#include <string>

#include <core/ReportFile.h>

namespace kvl::cli {

// The name of a report's encoding, UTF-8: "UTF-8", "UTF-16 little-endian", "UTF-16 big-endian",
// or the ANSI code page's, "Windows-1251", for a text without a byte-order mark.
std::string EncodingName(core::ReportFile::Encoding encoding);

}  // namespace kvl::cli
