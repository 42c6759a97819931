#pragma once

#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace kvl::completions {

// What a shell offers for a value.
enum class ValueKind {
  kFreeText,         // nothing: a number, a parameter's name, a file name template
  kWords,            // one of the words
  kConditionStarts,  // one of the words, which the user goes on typing without a blank
  kFiles,  // files whose suffix, in any case, is one of the words, and folders; any file without
  kDirectories,
};

struct ValueCompletion {
  ValueKind kind = ValueKind::kFreeText;
  std::vector<std::string> words;
};

struct OptionOutline {
  std::vector<std::string> names;  // as typed: "-h", "--help"
  std::string description;
  std::string valueName;                 // as the help names the value; empty for a flag
  std::optional<ValueCompletion> value;  // none for a flag
  bool repeats = false;                  // every occurrence counts, so shells keep offering it
};

struct ArgumentOutline {
  std::string name;
  bool required = false;
  ValueCompletion value;
  bool repeats = false;  // takes every argument from its place on, as OTHER... does
};

struct CommandOutline {
  std::string name;
  std::string description;
  std::vector<OptionOutline> options;
  std::vector<ArgumentOutline> arguments;  // in the order they are given
};

// The command line that a parser takes, as far as a shell completes it.
struct ToolOutline {
  std::string name;
  std::vector<OptionOutline> options;
  std::vector<CommandOutline> commands;
};

// The outline of the parser `tool` with its subcommands. A value's completion comes from the
// alternatives its command's usage line gives (--format table|tsv|csv|json), else from the name
// the help gives it (FILE.set, COLUMN). Raises std::runtime_error for a value of neither kind, so
// that a new option cannot go without completion unnoticed.
ToolOutline OutlineOf(const CLI::App& tool);

}  // namespace kvl::completions
