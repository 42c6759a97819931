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
#include <cli/commands/JoinCommand.h>
#include <cli/commands/ListCommand.h>
#include <cli/commands/MapCommand.h>
#include <cli/commands/ParamsCommand.h>
#include <cli/translation/CoreMessages.h>
#include <cli/translation/ParserMessages.h>
#include <cli/translation/Translation.h>
#include <core/ErrorText.h>
#include <core/Exceptions.h>

#include "HelpFormatter.h"
#include "PrefixedLines.h"
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

// One line, "COMMAND: MESSAGE; see 'PROGRAM COMMAND --help'", rather than the whole help, which
// would bury the mistake.
int WrongUse(CLI::App& tool, std::string_view message, std::ostream& messages) {
  const CLI::App* command = ChosenCommand(tool);
  const std::string help =
      std::string(kProgram) + (command ? " " + command->get_name() : std::string()) + " --help";
  if (command) messages << command->get_name() << ": ";
  messages << Tr("{1}; see '{2}'", {message, help}) << '\n';
  return kWrongUse;
}

// The parser reports unknown options and surplus arguments alike, all of them in one message, and
// counts among them the "--" that ends the options. The first of them is named instead, as an
// option where it was read as one: before any "--".
std::string ParseErrorMessage(const CLI::App& tool, const CLI::ParseError& error,
                              std::span<const std::string_view> args) {
  std::vector<std::string> extras = tool.remaining(true);
  std::erase(extras, "--");
  if (extras.empty()) return TranslatedParserMessage(error.what());
  const std::string& first = extras.front();
  const auto optionsEnd = std::ranges::find(args, "--");
  const bool option = first.size() > 1 && first.starts_with('-') &&
                      std::find(args.begin(), optionsEnd, first) != optionsEnd;
  return option ? Tr("unknown option {1}", {first}) : Tr("unexpected argument {1}", {first});
}

}  // namespace

std::vector<ToolCommand> SetUpTool(CLI::App& tool) {
  tool.name(kProgram);
  tool.description(Tr("Reads MT4 optimization reports without the window."));
  UseHelpLayout(tool, "COMMAND ARGUMENTS");
  tool.footer(
      Tr("Every command but check stops, writing nothing, on a file without a results table or\n"
         "without passes. A REPORT of - is read from standard input, and export's -o - or\n"
         "-o /dev/stdout writes to standard output. After --, every argument is taken as it is,\n"
         "never as an option: \"list -- -x.htm\" lists the report -x.htm.\n\"{1} COMMAND "
         "--help\" describes a command.",
         {kProgram}));
  tool.set_version_flag("-V,--version", std::string(kProgram) + " " + KVL_VERSION,
                        Tr("Print the version and exit"));
  tool.require_subcommand(1);
  // Paths such as /reports/a.htm are paths on every system, never options.
  tool.allow_windows_style_options(false);
  // A repeated option keeps its last value; the options meant to repeat say so themselves. A flag
  // takes no value.
  tool.option_defaults()
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
      ->disable_flag_override();
  std::vector<ToolCommand> commands{AddListCommand(tool),  AddExportCommand(tool),
                                    AddCheckCommand(tool), AddParamsCommand(tool),
                                    AddMapCommand(tool),   AddJoinCommand(tool)};
  TranslateHelpHeadings(tool);
  return commands;
}

int DispatchCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  PrefixedLines messages(err, std::string(kProgram) + ": ");
  CLI::App tool;
  const std::vector<ToolCommand> commands = SetUpTool(tool);
  if (args.empty()) {
    err << tool.help();
    return kWrongUse;
  }
  if (!args[0].starts_with('-') && std::ranges::none_of(commands, [&](const ToolCommand& c) {
        return c.app->get_name() == args[0];
      })) {
    return WrongUse(tool, Tr("unknown command {1}", {args[0]}), messages);
  }
  try {
    tool.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    int status = 0;
    for (const ToolCommand& command : commands) {
      if (command.app->parsed()) status = command.run(out, messages);
    }
    if (!out.flush()) throw core::EWriteError(Tr("Cannot write to standard output"));
    return status;
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << '\n';
    return 0;
  } catch (const CLI::Success&) {  // --help
    out << tool.help();
    return 0;
  } catch (const CLI::ParseError& error) {
    return WrongUse(tool, ParseErrorMessage(tool, error, args), messages);
  } catch (const UsageError& error) {
    return WrongUse(tool, error.what(), messages);
  } catch (const std::bad_alloc&) {
    out.flush();
    messages << core::ErrorBoxText(TranslatedCoreMessage(core::EOutOfMemory().Message())) << '\n';
    return kFailed;
  } catch (const std::exception& error) {  // an Exception's what() is its message
    out.flush();
    messages << core::ErrorBoxText(TranslatedCoreMessage(error.what())) << '\n';
    return kFailed;
  }
}

}  // namespace kvl::cli
