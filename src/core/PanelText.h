#pragma once

#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace kvl::core {

// The parameter panel's text of a chosen pass, and what the panel keeps of it: its formatted
// parameters less the last line, which holds the rest of the report cell rather than a parameter.

// The panel's text of a pass: the lines of `params` (parameters/ParameterLines), each but the last
// followed by CR LF, so that every ';' and the byte after it become CR LF. A ';' in the last
// position becomes CR LF, making the result one byte longer.
std::string FormatParameters(std::string_view params);

// Where the kept text ends, given where each line of a text `length` long starts (in order, the
// first at 0): at the start of the last line, so the break in front of that line stays. A line
// that starts at the very end is the empty line after a final break; it does not count, and the
// line before it is the last. The window passes its displayed lines, so that of a wrapped last
// line only the last displayed piece goes.
template <class Position>
Position StartOfLastLine(const std::vector<Position>& lineStarts, Position length) {
  auto end = lineStarts.end();
  if (end != lineStarts.begin() && *std::prev(end) == length) --end;
  return end == lineStarts.begin() ? length : *std::prev(end);
}

// The set file of a pass exported without edits: each kept line of `params` followed by CR LF,
// which is FormatParameters less its last line.
std::string SetFileTextForParams(std::string_view params);

}  // namespace kvl::core
