#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvl::cli {

// One line of the parameter panel, split at its first '='. A line without '=' has no value.
struct PanelParameter {
  std::string name;
  std::optional<std::string> value;

  // The line as the panel shows it.
  std::string Line() const { return value ? name + '=' + *value : name; }
};

// The lines the parameter panel shows for a pass's parameter text, less the last one, which holds
// the rest of the report cell: what the set file of the unedited pass holds. ANSI code page.
std::vector<PanelParameter> PanelParameters(std::string_view params);

// The value of the first parameter called exactly `name`; nullopt when no line holds
// `name`=value.
std::optional<std::string_view> ParameterValue(const std::vector<PanelParameter>& parameters,
                                               std::string_view name);

}  // namespace kvl::cli
