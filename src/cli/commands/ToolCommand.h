#pragma once

#include <functional>
#include <iosfwd>

namespace CLI {
class App;
}

namespace kvl::cli {

// A command of the tool: its subcommand of the option parser, and what runs it once its
// arguments have been parsed into the values the subcommand's options are bound to. The run
// returns the exit status, 0 or 1 for a finding that is not good, and raises UsageError for
// arguments the parser cannot judge and an Exception for every failure.
struct ToolCommand {
  CLI::App* app;
  std::function<int(std::ostream& out, std::ostream& err)> run;
};

}  // namespace kvl::cli
