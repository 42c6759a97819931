#include "ReferenceHeader.h"

#include <utility>

#include <core/CodePage.h>

namespace {

const std::u16string kMarkerStart = u"align=right><td>";

std::u16string MarkerOf(const std::u16string& caption) {
  return kMarkerStart + caption + u"<";
}

// The first caption of "<td>A</td>" seven or more times and "</tr>" after the line's first
// "align=right>", which does not start the line; each caption non-empty and without '<'.
std::optional<std::u16string> FirstCaption(const std::u16string& line) {
  const std::size_t start = line.find(u"align=right>");
  if (start == std::u16string::npos || start == 0) return std::nullopt;
  std::u16string rest = line.substr(start + 12);
  std::vector<std::u16string> captions;
  while (rest.rfind(u"</tr>", 0) != 0) {
    if (rest.rfind(u"<td>", 0) != 0) return std::nullopt;
    rest = rest.substr(4);
    const std::size_t end = rest.find(u"</td>");
    if (end == std::u16string::npos || end == 0) return std::nullopt;
    captions.push_back(rest.substr(0, end));
    if (captions.back().find(u'<') != std::u16string::npos) return std::nullopt;
    rest = rest.substr(end + 5);
  }
  if (captions.size() < 7) return std::nullopt;
  return captions.front();
}

// "<td title=" before the first "</td>", and from that "</td>" on the separators of a data row
// with a cell free of '<' after each of them but the last, the first cell not empty.
bool IsDataRow(const std::u16string& line) {
  const std::size_t title = line.find(u"<td title=");
  const std::size_t end = line.find(u"</td>");
  if (title == std::u16string::npos || end == std::u16string::npos || title > end) return false;
  const std::u16string separators[] = {u"</td><td class=mspt>",
                                       u"</td><td>",
                                       u"</td><td class=mspt>",
                                       u"</td><td class=mspt>",
                                       u"</td><td class=mspt>",
                                       u"</td><td class=mspt>",
                                       u"</td>"};
  std::u16string rest = line.substr(end);
  for (std::size_t k = 0; k < std::size(separators); ++k) {
    if (rest.rfind(separators[k], 0) != 0) return false;
    rest = rest.substr(separators[k].size());
    if (k + 1 == std::size(separators)) break;
    const std::size_t cellEnd = rest.find(u'<');
    if (cellEnd == std::u16string::npos || (k == 0 && cellEnd == 0)) return false;
    rest = rest.substr(cellEnd);
  }
  return true;
}

}  // namespace

bool CarriesMarker(const std::u16string& line, const std::u16string& marker) {
  const std::size_t at = line.find(marker);
  return at != std::u16string::npos && at > 0;
}

std::optional<ReferenceHeader> FindReferenceHeader(const std::vector<std::u16string>& lines) {
  using kvl::core::HeaderLanguage;
  const std::pair<HeaderLanguage, std::u16string> byCaption[] = {
      {HeaderLanguage::kRussian, MarkerOf(kvl::core::AnsiToUtf16("\xCF\xF0\xEE\xF5\xEE\xE4"))},
      {HeaderLanguage::kEnglish, MarkerOf(u"Pass")}};
  for (const auto& [language, marker] : byCaption) {
    for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
      if (CarriesMarker(lines[k], marker)) return ReferenceHeader{k, language, marker};
    }
  }
  for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
    const std::optional<std::u16string> caption = FirstCaption(lines[k]);
    if (caption && IsDataRow(lines[k + 1])) {
      return ReferenceHeader{k, HeaderLanguage::kByStructure, MarkerOf(*caption)};
    }
  }
  return std::nullopt;
}
