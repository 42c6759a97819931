#include "ToolOutline.h"

#include <CLI/CLI.hpp>
#include <regex>
#include <stdexcept>
#include <string_view>

#include <core/ResultColumns.h>

namespace kvl::completions {

namespace {

// The result columns a figure is taken over: all but the pass's index.
std::vector<std::string> FigureColumns() {
  std::vector<std::string> names;
  for (const core::ResultColumn& column : core::kResultColumns) {
    if (&column != &core::kResultColumns[0]) names.emplace_back(column.name);
  }
  return names;
}

std::vector<std::string> SortRequests() {
  std::vector<std::string> requests;
  for (const core::ResultColumn& column : core::kResultColumns) {
    for (const char* direction : {":desc", ":asc"}) {
      requests.push_back(std::string(column.name) + direction);
    }
  }
  return requests;
}

std::vector<std::string> ConditionStarts() {
  std::vector<std::string> starts;
  for (const core::ResultColumn& column : core::kResultColumns) starts.emplace_back(column.name);
  starts.emplace_back("param:");
  return starts;
}

std::optional<ValueCompletion> CompletionOfValueName(std::string_view name) {
  if (name == "FILE") return ValueCompletion{ValueKind::kFiles, {}};
  if (name == "FILE.set") return ValueCompletion{ValueKind::kFiles, {"set"}};
  if (name == "DIR") return ValueCompletion{ValueKind::kDirectories, {}};
  if (name == "REPORT" || name == "BASE" || name == "OTHER") {
    return ValueCompletion{ValueKind::kFiles, {"htm", "html"}};
  }
  if (name == "N" || name == "NAME" || name == "TEMPLATE" || name == "PASS" ||
      name == "LABEL,..." || name == "NAME,...") {
    return ValueCompletion{};
  }
  if (name == "COLUMN") return ValueCompletion{ValueKind::kWords, FigureColumns()};
  if (name == "COLUMN:desc|asc") return ValueCompletion{ValueKind::kWords, SortRequests()};
  // Several keys joined by commas: a key is offered without a space after it, so that the next
  // may follow.
  if (name == "KEY[:asc|:desc],...") {
    std::vector<std::string> keys = SortRequests();
    keys.emplace_back("param:");
    return ValueCompletion{ValueKind::kConditionStarts, std::move(keys)};
  }
  if (name == "\"COLUMN OP NUMBER\"") {
    return ValueCompletion{ValueKind::kConditionStarts, ConditionStarts()};
  }
  return std::nullopt;
}

// The values that `usage` lists for `option`, as in "--agg max|mean|min|count"; none when it
// lists none.
std::vector<std::string> UsageAlternatives(std::string_view usage, const std::string& option) {
  const std::regex pattern("(^|[ \\[])" + option + " ([a-z0-9-]+(\\|[a-z0-9-]+)+)([\\] \n]|$)");
  std::match_results<std::string_view::const_iterator> match;
  if (!std::regex_search(usage.begin(), usage.end(), match, pattern)) return {};
  std::vector<std::string> alternatives;
  std::string_view rest(match[2].first, match[2].second);
  std::size_t bar = 0;
  while ((bar = rest.find('|')) != std::string_view::npos) {
    alternatives.emplace_back(rest.substr(0, bar));
    rest.remove_prefix(bar + 1);
  }
  alternatives.emplace_back(rest);
  return alternatives;
}

std::string UsageOf(const CLI::App& app) {
  const auto* formatter = dynamic_cast<const CLI::Formatter*>(app.get_formatter().get());
  return formatter ? formatter->make_usage(&app, app.get_name()) : std::string();
}

// How the value of `option`, the help's `valueName`, completes.
ValueCompletion CompletionOf(const CLI::App& app, const std::string& option,
                             const std::string& valueName, std::string_view usage) {
  std::vector<std::string> alternatives = UsageAlternatives(usage, option);
  if (!alternatives.empty()) return {ValueKind::kWords, std::move(alternatives)};
  if (std::optional<ValueCompletion> completion = CompletionOfValueName(valueName)) {
    return *completion;
  }
  throw std::runtime_error(app.get_name() + " " + option + " takes " + valueName +
                           ": list its values on the usage line, or tell in "
                           "tools/shell-completions/ToolOutline.cpp how " +
                           valueName + " completes");
}

OptionOutline OutlineOfOption(const CLI::App& app, const CLI::Option& option,
                              std::string_view usage) {
  OptionOutline outline;
  for (const std::string& name : option.get_snames()) outline.names.push_back("-" + name);
  for (const std::string& name : option.get_lnames()) outline.names.push_back("--" + name);
  outline.description = option.get_description();
  outline.repeats = option.get_multi_option_policy() == CLI::MultiOptionPolicy::TakeAll;
  if (option.get_expected_max() > 0) {
    outline.valueName = option.get_type_name();
    outline.value = CompletionOf(app, outline.names.back(), outline.valueName, usage);
  }
  return outline;
}

std::vector<OptionOutline> OptionsOf(const CLI::App& app) {
  const std::string usage = UsageOf(app);
  std::vector<OptionOutline> options;
  for (const CLI::Option* option : app.get_options()) {
    if (option->nonpositional()) options.push_back(OutlineOfOption(app, *option, usage));
  }
  return options;
}

std::vector<ArgumentOutline> ArgumentsOf(const CLI::App& app) {
  std::vector<ArgumentOutline> arguments;
  for (const CLI::Option* option : app.get_options()) {
    if (option->nonpositional()) continue;
    const std::string name = option->get_name(true);
    arguments.push_back({name, option->get_required(), CompletionOf(app, name, name, {}),
                         option->get_expected_max() > 1});
  }
  return arguments;
}

}  // namespace

ToolOutline OutlineOf(const CLI::App& tool) {
  ToolOutline outline{tool.get_name(), OptionsOf(tool), {}};
  for (const CLI::App* command : tool.get_subcommands([](const CLI::App*) { return true; })) {
    outline.commands.push_back({command->get_name(), command->get_description(),
                                OptionsOf(*command), ArgumentsOf(*command)});
  }
  return outline;
}

}  // namespace kvl::completions
