#include "ListCommand.h"

#include <string>

#include "PassListing.h"
#include "ReportLoader.h"

namespace {

constexpr OptionSpec kOptions[] = {{"--format", true}, {"--params", false}};

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
  const auto count = static_cast<std::size_t>(LoadReport(std::string(args.positionals[0])));
  const auto columns = ListedColumns(args.Has("--params"));
  if (format == ListFormat::kTsv) {
    WritePassesTsv(out, OptItems, count, columns);
  } else {
    WritePassesTable(out, OptItems, count, columns);
  }
}

}  // namespace

constinit const Command kListCommand = {
    "list",
    "REPORT [--format table|tsv] [--params]",
    "list the passes of REPORT in file order",
    "Lists the passes of the optimization report REPORT, numbered from 1 in file order.\n"
    "\n"
    "  --format table  columns aligned for reading, under the window's captions (default)\n"
    "  --format tsv    for scripts: a line of column names, then one line per pass, fields\n"
    "                  as stored, separated by tabs; \\, tab, CR and LF in a field are\n"
    "                  written \\\\, \\t, \\r and \\n\n"
    "  --params        add each pass's parameter text as it is stored\n",
    kOptions,
    RunList,
};
