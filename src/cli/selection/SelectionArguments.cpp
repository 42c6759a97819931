#include "SelectionArguments.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <utility>

#include <cli/UsageError.h>
#include <cli/translation/Translation.h>

namespace kvl::cli {

// Each --sort, --order and --where takes one value, so that the report may follow them.
void AddSelectionOptions(CLI::App& command, SelectionArguments& arguments) {
  command.add_option("--sort", arguments.sorts, Tr("sort largest (desc) or smallest (asc) first"))
      ->type_name("COLUMN:desc|asc")
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  command
      .add_option("--order", arguments.order, Tr("then sort stably by the keys, the first first"))
      ->type_name("KEY[:asc|:desc],...")
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  command
      .add_option("--where", arguments.conditions, Tr("keep the passes that meet the condition"))
      ->type_name("\"COLUMN OP NUMBER\"")
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  command.add_flag("--skip-bad", arguments.skipBad,
                   Tr("leave out passes whose cells a --where or --order cannot read"));
  command.add_option("--robust", arguments.robust, Tr("add the neighbourhood figures of COLUMN"))
      ->type_name("COLUMN");
}

PassSelection ReadSelection(const SelectionArguments& arguments) {
  PassSelection selection;
  for (const std::string& sort : arguments.sorts) {
    selection.sorts.push_back(ParseSortRequest(sort, arguments.addedFigures));
  }
  for (const std::string& keys : arguments.order) {
    for (SortRequest& key : ParseOrderKeys(keys, arguments.addedFigures))
      selection.order.push_back(std::move(key));
  }
  for (const std::string& condition : arguments.conditions) {
    selection.conditions.push_back(ParseWhereCondition(condition, arguments.addedFigures));
  }
  selection.skipBad = arguments.skipBad;
  return selection;
}

std::size_t PassCount(std::string_view option, std::string_view text, std::size_t least) {
  std::size_t count = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, count);
  if (text.empty() || error != std::errc() || stop != end || count < least) {
    throw UsageError(
        Tr("{1} {2}: N is a whole number from {3}", {option, text, std::to_string(least)}));
  }
  return count;
}

const char* SelectionHelp() {
  return Tr(
      "Choosing passes:\n"
      "  --sort COLUMN:desc|asc  sorts by COLUMN (a tsv column name but params, or 0 to 6, a\n"
      "      --robust figure, or param:NAME for the value of the parameter NAME), largest (desc)\n"
      "      or smallest (asc) first, as a click on the window's column header does; a cell the\n"
      "      sort cannot read fails the command naming its row and cell, but an empty figure or\n"
      "      parameter value, or a parameter the pass lacks, comes last in either direction.\n"
      "      Repeated, the sorts apply one after another.\n"
      "  --order KEY[:asc|:desc],...  then sorts the passes once by all the keys, as a\n"
      "      spreadsheet's sort dialog does: by the first key, the passes that it ties by the\n"
      "      next, and so on; passes that every key ties keep their order (the report's, or the\n"
      "      one --sort left). KEY is a COLUMN as for --sort, smallest first unless :desc\n"
      "      follows; for example --order profit:desc,trades. Cells are read as numbers as\n"
      "      --where reads them; an empty cell comes last in either direction; a cell that does\n"
      "      not convert fails the command naming its row and cell, unless --skip-bad leaves the\n"
      "      pass out. Repeated, the keys of each follow those before.\n"
      "  --where \"COLUMN OP NUMBER\"  keeps the passes whose cell in COLUMN (a tsv column name\n"
      "      but params, a --robust figure, or param:NAME) compares so with NUMBER; OP is one of\n"
      "      < <= > >= = !=. For example: trades>=100, drawdown-percent<20, param:Lots=0.1.\n"
      "      Cells are read with the sort's conversions (index and trades as integers, the\n"
      "      others and parameters as decimals with \".\"); a parameter's name and value are\n"
      "      trimmed of blanks, as for params.\n"
      "      Repeated, every condition must hold. A cell that does not convert, or a parameter\n"
      "      the pass lacks, fails the command naming its row and cell, unless --skip-bad\n"
      "      leaves the row out and says on standard error how many were left out. A parameter\n"
      "      that no pass carries, in any of these options, fails the command before anything\n"
      "      is written, listing the parameters there are.\n"
      "  The sorts apply first, then --order, then the conditions, then --limit or --top.\n"
      "\n"
      "--robust COLUMN adds the neighbourhood figures of COLUMN (profit, trades, profit-factor,\n"
      "expected-payoff, drawdown or drawdown-percent) as three columns, which --sort, --order\n"
      "and --where accept:\n"
      "  COLUMN-neighbours  the passes that differ from the pass in one optimized parameter, by\n"
      "                     one step of its ordered values\n"
      "  COLUMN-min         the lowest COLUMN over the pass and those neighbours, as written\n"
      "                     and read as COLUMN's cells are (trades as an integer)\n"
      "  COLUMN-mean        their mean, with two decimals\n"
      "They are empty for a pass left out of the parameter map and, but for the neighbours, for a\n"
      "pass without neighbours and where a cell of the neighbourhood does not convert.\n"
      "--order profit-min:desc ranks the passes by the worst profit around them, with empty\n"
      "figures last; --where \"profit-neighbours>=2\" keeps those with two neighbours or more.\n"
      "--where compares the figures as it compares a column; no condition holds of an empty one,\n"
      "so that a pass without it is left out without --skip-bad.\n");
}

}  // namespace kvl::cli
