#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// `text` as the tool writes it on standard error: each of its lines after "kvl-ridavu-cli: ".
// Empty text stays empty.
inline std::string ToolMessages(std::string_view text) {
  std::string messages;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
    messages += "kvl-ridavu-cli: ";
    messages += text.substr(start, end - start);
    start = end;
  }
  return messages;
}
