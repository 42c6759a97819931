#include "CommandDispatch.h"

#include <algorithm>
#include <exception>
#include <new>
#include <ostream>
#include <string>
#include <vector>

#include "CommandSpec.h"
#include "ErrorText.h"
#include "Exceptions.h"
#include "ExportCommand.h"
#include "ListCommand.h"

namespace {

constexpr std::string_view kProgram = "kvl-ridavu-cli";
constexpr const CommandSpec* kCommands[] = {&kListCommand, &kExportCommand};
constexpr OptionSpec kHelpOption = {"--help", false};

constexpr int kFailed = 1;
constexpr int kWrongUse = 2;

void WriteToolUsage(std::ostream& out) {
  out << "usage: " << kProgram << " COMMAND ARGUMENTS\n"
      << "Reads MT4 optimization reports without the window.\n\nCommands:\n";
  for (const CommandSpec* command : kCommands) {
    out << "  " << command->name << ' ' << command->synopsis << "\n      " << command->summary
        << '\n';
  }
  out << "\n\"" << kProgram << " COMMAND --help\" describes a command.\n";
}

void WriteCommandUsage(std::ostream& out, const CommandSpec& command) {
  out << "usage: " << kProgram << ' ' << command.name << ' ' << command.synopsis << "\n"
      << command.description;
}

const CommandSpec* FindCommand(std::string_view name) {
  const auto it = std::ranges::find(kCommands, name, &CommandSpec::name);
  return it == std::end(kCommands) ? nullptr : *it;
}

int RunCommand(const CommandSpec& command, std::span<const std::string_view> args,
               std::ostream& out, std::ostream& err) {
  std::vector<OptionSpec> options(command.options.begin(), command.options.end());
  options.push_back(kHelpOption);
  try {
    const ParsedArguments parsed = ParseArguments(args, options);
    if (parsed.Has(kHelpOption.name)) {
      WriteCommandUsage(out, command);
      return 0;
    }
    command.run(parsed, out);
    if (!out.flush()) throw EWriteError("Cannot write to standard output");
    return 0;
  } catch (const UsageError& error) {
    err << kProgram << ' ' << command.name << ": " << error.what() << '\n';
    WriteCommandUsage(err, command);
    return kWrongUse;
  } catch (const std::bad_alloc&) {
    err << ErrorBoxText(EOutOfMemory().Message()) << '\n';
    return kFailed;
  } catch (const std::exception& error) {  // an Exception's what() is its message
    err << ErrorBoxText(error.what()) << '\n';
    return kFailed;
  }
}

}  // namespace

int DispatchCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    WriteToolUsage(err);
    return kWrongUse;
  }
  if (args[0] == kHelpOption.name) {
    WriteToolUsage(out);
    return 0;
  }
  const CommandSpec* command = FindCommand(args[0]);
  if (command == nullptr) {
    err << kProgram << ": unknown command " << args[0] << '\n';
    WriteToolUsage(err);
    return kWrongUse;
  }
  return RunCommand(*command, args.subspan(1), out, err);
}
