#include "PanelText.h"

namespace {

std::vector<std::size_t> CrLfLineStarts(std::string_view text) {
  std::vector<std::size_t> starts = {0};
  for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
       at = text.find("\r\n", at + 2)) {
    starts.push_back(at + 2);
  }
  return starts;
}

}  // namespace

std::string FormatParameters(std::string_view params) {
  std::string text(params);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != ';') continue;
    text[i] = '\r';
    if (i + 1 < text.size()) {
      text[++i] = '\n';  // the byte after the ';' is overwritten, even another ';'
    } else {
      text.push_back('\n');
      break;
    }
  }
  return text;
}

std::string SetFileTextForParams(std::string_view params) {
  const std::string text = FormatParameters(params);
  return text.substr(0, StartOfLastLine(CrLfLineStarts(text), text.size()));
}
