#pragma once

#include <string_view>
#include <vector>

namespace kvl::core {

// The form of the results table that every terminal writes, whatever its language, with the
// markers in ASCII and the texts in the report's encoding.

// A caption row: "align=right>" after at least one other character, then seven or more cells
// "<td>caption</td>", each caption at least one character long and without '<', then "</tr>".
// Returns its captions, or none when `line` is no caption row.
template <class CharT>
std::vector<std::basic_string_view<CharT>> CaptionsOfCaptionRow(std::basic_string_view<CharT> line);

// A data row: a "<td title=" before the line's first "</td>", which opens the profit cell
// ("</td><td class=mspt>"), then the profit, trades, profit factor, expected payoff, drawdown and
// drawdown-percent cells, each closed by its separator as a data row has it and without '<', the
// profit at least one character long.
template <class CharT>
bool IsDataRowOfKnownForm(std::basic_string_view<CharT> line);

extern template std::vector<std::string_view> CaptionsOfCaptionRow(std::string_view);
extern template std::vector<std::u16string_view> CaptionsOfCaptionRow(std::u16string_view);
extern template bool IsDataRowOfKnownForm(std::string_view);
extern template bool IsDataRowOfKnownForm(std::u16string_view);

}  // namespace kvl::core
