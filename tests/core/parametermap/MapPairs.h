#pragma once

#include <string_view>
#include <vector>

#include <core/parameters/ParameterLines.h>
#include <core/parameters/ParameterPair.h>

// A pass's name=value pairs as the parameter map takes them, read the plain way: every kept line
// split at its first '=', names and values trimmed. False when no line is kept, or when one has
// no '=' or no name; `pairs` is meaningful only when true.
inline bool SplitMapPairs(std::string_view params, std::vector<kvl::core::ParameterPair>& pairs) {
  pairs.clear();
  bool allPairs = true;
  kvl::core::ForEachKeptLine(params, [&](std::string_view line) {
    const kvl::core::ParameterPair pair =
        kvl::core::SplitParameterPair(line, kvl::core::Blanks::kTrimmed);
    allPairs = allPairs && pair.value && !pair.name.empty();
    pairs.push_back(pair);
  });
  return allPairs && !pairs.empty();
}
