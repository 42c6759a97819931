#include "CompletionScripts.h"

namespace kvl::completions {

namespace {

// The prefix of the template's names.
constexpr std::string_view kPrefix = "_kvl_ridavu_cli";

// The completion function's names of the kinds, in their order.
constexpr std::string_view kKindNames[] = {"free-text", "words", "condition-starts", "files",
                                           "directories"};

std::string ValueEntry(const std::string& key, const ValueCompletion& value) {
  std::string entry(kKindNames[static_cast<std::size_t>(value.kind)]);
  if (!value.words.empty()) entry += ' ' + Joined(value.words);
  return "  [" + SingleQuoted(key) + "]=" + SingleQuoted(entry) + '\n';
}

std::string OptionNames(const std::vector<OptionOutline>& options) {
  std::vector<std::string> names;
  for (const OptionOutline& option : options) {
    names.insert(names.end(), option.names.begin(), option.names.end());
  }
  return SingleQuoted(Joined(names));
}

}  // namespace

std::string BashCompletionData(const ToolOutline& tool) {
  const std::string prefix(kPrefix);
  std::vector<std::string> commandNames;
  std::string options = "  [" + tool.name + "]=" + OptionNames(tool.options) + '\n';
  std::string values;
  for (const CommandOutline& command : tool.commands) {
    commandNames.push_back(command.name);
    options += "  [" + command.name + "]=" + OptionNames(command.options) + '\n';
    for (const OptionOutline& option : command.options) {
      for (const std::string& name : option.names) {
        if (option.value) values += ValueEntry(command.name + ' ' + name, *option.value);
      }
    }
    for (std::size_t k = 0; k < command.arguments.size(); ++k) {
      const ArgumentOutline& argument = command.arguments[k];
      values += ValueEntry(command.name + ' ' + std::to_string(k + 1), argument.value);
      if (argument.repeats) values += ValueEntry(command.name + " *", argument.value);
    }
  }
  return prefix + "_commands=" + SingleQuoted(Joined(commandNames)) +
         "\n"
         "# The options of the tool, under its own name, and of each command.\n"
         "declare -gA " +
         prefix + "_options=(\n" + options +
         ")\n"
         "# What the value of each option that takes one, and each argument of a command by its\n"
         "# number, completes to: a kind of value, then the words of that kind.\n"
         "declare -gA " +
         prefix + "_values=(\n" + values + ")\n";
}

}  // namespace kvl::completions
