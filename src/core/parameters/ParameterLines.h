#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace kvl::core {

// A pass's parameter text, as the report's title cell carries it ("A=1; B=2; \">17"), in lines as
// the parameter panel shows them: every ';' and the byte after it, the report's blank, make one
// break. What follows the last break is the rest of the cell, not a parameter, so the last line is
// not kept; when the text ends in its last break, the line before that break is the last one.
// Hence a line is kept when its break has something after it.

// The ';' and the byte after it.
inline constexpr std::size_t kLineBreakBytes = 2;

// The first ';' from `from` on, or npos. Values are mostly short, so the first eight bytes are
// searched as one word, which spares a call and a mispredicted loop end.
[[gnu::always_inline]] inline std::size_t FindLineBreak(std::string_view text, std::size_t from) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
  if constexpr (std::endian::native == std::endian::little) {
    if (from + sizeof(std::uint64_t) <= text.size()) {
      std::uint64_t word = 0;
      std::memcpy(&word, text.data() + from, sizeof word);
      const std::uint64_t bytes = word ^ (kOnes * ';');
      const std::uint64_t zeros = (bytes - kOnes) & ~bytes & kHighs;  // lowest is the first ';'
      if (zeros != 0) return from + static_cast<std::size_t>(std::countr_zero(zeros)) / 8;
      from += sizeof(std::uint64_t);
    }
  }
  if (from >= text.size()) return std::string_view::npos;
  const auto* separator =
      static_cast<const char*>(std::memchr(text.data() + from, ';', text.size() - from));
  return separator == nullptr ? std::string_view::npos
                              : static_cast<std::size_t>(separator - text.data());
}

// The ';' that ends a kept line, the first from `from` on; npos when the line going on there is
// not kept.
[[gnu::always_inline]] inline std::size_t KeptLineEnd(std::string_view text, std::size_t from) {
  const std::size_t at = FindLineBreak(text, from);
  return at != std::string_view::npos && at + kLineBreakBytes < text.size()
             ? at
             : std::string_view::npos;
}

// Calls take(line) for every kept line of `params` in order, each a view into it without its
// break.
template <class Take>
void ForEachKeptLine(std::string_view params, Take&& take) {
  for (std::size_t start = 0, end; (end = KeptLineEnd(params, start)) != std::string_view::npos;
       start = end + kLineBreakBytes) {
    take(params.substr(start, end - start));
  }
}

}  // namespace kvl::core
