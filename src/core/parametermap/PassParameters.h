#pragma once

#include <span>
#include <string_view>
#include <vector>

// One `name=value` pair of a pass's parameter text, both trimmed of blanks (spaces and tabs).
// Views into the text that was split.
struct ParameterPair {
  std::string_view name;
  std::string_view value;
};

// The lines the parameter panel keeps of a pass's parameter text, without copying: every ';' and
// the byte after it end a line, and the last line, the rest of the report cell, is dropped.
// Returns false when no line is kept. `lines` is cleared first and reused, so that a caller
// splitting many passes allocates only once.
bool SplitParameterLines(std::string_view params, std::vector<std::string_view>& lines);

// The same, given the lines of a text split before, `hint`: where line i is just like hint[i]
// it is taken without a search, and sameAsHint[i] is set (1, else 0). Passes mostly repeat most
// of the lines of the pass before them.
bool SplitParameterLines(std::string_view params, std::vector<std::string_view>& lines,
                         std::span<const std::string_view> hint, std::vector<char>& sameAsHint);

// `text` without the blanks (spaces and tabs) at either end.
std::string_view TrimBlanks(std::string_view text);

// One kept line as a pair; false for a line without '=' or with an empty name.
bool ParsePair(std::string_view line, ParameterPair& pair);

// Both: false when a kept line is not a pair or no line is kept at all.
bool SplitPassParameters(std::string_view params, std::vector<ParameterPair>& pairs);
