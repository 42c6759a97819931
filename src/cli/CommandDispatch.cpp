#include "CommandDispatch.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <exception>
#include <new>
#include <ostream>
#include <string>
#include <vector>

#include <cli/commands/CheckCommand.h>
#include <cli/commands/ExportCommand.h>
#include <cli/commands/ListCommand.h>
#include <cli/commands/MapCommand.h>
#include <cli/commands/ParamsCommand.h>
#include <core/ErrorText.h>
#include <core/Exceptions.h>

#include "HelpFormatter.h"
#include "UsageError.h"

namespace kvl::cli {

namespace {

constexpr const char* kProgram = "kvl-ridavu-cli";

constexpr int kFailed = 1;
constexpr int kWrongUse = 2;

// The command the parser chose, also when it stopped on a mistake in that command's arguments.
CLI::App* ChosenCommand(CLI::App& tool) {
  const std::vector<CLI::App*> chosen = tool.get_subcommands();
  return chosen.empty() ? nullptr : chosen.front();
}

int WrongUse(CLI::App& tool, std::string_view message, std::ostream& err) {
  const CLI::App* command = ChosenCommand(tool);
  err << kProgram << (command ? " " + command->get_name() : std::string()) << ": " << message
      << '\n'
      << tool.help();
  return kWrongUse;
}

}  // namespace

std::vector<ToolCommand> SetUpTool(CLI::App& tool) {
  tool.name(kProgram);
  tool.description("Reads MT4 optimization reports without the window.");
  UseHelpLayout(tool, "COMMAND ARGUMENTS");
  tool.footer(
      "Every command but check stops, writing nothing, on a file without a results table or\n"
      "without passes.\n\"" +
      std::string(kProgram) + " COMMAND --help\" describes a command.");
  tool.require_subcommand(1);
  // Paths such as /reports/a.htm are paths on every system, never options.
  tool.allow_windows_style_options(false);
  // A repeated option keeps its last value; the options meant to repeat say so themselves. A flag
  // takes no value.
  tool.option_defaults()
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
      ->disable_flag_override();
  return {AddListCommand(tool), AddExportCommand(tool), AddCheckCommand(tool),
          AddParamsCommand(tool), AddMapCommand(tool)};
}

int DispatchCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  CLI::App tool;
  const std::vector<ToolCommand> commands = SetUpTool(tool);
  if (args.empty()) {
    err << tool.help();
    return kWrongUse;
  }
  if (!args[0].starts_with('-') && std::ranges::none_of(commands, [&](const ToolCommand& c) {
        return c.app->get_name() == args[0];
      })) {
    return WrongUse(tool, "unknown command " + std::string(args[0]), err);
  }
  try {
    tool.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    int status = 0;
    for (const ToolCommand& command : commands) {
      if (command.app->parsed()) status = command.run(out, err);
    }
    if (!out.flush()) throw core::EWriteError("Cannot write to standard output");
    return status;
  } catch (const CLI::Success&) {  // --help
    out << tool.help();
    return 0;
  } catch (const CLI::ParseError& error) {
    return WrongUse(tool, error.what(), err);
  } catch (const UsageError& error) {
    return WrongUse(tool, error.what(), err);
  } catch (const std::bad_alloc&) {
    out.flush();
    err << core::ErrorBoxText(core::EOutOfMemory().Message()) << '\n';
    return kFailed;
  } catch (const std::exception& error) {  // an Exception's what() is its message
    out.flush();
    err << core::ErrorBoxText(error.what()) << '\n';
    return kFailed;
  }
}

}  // namespace kvl::cli
