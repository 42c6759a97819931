#pragma once

#include <iosfwd>
#include <span>
#include <string_view>
#include <vector>

#include <cli/commands/ToolCommand.h>

namespace kvl::cli {

// Runs the command named by the first argument (the program name left out) and returns the exit
// status: 0 done, 1 failed (one line on `err`: the message the window would show), 2 wrong use
// (one line on `err`: what was wrong and where the help is). Every line on `err` but the help's
// starts with "kvl-ridavu-cli: ".
int DispatchCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// Makes `tool` the tool's parser: its name, help, rules and a subcommand per command. Parsing runs
// nothing; the commands returned run once their subcommand has parsed.
std::vector<ToolCommand> SetUpTool(CLI::App& tool);

}  // namespace kvl::cli
