#include "rows/PanelParameters.h"

#include <algorithm>

#include "PanelText.h"

std::vector<PanelParameter> PanelParameters(std::string_view params) {
  // Every kept line ends in CR LF, and a pass's text holds no CR or LF of its own.
  const std::string lines = SetFileTextForParams(params);
  std::vector<PanelParameter> parameters;
  for (std::size_t start = 0, end; (end = lines.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    const std::string_view line = std::string_view(lines).substr(start, end - start);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      parameters.push_back({std::string(line), std::nullopt});
    } else {
      parameters.push_back(
          {std::string(line.substr(0, equals)), std::string(line.substr(equals + 1))});
    }
  }
  return parameters;
}

std::optional<std::string_view> ParameterValue(const std::vector<PanelParameter>& parameters,
                                               std::string_view name) {
  const auto it = std::ranges::find_if(
      parameters, [name](const PanelParameter& p) { return p.value && p.name == name; });
  if (it == parameters.end()) return std::nullopt;
  return *it->value;
}
