#include "ResultsHeader.h"

#include <cstring>
#include <vector>

#include <core/CodePage.h>
#include <core/ReportLineScan.h>

#include "TableStructure.h"

namespace kvl::core {

namespace {

constexpr std::string_view kMarkerStart = "align=right><td>";

// The first column's caption as the Russian terminal writes it ("Проход", Windows-1251) and as
// the English one does.
constexpr std::string_view kRussianCaption = "\xCF\xF0\xEE\xF5\xEE\xE4";
constexpr std::string_view kEnglishCaption = "Pass";

template <class CharT>
std::basic_string<CharT> Widened(std::string_view ansi);

template <>
std::string Widened(std::string_view ansi) {
  return std::string(ansi);
}

template <>
std::u16string Widened(std::string_view ansi) {
  return AnsiToUtf16(ansi);
}

template <class CharT>
const HeaderMarker<CharT>& RussianMarker() {
  static const HeaderMarker<CharT> marker(Widened<CharT>(kRussianCaption));
  return marker;
}

template <class CharT>
const HeaderMarker<CharT>& EnglishMarker() {
  static const HeaderMarker<CharT> marker(Widened<CharT>(kEnglishCaption));
  return marker;
}

// Where a marker first occurs in a line: for bytes, its caption's first byte is looked for with
// memchr, which Cyrillic and most captions make rare in a report's lines, and the marker is
// compared only around it.
std::size_t FirstOccurrence(std::string_view line, std::string_view marker) noexcept {
  const char anchor = marker[kMarkerStart.size()];
  for (std::size_t from = kMarkerStart.size(); from < line.size();) {
    const void* hit = std::memchr(line.data() + from, anchor, line.size() - from);
    if (hit == nullptr) return std::string_view::npos;
    const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - line.data());
    const std::size_t start = at - kMarkerStart.size();
    if (line.substr(start).starts_with(marker)) return start;
    from = at + 1;
  }
  return std::string_view::npos;
}

std::size_t FirstOccurrence(std::u16string_view line, std::u16string_view marker) noexcept {
  return line.find(marker);
}

}  // namespace

template <class CharT>
HeaderMarker<CharT>::HeaderMarker(View firstCaption)
    : text_(Widened<CharT>(kMarkerStart) + std::basic_string<CharT>(firstCaption) + CharT{'<'}) {}

template <class CharT>
bool HeaderMarker<CharT>::OnLine(View line) const noexcept {
  const std::size_t at = FirstOccurrence(line, View(text_));
  return at != View::npos && at > 0;
}

template <class CharT>
std::optional<ResultsHeader<CharT>> FindResultsHeader(std::basic_string_view<CharT> text) {
  using View = std::basic_string_view<CharT>;
  std::optional<ResultsHeader<CharT>> found;
  // The line before, and its captions when it is a caption row.
  View before;
  std::vector<View> captionsBefore;
  ForEachReportLine(text, [&](View line, bool last) {
    if (!last && RussianMarker<CharT>().OnLine(line)) {
      found = ResultsHeader<CharT>{line.data(), HeaderLanguage::kRussian, RussianMarker<CharT>()};
      return false;
    }
    if (found && found->language == HeaderLanguage::kEnglish) return true;
    if (!last && EnglishMarker<CharT>().OnLine(line)) {
      found = ResultsHeader<CharT>{line.data(), HeaderLanguage::kEnglish, EnglishMarker<CharT>()};
      return true;
    }
    if (!found) {
      if (!captionsBefore.empty() && IsDataRowOfKnownForm(line)) {
        found = ResultsHeader<CharT>{before.data(), HeaderLanguage::kByStructure,
                                     HeaderMarker<CharT>(captionsBefore.front())};
      }
      before = line;
      captionsBefore = CaptionsOfCaptionRow(line);
    }
    return true;
  });
  return found;
}

template class HeaderMarker<char>;
template class HeaderMarker<char16_t>;
template std::optional<ResultsHeader<char>> FindResultsHeader(std::string_view);
template std::optional<ResultsHeader<char16_t>> FindResultsHeader(std::u16string_view);

}  // namespace kvl::core
