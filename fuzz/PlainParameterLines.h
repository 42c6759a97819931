#pragma once

#include <optional>
#include <string_view>
#include <vector>

// A pass's parameter text read the plain way, for the fuzz targets' models to hold the code's
// readings against: no word-at-a-time search, no reuse of the pass before.
namespace kvl::fuzz {

// The text without the spaces and tabs at its ends.
std::string_view PlainTrim(std::string_view text);

// Every ';' and the byte after it end a line; a line is kept when a byte follows its break, the
// text after the last break being the rest of the report cell.
std::vector<std::string_view> PlainKeptLines(std::string_view params);

// A line split at its first '=', name and value trimmed; no value without '='.
struct PlainPair {
  std::string_view name;
  std::optional<std::string_view> value;
};
PlainPair PlainSplit(std::string_view line);

}  // namespace kvl::fuzz
