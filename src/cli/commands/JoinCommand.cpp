#include "JoinCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <cli/HelpFormatter.h>
#include <cli/UsageError.h>
#include <cli/formats/ListFormats.h>
#include <cli/join/JoinColumns.h>
#include <cli/join/JoinLabels.h>
#include <cli/join/JoinSummary.h>
#include <cli/join/JoinedReports.h>
#include <cli/rows/InputColumns.h>
#include <cli/selection/InputKeys.h>
#include <cli/selection/SelectionArguments.h>
#include <cli/setfiles/BatchExport.h>
#include <cli/translation/Translation.h>
#include <core/CodePage.h>
#include <core/Utf8Path.h>
#include <core/join/ReportJoin.h>
#include <core/parameters/ParameterPair.h>

namespace kvl::cli {

namespace {

struct JoinArguments {
  std::string base;
  std::vector<std::string> others;
  std::optional<std::string> labels;
  std::optional<std::string> on;
  bool all = false;
  std::string format = "table";
  bool params = false;
  SelectionArguments selection;
  std::optional<std::string> limit;
  // The export of the first passes.
  std::optional<std::string> top;
  std::optional<std::string> folder;
  std::string name = "{index}.set";
  std::optional<std::string> setTemplate;
  bool force = false;
};

struct JoinOptions {
  // Those that only the export takes, and those that only the listing takes.
  std::vector<CLI::Option*> exportOnly;
  std::vector<CLI::Option*> listingOnly;
};

// Whether the command exports rather than lists; raises UsageError for options of both, and for
// --top without --dir.
bool IsExport(const JoinArguments& args, const JoinOptions& options) {
  const std::vector<CLI::Option*>& wrong = args.top ? options.listingOnly : options.exportOnly;
  for (const CLI::Option* option : wrong) {
    if (option->count() == 0) continue;
    throw UsageError(args.top ? Tr("{1} lists; it does not go with --top", {option->get_name()})
                              : Tr("{1} goes with --top N --dir DIR", {option->get_name()}));
  }
  if (args.top && !args.folder) throw UsageError(Tr("missing --dir DIR"));
  return args.top.has_value();
}

// The names of --on, ANSI, each trimmed of blanks.
std::vector<std::string> InputsOn(const std::optional<std::string>& on) {
  std::vector<std::string> names;
  if (!on) return names;
  std::string_view rest = *on;
  while (true) {
    const std::size_t comma = rest.find(',');
    const std::string_view name = core::WithBlanks(rest.substr(0, comma), core::Blanks::kTrimmed);
    if (name.empty()) throw UsageError(Tr("--on \"{1}\": an input's name is empty", {*on}));
    names.push_back(core::Utf16ToAnsi(core::Utf8ToUtf16(name)));
    if (comma == std::string_view::npos) return names;
    rest.remove_prefix(comma + 1);
  }
}

void RunJoin(const JoinArguments& args, const JoinOptions& options, std::ostream& out,
             std::ostream& err) {
  const bool exporting = IsExport(args, options);
  const ListWriter write = ListWriterNamed(args.format);
  std::vector<std::string> paths{args.base};
  paths.insert(paths.end(), args.others.begin(), args.others.end());
  std::vector<std::string> labels = JoinLabels(paths, args.labels);
  SelectionArguments typed = args.selection;
  typed.addedFigures = JoinColumnNames(labels);
  PassSelection selection = ReadSelection(typed);
  if (args.limit) selection.limit = PassCount("--limit", *args.limit, 0);
  if (args.top) selection.limit = PassCount("--top", *args.top, 1);
  const core::JoinRules rules{InputsOn(args.on), args.all};
  // Read before the reports, so that a template that cannot be read stops the export before
  // anything is written.
  std::optional<SetFileTemplate> setTemplate;
  if (args.setTemplate) setTemplate = ReadSetFileTemplate(*args.setTemplate);

  const JoinedReports reports(paths, std::move(labels), rules);
  const JoinColumns joined(reports);
  const core::PassTable& table = reports.BaseTable();
  selection.figureColumns = joined.Sortable();
  const InputColumns inputs =
      InputColumns::Named(table, reports.BaseCount(), InputKeyNames(selection));
  const std::vector<FigureColumn> inputKeys =
      InputKeyColumns(table, reports.BaseCount(), inputs, selection);
  selection.figureColumns.insert(selection.figureColumns.end(), inputKeys.begin(), inputKeys.end());
  const SelectedRows rows =
      SelectRowsAmong(table, reports.BaseCount(), reports.BaseSlots(), selection);
  ReportLeftOut(selection, rows, err);
  const JoinSummary summary = SummaryOf(reports);

  std::vector<ListedColumn> columns = joined.Listed();
  if (exporting) {
    const BatchExport batch{core::PathFromUtf8(*args.folder), FileNameTemplate(args.name, columns),
                            args.force, std::move(setTemplate)};
    ExportSetFiles(table, rows.slots, batch, out);
    WriteJoinSummary(err, summary);
    return;
  }
  if (args.params) columns.push_back(ListedColumns(true).back());
  if (args.format == "json") {
    WriteJoinJson(out, table, rows.slots, columns, summary);
    return;
  }
  write(out, table, rows.slots, columns);
  WriteJoinSummary(err, summary);
}

const char* Footer() {
  return Tr(
      "Matches the passes of reports of one expert by their inputs, as the parameter map reads\n"
      "them: BASE, the report the expert was optimized on, and each OTHER, such as the same grid\n"
      "run on a later period. Passes match when every input both reports have holds the same\n"
      "value, read as numbers where both are numbers (1.5 matches 1.50), else as the same text;\n"
      "--on NAME,... counts only those inputs, for example when a constant such as a magic number\n"
      "differs. Inputs that only one report has are ignored and named in the summary. Where a\n"
      "report holds several passes with the same inputs, the lowest pass stands for them. A pass\n"
      "left out of the parameter map is left out of the join. The rows are the base passes that\n"
      "match in every report, in the base's order; --all keeps the others, with empty cells.\n"
      "\n"
      "Each report has a label: its file name without the extension, or the one --labels gives,\n"
      "in the order of the reports; a label is not empty, holds no \":\" or \",\", is not "
      "\"param\"\n"
      "and names one report. The columns, named so in tsv, csv, json, --sort, --order, --where\n"
      "and --name:\n"
      "  LABEL:index, LABEL:profit, LABEL:trades, LABEL:profit-factor, LABEL:expected-payoff,\n"
      "  LABEL:drawdown, LABEL:drawdown-percent  the report's pass and its cells, for each report\n"
      "  profit-worst      the lowest profit of the row's passes\n"
      "  LABEL:efficiency  for each report after the base: its profit per year of its tested\n"
      "      period over the base's profit per year of the base's, with two decimals; empty where\n"
      "      the base's profit is not above 0 or a report's header gives no period\n"
      "and, with --params, params: the base pass's parameter text. Each column is read as\n"
      "numbers, sorted and compared as its result column is (index and trades as integers);\n"
      "an empty cell comes last in a sort and meets no --where condition.\n"
      "--sort, --order, --where, --skip-bad and --limit choose the rows as list chooses passes,\n"
      "among the joined rows alone: for example --sort oos:profit:desc, --order profit-worst:desc\n"
      "or --where \"oos:profit>0\"; a result column's plain name, such as profit, and\n"
      "param:NAME stand for the base pass's cell and parameter.\n"
      "\n"
      "The summary goes to standard error, after the rows, or with --format json beside them\n"
      "as \"summary\": the passes of each report, those left out of the parameter map, those\n"
      "whose inputs a lower pass has, and those unmatched (of the base: without a match in some\n"
      "report; of another: matching no base pass); the joined passes; the inputs ignored; and for\n"
      "each report after the base, over the rows where both profits read as numbers, the rank\n"
      "correlation (Spearman) of its profit with the base's, and how many of the base's best\n"
      "tenth by profit earn more than 0 in it.\n"
      "\n"
      "--top N --dir DIR writes the set files of the first N rows' base passes as export --top\n"
      "does, named by --name (default {index}.set, the base pass), which may use the joined\n"
      "columns, such as \"{index}_oos{oos:profit}.set\"; --template and --force as for export.\n");
}

}  // namespace

ToolCommand AddJoinCommand(CLI::App& tool) {
  auto args = std::make_shared<JoinArguments>();
  auto options = std::make_shared<JoinOptions>();
  CLI::App* command =
      tool.add_subcommand("join", Tr("match the passes of reports by their inputs: out of sample"));
  UseHelpLayout(*command,
                "BASE OTHER... [--labels LABEL,...] [--on NAME,...] [--all]\n"
                "    [--format table|tsv|csv|json] [--params] [--limit N]\n"
                "    [--sort COLUMN:desc|asc]... [--order KEY[:asc|:desc],...]\n"
                "    [--where \"COLUMN OP NUMBER\"]... [--skip-bad]\n"
                "BASE OTHER... --top N --dir DIR [--name TEMPLATE] [--template FILE.set]\n"
                "    [--force] [--labels LABEL,...] [--on NAME,...] [--all] [--sort ...]...\n"
                "    [--order ...] [--where ...]... [--skip-bad]");
  command->footer(Footer());
  command->add_option("BASE", args->base, Tr("the report the expert was optimized on (.htm)"))
      ->required()
      ->type_name("");
  command->add_option("OTHER", args->others, Tr("the reports to match with it"))
      ->required()
      ->type_name("");
  command->add_option("--labels", args->labels, Tr("the reports' labels, in their order"))
      ->type_name("LABEL,...");
  command->add_option("--on", args->on, Tr("match by these inputs alone"))->type_name("NAME,...");
  command->add_flag("--all", args->all, Tr("keep the base passes without a match"));
  options->listingOnly = {
      command->add_option("--format", args->format, Tr("table, tsv, csv or json"))
          ->type_name("FORMAT"),
      command->add_flag("--params", args->params, Tr("add the base pass's parameter text")),
      command->add_option("--limit", args->limit, Tr("list at most N rows"))->type_name("N")};
  AddSelectionOptions(*command, args->selection);
  command->remove_option(command->get_option("--robust"));
  command->add_option("--top", args->top, Tr("export the set files of the first N rows"))
      ->type_name("N");
  options->exportOnly = {
      command->add_option("--dir", args->folder, Tr("the folder to write them to"))
          ->type_name("DIR"),
      command->add_option("--name", args->name, Tr("their file names (default {index}.set)"))
          ->type_name("TEMPLATE"),
      command
          ->add_option("--template", args->setTemplate,
                       Tr("the user's set file to put the values into"))
          ->type_name("FILE.set"),
      command->add_flag("--force", args->force, Tr("replace files that exist"))};
  return {command, [args, options](std::ostream& out, std::ostream& err) {
            RunJoin(*args, *options, out, err);
            return 0;
          }};
}

}  // namespace kvl::cli
