#include "SelectionArguments.h"

#include <CLI/CLI.hpp>
#include <charconv>

#include <cli/UsageError.h>

namespace kvl::cli {

// Each --sort and --where takes one value, so that the report may follow them.
void AddSelectionOptions(CLI::App& command, SelectionArguments& arguments) {
  command.add_option("--sort", arguments.sorts, "sort largest (desc) or smallest (asc) first")
      ->type_name("COLUMN:desc|asc")
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  command.add_option("--where", arguments.conditions, "keep the passes that meet the condition")
      ->type_name("\"COLUMN OP NUMBER\"")
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  command.add_flag("--skip-bad", arguments.skipBad,
                   "leave out passes whose cells a --where cannot read");
}

PassSelection ReadSelection(const SelectionArguments& arguments) {
  PassSelection selection;
  for (const std::string& sort : arguments.sorts) {
    selection.sorts.push_back(ParseSortRequest(sort));
  }
  for (const std::string& condition : arguments.conditions) {
    selection.conditions.push_back(ParseWhereCondition(condition));
  }
  selection.skipBad = arguments.skipBad;
  return selection;
}

std::size_t PassCount(std::string_view option, std::string_view text, std::size_t least) {
  std::size_t count = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, count);
  if (text.empty() || error != std::errc() || stop != end || count < least) {
    throw UsageError(std::string(option) + " " + std::string(text) + ": N is a whole number from " +
                     std::to_string(least));
  }
  return count;
}

const char* const kSelectionHelp =
    "Choosing passes:\n"
    "  --sort COLUMN:desc|asc  sorts by COLUMN (a tsv column name but params, or 0 to 6),\n"
    "      largest (desc) or smallest (asc) first, as a click on the window's column header\n"
    "      does; a cell the sort cannot read fails the command naming its row and cell.\n"
    "      Repeated, the sorts apply one after another.\n"
    "  --where \"COLUMN OP NUMBER\"  keeps the passes whose cell in COLUMN (a tsv column name\n"
    "      but params, or param:NAME for the value of the parameter NAME) compares so with\n"
    "      NUMBER; OP is one of < <= > >= = !=. For example: trades>=100,\n"
    "      drawdown-percent<20, param:Lots=0.1. Cells are read with the sort's conversions\n"
    "      (index and trades as integers, the others and parameters as decimals with \".\");\n"
    "      a parameter's name and value are trimmed of blanks, as for params.\n"
    "      Repeated, every condition must hold. A cell that does not convert, or a parameter\n"
    "      the pass lacks, fails the command naming its row and cell, unless --skip-bad\n"
    "      leaves the row out and says on standard error how many were left out. A parameter\n"
    "      that no pass carries fails the command before anything is written, listing the\n"
    "      parameters there are.\n"
    "  The sorts apply first, then the conditions, then --limit or --top.\n";

}  // namespace kvl::cli
