#include "HelpFormatter.h"

#include <memory>
#include <utility>

#include <cli/formats/ListFormats.h>
#include <cli/translation/Translation.h>

namespace kvl::cli {

namespace {

constexpr std::size_t kOptionColumnWidth = 28;

}  // namespace

HelpFormatter::HelpFormatter(std::string synopsis) : synopsis_(std::move(synopsis)) {
  column_width(kOptionColumnWidth);
  label("Positionals", Tr("Positionals"));
  label("REQUIRED", Tr("REQUIRED"));
}

std::string HelpFormatter::make_usage(const CLI::App*, std::string name) const {
  const std::string usagePrefix = std::string(Tr("usage:")) + ' ';
  std::string usage;
  std::size_t start = 0;
  do {
    const std::size_t end = std::min(synopsis_.find('\n', start), synopsis_.size());
    const std::string line = synopsis_.substr(start, end - start);
    // A line that starts with a blank goes on with the line before it.
    const std::string lead = line.starts_with(' ') ? "" : name + ' ';
    usage += (start == 0 ? usagePrefix : std::string(DisplayWidth(usagePrefix), ' ')) + lead +
             line + '\n';
    start = end + 1;
  } while (start < synopsis_.size());
  return usage;
}

std::string HelpFormatter::make_option(const CLI::Option* option, bool positional) const {
  std::string line = "  " + make_option_name(option, positional) + make_option_opts(option);
  const std::string description = make_option_desc(option);
  if (description.empty()) return line + '\n';
  const std::size_t width = DisplayWidth(line);
  line += width < kOptionColumnWidth ? std::string(kOptionColumnWidth - width, ' ')
                                     : '\n' + std::string(kOptionColumnWidth, ' ');
  for (const char c : description) {
    line += c;
    if (c == '\n') line += std::string(kOptionColumnWidth, ' ');
  }
  return line + '\n';
}

std::string HelpFormatter::make_help(const CLI::App* app, std::string name,
                                     CLI::AppFormatMode mode) const {
  const std::string description = make_description(app);
  return make_usage(app, name) + (description.empty() ? "" : '\n' + description) +
         make_positionals(app) + make_groups(app, mode) + make_subcommands(app, mode) + '\n' +
         make_footer(app);
}

void UseHelpLayout(CLI::App& app, std::string synopsis) {
  app.formatter(std::make_shared<HelpFormatter>(std::move(synopsis)));
}

void TranslateHelpHeadings(CLI::App& app) {
  // The parser names these itself, in English, as the options and commands are made.
  if (CLI::Option* help = app.get_help_ptr())
    help->description(Tr("Print this help message and exit"));
  for (CLI::Option* option : app.get_options()) {
    if (option->get_group() == "Options") option->group(Tr("Options"));
  }
  for (CLI::App* command : app.get_subcommands({})) {
    if (command->get_group() == "Subcommands") command->group(Tr("Subcommands"));
    TranslateHelpHeadings(*command);
  }
}

}  // namespace kvl::cli
