#pragma once

#include <string_view>
#include <vector>

// Splits a decoded text into lines at CR LF, lone LF or lone CR. The text ends at its first NUL,
// and a break at the very end adds no empty last line. The views point into `text`.
template <class CharT>
std::vector<std::basic_string_view<CharT>> SplitReportLines(std::basic_string_view<CharT> text);

extern template std::vector<std::string_view> SplitReportLines(std::string_view);
extern template std::vector<std::u16string_view> SplitReportLines(std::u16string_view);
