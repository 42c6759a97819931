#include "PanelParameters.h"

#include <algorithm>

#include <core/parameters/ParameterLines.h>
#include <core/parameters/ParameterPair.h>

namespace kvl::cli {

std::vector<PanelParameter> PanelParameters(std::string_view params) {
  std::vector<PanelParameter> parameters;
  core::ForEachKeptLine(params, [&parameters](std::string_view line) {
    const core::ParameterPair pair = core::SplitParameterPair(line, core::Blanks::kKept);
    parameters.push_back({std::string(pair.name),
                          pair.value ? std::optional<std::string>(*pair.value) : std::nullopt});
  });
  return parameters;
}

std::optional<std::string_view> ParameterValue(const std::vector<PanelParameter>& parameters,
                                               std::string_view name) {
  const auto it = std::ranges::find_if(
      parameters, [name](const PanelParameter& p) { return p.value && p.name == name; });
  if (it == parameters.end()) return std::nullopt;
  return *it->value;
}

}  // namespace kvl::cli
