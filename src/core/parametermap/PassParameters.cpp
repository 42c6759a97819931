#include "parametermap/PassParameters.h"

#include <cstring>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SplitParameterLines(std::string_view params, std::vector<std::string_view>& lines,
                         std::span<const std::string_view> hint, std::vector<char>& sameAsHint) {
  lines.clear();
  sameAsHint.clear();
  // The lines that end in a separator. The panel turns each ';' and the byte after it into a
  // line break, so that byte belongs to no line.
  std::size_t start = 0;
  std::size_t formattedLength = params.size();
  while (start < params.size()) {
    std::size_t at = 0;
    // A hinted line holds no ';', so when the text goes on with it and a ';', that ';' is the
    // one a search would find.
    const std::size_t i = lines.size();
    const bool same = i < hint.size() && start + hint[i].size() < params.size() &&
                      params[start + hint[i].size()] == ';' &&
                      params.compare(start, hint[i].size(), hint[i]) == 0;
    if (same) {
      at = start + hint[i].size();
    } else {
      const auto* separator =
          static_cast<const char*>(std::memchr(params.data() + start, ';', params.size() - start));
      if (separator == nullptr) break;
      at = static_cast<std::size_t>(separator - params.data());
    }
    lines.push_back(params.substr(start, at - start));
    sameAsHint.push_back(same ? 1 : 0);
    if (at + 1 == params.size()) ++formattedLength;  // a final ';' becomes CR LF, one byte more
    start = at + 2;
  }
  // The panel drops the last line. When the text ends in its last break, the empty line after it
  // does not count and the line before that one goes instead.
  if (!lines.empty() && start == formattedLength) {
    lines.pop_back();
    sameAsHint.pop_back();
  }
  return !lines.empty();
}

bool SplitParameterLines(std::string_view params, std::vector<std::string_view>& lines) {
  std::vector<char> unused;
  return SplitParameterLines(params, lines, {}, unused);
}

bool ParsePair(std::string_view line, ParameterPair& pair) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  pair.name = TrimBlanks(line.substr(0, equals));
  pair.value = TrimBlanks(line.substr(equals + 1));
  return !pair.name.empty();
}

bool SplitPassParameters(std::string_view params, std::vector<ParameterPair>& pairs) {
  pairs.clear();
  std::vector<std::string_view> lines;
  if (!SplitParameterLines(params, lines)) return false;
  for (const std::string_view line : lines) {
    if (!ParsePair(line, pairs.emplace_back())) return false;
  }
  return true;
}
