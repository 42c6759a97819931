#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace kvl::cli {

// The tool's help layout: the usage line first, as "usage: PROGRAM COMMAND SYNOPSIS", then the
// description, the arguments and options, and the footer. One per command, since each has its own
// synopsis.
class HelpFormatter : public CLI::Formatter {
 public:
  explicit HelpFormatter(std::string synopsis);

  std::string make_usage(const CLI::App* app, std::string name) const override;
  // The parser pads the option column by bytes; this pads it by characters, as Cyrillic needs.
  std::string make_option(const CLI::Option* option, bool positional) const override;
  std::string make_help(const CLI::App* app, std::string name,
                        CLI::AppFormatMode mode) const override;

 private:
  std::string synopsis_;
};

// Gives `app` the tool's help layout with `synopsis` after its name on the usage line. Each line of
// a synopsis of several lines is a usage line of its own, and one that starts with a blank goes
// on with the line before it.
void UseHelpLayout(CLI::App& app, std::string synopsis);

// Puts the headings and texts that the parser gives the help in English (the options' group, the
// commands' group, the help option's description) in the user's language, in `app` and its
// commands. Call it once every option is added.
void TranslateHelpHeadings(CLI::App& app);

}  // namespace kvl::cli
