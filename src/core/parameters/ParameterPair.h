#pragma once

#include <optional>
#include <string_view>

namespace kvl::core {

// What to do with the blanks (spaces and tabs) at either end of a name or a value: each reader
// says. The panel, the tool's listing and the set files keep them, as the user sees them; the
// parameter map trims them, so that "A = 1" and "A=1" are one parameter with one value.
enum class Blanks { kKept, kTrimmed };

// `text` with its blanks as chosen. Inline: the map trims every value of every pass, and most
// have no blank to trim.
[[gnu::always_inline]] inline std::string_view WithBlanks(std::string_view text, Blanks blanks) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  if (blanks == Blanks::kKept || text.empty() || !(blank(text.front()) || blank(text.back()))) {
    return text;
  }
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// A parameter line, or a line of a set file, split at its first '='. Views into the line.
struct ParameterPair {
  std::string_view name;                  // the whole line when it has no '='
  std::optional<std::string_view> value;  // none without '='
};

inline ParameterPair SplitParameterPair(std::string_view line, Blanks blanks) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {WithBlanks(line, blanks), std::nullopt};
  return {WithBlanks(line.substr(0, equals), blanks), WithBlanks(line.substr(equals + 1), blanks)};
}

}  // namespace kvl::core
