#include "parametermap/PassParameters.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

bool SplitPassParameters(std::string_view params, std::vector<ParameterPair>& pairs) {
  pairs.clear();
  // The lines that end in a separator, as whole lines for now. The panel turns each ';' and the
  // byte after it into a line break, so that byte belongs to no line.
  std::size_t start = 0;
  std::size_t formattedLength = params.size();
  for (std::size_t i = 0; i < params.size(); ++i) {
    if (params[i] != ';') continue;
    pairs.push_back({params.substr(start, i - start), {}});
    if (i + 1 == params.size()) ++formattedLength;  // a final ';' becomes CR LF, one byte more
    start = i + 2;
    ++i;
  }
  // The panel drops the last line. When the text ends in its last break, the empty line after it
  // does not count and the line before that one goes instead.
  if (!pairs.empty() && start == formattedLength) pairs.pop_back();
  if (pairs.empty()) return false;
  for (ParameterPair& pair : pairs) {
    const std::string_view line = pair.name;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    pair.name = Trimmed(line.substr(0, equals));
    pair.value = Trimmed(line.substr(equals + 1));
    if (pair.name.empty()) return false;
  }
  return true;
}
