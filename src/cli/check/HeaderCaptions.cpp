#include "HeaderCaptions.h"

namespace kvl::cli {

std::vector<std::string_view> HeaderCaptions(std::string_view line) {
  constexpr std::string_view kRowStart = "align=right>";
  constexpr std::string_view kCellClose = "</td>";
  std::vector<std::string_view> captions;
  const std::size_t start = line.find(kRowStart);
  if (start == std::string_view::npos) return {};
  line.remove_prefix(start + kRowStart.size());
  while (line.starts_with("<td>") || line.starts_with("<td ")) {
    const std::size_t open = line.find('>');
    const std::size_t close = line.find(kCellClose, open);
    if (close == std::string_view::npos) return {};
    const std::string_view caption = line.substr(open + 1, close - open - 1);
    if (caption.find_first_of("<>\"") != std::string_view::npos) return {};
    captions.push_back(caption);
    line.remove_prefix(close + kCellClose.size());
  }
  return captions;
}

}  // namespace kvl::cli
