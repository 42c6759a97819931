#include <algorithm>

#include "CompletionScripts.h"

namespace kvl::completions {

namespace {

// The completion function, and the prefix of the template's helpers.
constexpr std::string_view kFunction = "_kvl-ridavu-cli";

// `text` with each of `special` behind a backslash, as _arguments reads its specifications.
std::string Escaped(std::string_view text, std::string_view special) {
  std::string escaped;
  for (const char c : text) {
    if (special.find(c) != std::string_view::npos) escaped += '\\';
    escaped += c;
  }
  return escaped;
}

std::string Action(const ValueCompletion& value) {
  std::string words;
  for (const std::string& word : value.words) words += ' ' + Escaped(word, "\\:");
  switch (value.kind) {
    case ValueKind::kFreeText:
      break;
    case ValueKind::kWords:
      return '(' + words.substr(1) + ')';
    case ValueKind::kConditionStarts:
      return std::string(kFunction) + "_condition_starts" + words;
    case ValueKind::kFiles:
      if (value.words.empty()) return "_files";
      std::ranges::replace(words, ' ', '|');
      return "_files -g \"*.(#i)(" + words.substr(1) + ")(-.)\"";
    case ValueKind::kDirectories:
      return "_files -/";
  }
  return " ";
}

std::string ValueSpec(const std::string& name, const ValueCompletion& value) {
  return ':' + Escaped(name, "\\:") + ':' + Action(value);
}

// One specification per name: an option repeated is offered again, any other not once one of
// its names is given.
std::string OptionSpecs(const OptionOutline& option, const std::string& indent) {
  std::string exclusions;
  if (option.names.size() > 1) {
    for (const std::string& name : option.names) exclusions += ' ' + name;
    exclusions = '(' + exclusions.substr(1) + ')';
  }
  std::string specs;
  for (const std::string& name : option.names) {
    std::string spec = (option.repeats ? "*" : exclusions) + name;
    if (option.value) spec += name.starts_with("--") ? "=" : "+";
    spec += '[' + Escaped(option.description, "\\]") + ']';
    if (option.value) spec += ValueSpec(option.valueName, *option.value);
    specs += " \\\n" + indent + SingleQuoted(spec);
  }
  return specs;
}

std::string OptionsSpecs(const std::vector<OptionOutline>& options, const std::string& indent) {
  std::string specs;
  for (const OptionOutline& option : options) specs += OptionSpecs(option, indent);
  return specs;
}

std::string CommandCase(const CommandOutline& command) {
  const std::string indent(12, ' ');
  std::string specs = OptionsSpecs(command.options, indent);
  for (const ArgumentOutline& argument : command.arguments) {
    // "*:" stands for every argument from here on.
    const std::string start = argument.repeats ? "*" : argument.required ? "" : ":";
    specs += " \\\n" + indent + SingleQuoted(start + ValueSpec(argument.name, argument.value));
  }
  return "        (" + command.name + ")\n          _arguments" + specs +
         " && ret=0\n"
         "          ;;\n";
}

}  // namespace

std::string ZshCompletionFunction(const ToolOutline& tool) {
  std::string commands;
  std::string cases;
  for (const CommandOutline& command : tool.commands) {
    commands += "        " + SingleQuoted(command.name + ':' + command.description) + '\n';
    cases += CommandCase(command);
  }
  return std::string(kFunction) +
         "() {\n"
         "  local curcontext=$curcontext state state_descr line ret=1\n"
         "  typeset -A opt_args\n"
         "  _arguments -C" +
         OptionsSpecs(tool.options, "    ") +
         " \\\n"
         "    ': :->command' \\\n"
         "    '*:: :->argument' && ret=0\n"
         "  case $state in\n"
         "    (command)\n"
         "      local -a commands=(\n" +
         commands +
         "      )\n"
         "      _describe -t commands command commands && ret=0\n"
         "      ;;\n"
         "    (argument)\n"
         "      curcontext=${curcontext%:*:*}:" +
         tool.name +
         "-$words[1]:\n"
         "      case $words[1] in\n" +
         cases +
         "      esac\n"
         "      ;;\n"
         "  esac\n"
         "  return ret\n"
         "}\n";
}

}  // namespace kvl::completions
