#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

#include "ArgumentParser.h"

// One command of the tool. Every command also takes --help, which the dispatcher answers.
struct CommandSpec {
  std::string_view name;
  std::string_view synopsis;     // the arguments, as the usage line shows them
  std::string_view summary;      // one line for the tool's own usage
  std::string_view description;  // the rest of the command's help, each line ending in '\n'
  std::span<const OptionSpec> options;
  // Raises UsageError for wrong arguments and an Exception for every other failure.
  void (*run)(const ParsedArguments& args, std::ostream& out);
};
