#include "PanelText.h"

#include <core/parameters/ParameterLines.h>

namespace kvl::core {

std::string FormatParameters(std::string_view params) {
  std::string text;
  text.reserve(params.size() + 1);
  std::size_t start = 0;
  for (std::size_t end; (end = FindLineBreak(params, start)) != std::string_view::npos;
       start = end + kLineBreakBytes) {
    text.append(params.substr(start, end - start)).append("\r\n");
  }
  if (start < params.size()) text.append(params.substr(start));
  return text;
}

std::string SetFileTextForParams(std::string_view params) {
  std::string text;
  ForEachKeptLine(params, [&text](std::string_view line) { text.append(line).append("\r\n"); });
  return text;
}

}  // namespace kvl::core
