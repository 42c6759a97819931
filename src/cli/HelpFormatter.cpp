#include "HelpFormatter.h"

#include <memory>
#include <utility>

namespace kvl::cli {

namespace {

constexpr std::size_t kOptionColumnWidth = 28;

}  // namespace

HelpFormatter::HelpFormatter(std::string synopsis) : synopsis_(std::move(synopsis)) {
  column_width(kOptionColumnWidth);
}

std::string HelpFormatter::make_usage(const CLI::App*, std::string name) const {
  constexpr std::string_view kUsage = "usage: ";
  std::string usage;
  std::size_t start = 0;
  do {
    const std::size_t end = std::min(synopsis_.find('\n', start), synopsis_.size());
    const std::string line = synopsis_.substr(start, end - start);
    // A line that starts with a blank goes on with the line before it.
    const std::string lead = line.starts_with(' ') ? "" : name + ' ';
    usage +=
        (start == 0 ? std::string(kUsage) : std::string(kUsage.size(), ' ')) + lead + line + '\n';
    start = end + 1;
  } while (start < synopsis_.size());
  return usage;
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

}  // namespace kvl::cli
