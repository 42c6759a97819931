#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "HeaderLanguage.h"

namespace kvl::core {

// The text that marks a results header line: "align=right><td>", the first column's caption and
// "<". A line carries it when its first occurrence stands after at least one other character.
template <class CharT>
class HeaderMarker {
 public:
  using View = std::basic_string_view<CharT>;

  // `firstCaption` is at least one character long.
  explicit HeaderMarker(View firstCaption);

  bool OnLine(View line) const noexcept;

 private:
  std::basic_string<CharT> text_;
};

// Where a report's results header stands, how it was recognised, and the marker that makes a
// later line a further header.
template <class CharT>
struct ResultsHeader {
  const CharT* line;  // the header line's first character, in the text it was found in
  HeaderLanguage language;
  HeaderMarker<CharT> marker;
};

// Finds the results header among the lines of `text`, the last line never taken for one: the
// first line that carries the Russian marker; without one, the first that carries the English
// marker; without one, the first caption row that a data row of the known form directly follows
// (TableStructure), its marker made of its own first caption.
template <class CharT>
std::optional<ResultsHeader<CharT>> FindResultsHeader(std::basic_string_view<CharT> text);

extern template class HeaderMarker<char>;
extern template class HeaderMarker<char16_t>;
extern template std::optional<ResultsHeader<char>> FindResultsHeader(std::string_view);
extern template std::optional<ResultsHeader<char16_t>> FindResultsHeader(std::u16string_view);

}  // namespace kvl::core
