#include "ListCommand.h"

#include <string>
#include <vector>

#include "PassListing.h"
#include "ReportLoader.h"
#include "SortOption.h"
#include "SortPasses.h"

namespace {

constexpr OptionSpec kOptions[] = {{"--format", true}, {"--params", false}, {"--sort", true}};

enum class ListFormat { kTable, kTsv };

ListFormat FormatOption(const ParsedArguments& args) {
  const auto format = args.Last("--format");
  if (!format || *format == "table") return ListFormat::kTable;
  if (*format == "tsv") return ListFormat::kTsv;
  throw UsageError("unknown format " + std::string(*format) + " (table or tsv)");
}

void RunList(const ParsedArguments& args, std::ostream& out) {
  ExpectPositionals(args, {"REPORT"});
  const ListFormat format = FormatOption(args);
  std::vector<SortRequest> sorts;
  for (const std::string_view value : args.Values("--sort"))
    sorts.push_back(ParseSortRequest(value));
  PassTable table;
  const int n = LoadReport(std::string(args.positionals[0]), table);
  // In the order given, as successive header clicks would sort the window's list.
  for (const SortRequest& sort : sorts) SortPasses(sort.columnId, sort.largestFirst, n, table);
  const auto count = static_cast<std::size_t>(n);
  const auto columns = ListedColumns(args.Has("--params"));
  if (format == ListFormat::kTsv) {
    WritePassesTsv(out, table, count, columns);
  } else {
    WritePassesTable(out, table, count, columns);
  }
}

}  // namespace

constinit const CommandSpec kListCommand = {
    "list",
    "REPORT [--format table|tsv] [--params] [--sort COLUMN:desc|asc]...",
    "list the passes of REPORT in file order or sorted",
    "Lists the passes of the optimization report REPORT, numbered from 1 in file order.\n"
    "\n"
    "  --format table  columns aligned for reading, under the window's captions (default)\n"
    "  --format tsv    for scripts: a line of column names, then one line per pass, fields\n"
    "                  as stored, separated by tabs; \\, tab, CR and LF in a field are\n"
    "                  written \\\\, \\t, \\r and \\n\n"
    "  --params        add each pass's parameter text as it is stored\n"
    "  --sort COLUMN:desc|asc\n"
    "                  sort by COLUMN (a tsv column name but params, or 0 to 6), largest\n"
    "                  (desc) or smallest (asc) first, as a click on the window's column\n"
    "                  header does; repeated, the sorts apply one after another\n",
    kOptions,
    RunList,
};
