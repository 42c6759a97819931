#pragma once

#include <string_view>
#include <vector>

// One `name=value` pair of a pass's parameter text, both trimmed of blanks (spaces and tabs).
// Views into the text that was split.
struct ParameterPair {
  std::string_view name;
  std::string_view value;
};

// Splits a pass's parameter text as the parameter panel does (every ';' and the byte after it
// end a line, and the last line, the rest of the report cell, is dropped), without copying.
// Returns false, with `pairs` holding what came before, when a kept line has no '=' or an empty
// name, or when no line is kept at all. `pairs` is cleared first and reused, so that a caller
// splitting many passes allocates only once.
bool SplitPassParameters(std::string_view params, std::vector<ParameterPair>& pairs);
