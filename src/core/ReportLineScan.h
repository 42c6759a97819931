#pragma once

#include <string_view>
#include <type_traits>

namespace kvl::core {

// The end of the line that starts at `from`: its first CR, LF or NUL, or `end`.
const char* FindLineEnd(const char* from, const char* end) noexcept;
const char16_t* FindLineEnd(const char16_t* from, const char16_t* end) noexcept;

// Calls visit(line, isLast) for every line of `text`, in order, as one pass over it, or until a
// visit that returns bool returns false. A line ends at CR LF, a lone LF or a lone CR; the text
// ends at its first NUL, and a break at the very end adds no empty last line. The views point
// into `text`.
template <class CharT, class Visit>
void ForEachReportLine(std::basic_string_view<CharT> text, Visit&& visit) {
  const CharT* line = text.data();
  const CharT* const end = line + text.size();
  if (line == end || *line == CharT{0}) return;
  for (;;) {
    const CharT* const stop = FindLineEnd(line, end);
    const bool broken = stop != end && *stop != CharT{0};
    const CharT* next = broken ? stop + 1 : end;
    if (broken && *stop == CharT{'\r'} && next != end && *next == CharT{'\n'}) ++next;
    const bool last = next == end || *next == CharT{0};
    const std::basic_string_view<CharT> view(line, static_cast<std::size_t>(stop - line));
    if constexpr (std::is_same_v<decltype(visit(view, last)), bool>) {
      if (!visit(view, last)) return;
    } else {
      visit(view, last);
    }
    if (last) return;
    line = next;
  }
}

}  // namespace kvl::core
