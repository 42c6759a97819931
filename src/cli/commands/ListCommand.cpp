#include "ListCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <cli/HelpFormatter.h>
#include <cli/formats/ListFormats.h>
#include <cli/selection/ChosenPasses.h>
#include <cli/selection/SelectionArguments.h>
#include <cli/translation/Translation.h>

namespace kvl::cli {

namespace {

struct ListArguments {
  std::string report;
  std::string format = "table";
  bool params = false;
  bool inputs = false;
  SelectionArguments selection;
  std::optional<std::string> limit;
};

void RunList(const ListArguments& args, std::ostream& out, std::ostream& err) {
  const ListWriter write = ListWriterNamed(args.format);
  PassSelection selection = ReadSelection(args.selection);
  if (args.limit) selection.limit = PassCount("--limit", *args.limit, 0);
  const ChosenPasses chosen(args.report, {args.selection.robust, args.inputs}, std::move(selection),
                            err);
  std::vector<ListedColumn> columns = ListedColumns(args.params);
  const std::vector<ListedColumn> added = chosen.Added();
  columns.insert(columns.end(), added.begin(), added.end());
  write(out, chosen.Table(), chosen.Slots(), columns);
}

const char* FormatHelp() {
  return Tr(
      "Formats, all of them UTF-8:\n"
      "  table  columns aligned under captions in the user's language, for reading (the default)\n"
      "  tsv    a line of column names, then a line per pass, fields as stored and separated\n"
      "         by tabs; \\, tab, CR and LF in a field are written \\\\, \\t, \\r and \\n\n"
      "  csv    RFC 4180: a header row of the tsv names, CR LF after every record, a field\n"
      "         holding a comma, a quote, CR or LF in quotes with its quotes doubled\n"
      "  json   an array of objects keyed by the tsv names; a cell that is a JSON number is\n"
      "         written as that number, its text unchanged, an empty --robust figure or\n"
      "         --inputs value as null, any other as a string; with --params, \"params\" holds\n"
      "         the parameter panel's lines as [name, value] pairs\n"
      "\n"
      "--inputs adds a column per parameter of the passes, in the order in which they first\n"
      "appear, named param:NAME in tsv, csv and json and headed NAME in the table: the pass's\n"
      "value, trimmed of blanks as params shows it, or empty where the pass lacks the\n"
      "parameter. These columns follow those of --params and --robust.\n");
}

}  // namespace

ToolCommand AddListCommand(CLI::App& tool) {
  auto args = std::make_shared<ListArguments>();
  CLI::App* list =
      tool.add_subcommand("list", Tr("list the passes of REPORT, sorted and filtered"));
  list->footer(std::string(FormatHelp()) + '\n' + SelectionHelp());
  UseHelpLayout(*list,
                "REPORT [--format table|tsv|csv|json] [--params] [--inputs]\n"
                "    [--sort COLUMN:desc|asc]... [--order KEY[:asc|:desc],...]\n"
                "    [--where \"COLUMN OP NUMBER\"]... [--skip-bad] [--limit N] [--robust COLUMN]");
  list->add_option("REPORT", args->report,
                   Tr("the MT4 optimization report (.htm), passes numbered from 1"))
      ->required()
      ->type_name("");
  list->add_option("--format", args->format, Tr("table, tsv, csv or json"))->type_name("FORMAT");
  list->add_flag("--params", args->params, Tr("add each pass's parameter text"));
  list->add_flag("--inputs", args->inputs, Tr("add a column per parameter"));
  AddSelectionOptions(*list, args->selection);
  list->add_option("--limit", args->limit, Tr("list at most N passes"))->type_name("N");
  return {list, [args](std::ostream& out, std::ostream& err) {
            RunList(*args, out, err);
            return 0;
          }};
}

}  // namespace kvl::cli
