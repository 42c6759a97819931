#include "PlainParameterLines.h"

namespace kvl::fuzz {

std::string_view PlainTrim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t first = 0;
  std::size_t end = text.size();
  while (first < end && blank(text[first])) ++first;
  while (end > first && blank(text[end - 1])) --end;
  return text.substr(first, end - first);
}

std::vector<std::string_view> PlainKeptLines(std::string_view params) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < params.size(); ++i) {
    if (params[i] != ';') continue;
    const std::size_t next = i + 2;  // past the ';' and the byte after it
    if (next >= params.size()) break;
    lines.push_back(params.substr(start, i - start));
    start = next;
    i = next - 1;
  }
  return lines;
}

PlainPair PlainSplit(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '=') return {PlainTrim(line.substr(0, i)), PlainTrim(line.substr(i + 1))};
  }
  return {PlainTrim(line), std::nullopt};
}

}  // namespace kvl::fuzz
