#pragma once

#include <string>
#include <vector>

#include "selection/PassSelection.h"

namespace CLI {
class App;
}

// The options shared by the commands that choose passes, as typed.
struct SelectionArguments {
  std::vector<std::string> sorts;
  std::vector<std::string> conditions;
  bool skipBad = false;
};

// Adds --sort, --where and --skip-bad to `command`, bound to `arguments`.
void AddSelectionOptions(CLI::App& command, SelectionArguments& arguments);

// What those options do, for a command's help.
extern const char* const kSelectionHelp;

// Reads the typed options; the limit is left to the command. Raises UsageError.
PassSelection ReadSelection(const SelectionArguments& arguments);
