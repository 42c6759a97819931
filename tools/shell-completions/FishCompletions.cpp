#include "CompletionScripts.h"

namespace kvl::completions {

namespace {

// Whether the word at the cursor is a command's argument by number: the template's function.
constexpr std::string_view kArgumentTest = "__kvl_ridavu_cli_argument";
// The files with one of the suffixes given, and the folders: the template's function.
constexpr std::string_view kFilesWith = "__kvl_ridavu_cli_files_with";

// `text` in single quotes as fish reads them.
std::string FishQuoted(std::string_view text) {
  std::string quoted = "'";
  for (const char c : text) {
    if (c == '\'' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "'";
}

// The arguments of `complete` that offer what `value` completes to. Fish adds a blank after a
// column, so a condition, which goes on without one, is left to the user.
std::string Offered(const ValueCompletion& value) {
  switch (value.kind) {
    case ValueKind::kFreeText:
    case ValueKind::kConditionStarts:
      break;
    case ValueKind::kWords:
      return " -a " + FishQuoted(Joined(value.words));
    case ValueKind::kFiles:
      if (value.words.empty()) return " -F";
      return " -a " + FishQuoted('(' + std::string(kFilesWith) + ' ' + Joined(value.words) + ')');
    case ValueKind::kDirectories:
      return " -a '(__fish_complete_directories)'";
  }
  return "";
}

std::string OptionLine(const std::string& start, const OptionOutline& option) {
  std::string line = start;
  for (const std::string& name : option.names) {
    line += name.starts_with("--") ? " -l " + name.substr(2) : " -s " + name.substr(1);
  }
  // A value is required; only one that is any file completes to the files.
  if (option.value) {
    const bool anyFile = option.value->kind == ValueKind::kFiles && option.value->words.empty();
    line += (anyFile ? " -r" : " -x") + Offered(*option.value);
  }
  return line + " -d " + FishQuoted(option.description) + '\n';
}

std::string CommandLines(const std::string& tool, const CommandOutline& command) {
  const std::string start =
      "complete -c " + tool + " -n " + FishQuoted("__fish_seen_subcommand_from " + command.name);
  std::string lines;
  std::vector<std::string> valued;
  for (const OptionOutline& option : command.options) {
    lines += OptionLine(start, option);
    if (option.value) valued.insert(valued.end(), option.names.begin(), option.names.end());
  }
  for (std::size_t k = 0; k < command.arguments.size(); ++k) {
    const ValueCompletion& value = command.arguments[k].value;
    if (value.kind == ValueKind::kFreeText) continue;
    std::vector<std::string> test = {
        std::string(kArgumentTest),
        std::to_string(k + 1) + (command.arguments[k].repeats ? "+" : "")};
    test.insert(test.end(), valued.begin(), valued.end());
    const std::string condition =
        "__fish_seen_subcommand_from " + command.name + "; and " + Joined(test);
    lines += "complete -c " + tool + " -n " + FishQuoted(condition) + Offered(value) + '\n';
  }
  return lines;
}

}  // namespace

std::string FishCompletions(const ToolOutline& tool) {
  const std::string start = "complete -c " + tool.name + " -n __fish_use_subcommand";
  std::string lines;
  for (const OptionOutline& option : tool.options) lines += OptionLine(start, option);
  for (const CommandOutline& command : tool.commands) {
    lines += start + " -a " + command.name + " -d " + FishQuoted(command.description) + '\n';
  }
  for (const CommandOutline& command : tool.commands) lines += CommandLines(tool.name, command);
  return lines;
}

}  // namespace kvl::completions
