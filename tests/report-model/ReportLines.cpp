#include "ReportLines.h"

template <class CharT>
std::vector<std::basic_string_view<CharT>> SplitReportLines(std::basic_string_view<CharT> text) {
  text = text.substr(0, text.find(CharT{0}));
  std::vector<std::basic_string_view<CharT>> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const CharT c = text[i];
    if (c != CharT{'\r'} && c != CharT{'\n'}) continue;
    lines.push_back(text.substr(start, i - start));
    if (c == CharT{'\r'} && i + 1 < text.size() && text[i + 1] == CharT{'\n'}) ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

template std::vector<std::string_view> SplitReportLines(std::string_view);
template std::vector<std::u16string_view> SplitReportLines(std::u16string_view);
