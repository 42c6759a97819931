#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PassSelection.h"

namespace CLI {
class App;
}

namespace kvl::cli {

// The options shared by the commands that choose passes, as typed.
struct SelectionArguments {
  std::vector<std::string> sorts;
  std::vector<std::string> order;
  std::vector<std::string> conditions;
  bool skipBad = false;
  std::optional<std::string> robust;
  // The figure columns the command adds that the options may name (AddedFigureNames).
  std::vector<std::string> addedFigures;
};

// Adds --sort, --order, --where, --skip-bad and --robust to `command`, bound to `arguments`.
void AddSelectionOptions(CLI::App& command, SelectionArguments& arguments);

// What those options do, for a command's help, in the user's language.
const char* SelectionHelp();

// Reads the typed options; the limit is left to the command. Raises UsageError.
PassSelection ReadSelection(const SelectionArguments& arguments);

// The number of passes an option such as --limit N gives: decimal digits of a number from
// `least`. Raises UsageError naming `option` for anything else.
std::size_t PassCount(std::string_view option, std::string_view text, std::size_t least);

}  // namespace kvl::cli
