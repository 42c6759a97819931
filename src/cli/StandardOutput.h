#pragma once

#include <string_view>

namespace kvl::cli {

// Whether an output file argument means standard output: "-", or "/dev/stdout" as it is written
// on systems that have it, taken at its word also where there is no such file.
inline bool NamesStandardOutput(std::string_view path) {
  return path == "-" || path == "/dev/stdout";
}

}  // namespace kvl::cli
