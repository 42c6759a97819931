#include "MapCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>

#include <cli/HelpFormatter.h>
#include <cli/UsageError.h>
#include <cli/parametermap/MapView.h>
#include <cli/parametermap/ReportParameters.h>
#include <cli/rows/ListedColumns.h>
#include <cli/translation/Translation.h>

namespace kvl::cli {

namespace {

struct MapArguments {
  std::string report;
  std::string x;
  std::optional<std::string> y;
  std::string column = "profit";
  std::string aggregate = "max";
  std::string format = "table";
};

using MapWriter = void (*)(std::ostream&, const MapView&);

constexpr std::pair<std::string_view, MapWriter> kMapFormats[] = {
    {"table", WriteMapTable}, {"tsv", WriteMapTsv}, {"csv", WriteMapCsv}, {"json", WriteMapJson}};

MapWriter WriterOf(std::string_view name) {
  for (const auto& [known, writer] : kMapFormats) {
    if (known == name) return writer;
  }
  throw UsageError(Tr("unknown format {1} (table, tsv, csv or json)", {name}));
}

// A result column the map can show: any but the index.
int MapColumnId(std::string_view name) {
  const core::ResultColumn* column = ResultColumnNamed(name);
  if (column == nullptr || column == &core::kResultColumns[0]) {
    throw UsageError(
        Tr("unknown column {1} (profit, trades, profit-factor, expected-payoff, "
           "drawdown or drawdown-percent)",
           {name}));
  }
  return static_cast<int>(column - core::kResultColumns.data());
}

void RunMap(const MapArguments& args, std::ostream& out) {
  const MapWriter write = WriterOf(args.format);
  const int columnId = MapColumnId(args.column);
  const std::optional<core::MapAggregate> aggregate = core::AggregateNamed(args.aggregate);
  if (!aggregate) {
    throw UsageError(Tr("unknown aggregate {1} (max, mean, min or count)", {args.aggregate}));
  }
  if (args.y == args.x) throw UsageError(Tr("--x and --y name the same parameter {1}", {args.x}));
  const ReportParameters report(args.report);
  const std::size_t x = OptimizedAxis(report.space, "--x", args.x);
  const std::optional<std::size_t> y =
      args.y ? std::optional(OptimizedAxis(report.space, "--y", *args.y)) : std::nullopt;
  const core::ColumnValues values = core::ColumnValues::Read(report.table, report.count, columnId);
  if (y) {
    write(out,
          ViewOfMap(report.space, core::BuildParameterMap(report.space, values, x, y, *aggregate)));
  } else {
    write(out, ViewOfProfile(report.space, x, columnId, *aggregate,
                             core::BuildProfile(report.space, values, x)));
  }
}

const char* MapHelp() {
  return Tr(
      "A cell holds the passes whose X and Y values are those, the other parameters free; its\n"
      "figure is the max, mean or min of COLUMN over them, or their count. Max and min are the\n"
      "cell's own text, count is a whole number, and mean is the exact mean of the values the\n"
      "cells write, whatever their form, with its whole integer part and two decimals, a half\n"
      "rounded away from zero (-0.125 gives -0.13). A cell without passes is empty, and so is a\n"
      "cell with a pass whose COLUMN cell does not convert, but for its count. Without --y, a\n"
      "profile: the min, mean and max of COLUMN and the count per value of X.\n"
      "Formats, all of them UTF-8:\n"
      "  table  aligned for reading, then the number of passes left out of the map (the default)\n"
      "  tsv    a map: a line \"Y\\X\" (the two names) and the X values, then a line per Y value\n"
      "         with its figures; a profile: the columns X, min, mean, max and count\n"
      "  csv    the lines of tsv as RFC 4180 records\n"
      "  json   one object: x, y (null for a profile), column, agg, xValues, yValues, then cells\n"
      "         (rows by Y, null for an empty cell) or profile (value, min, mean, max, count)\n"
      "         and leftOut, the number of passes left out of the map\n");
}

}  // namespace

ToolCommand AddMapCommand(CLI::App& tool) {
  auto args = std::make_shared<MapArguments>();
  CLI::App* map = tool.add_subcommand(
      "map", Tr("show a result column of REPORT over one or two optimized parameters"));
  map->footer(MapHelp());
  UseHelpLayout(*map,
                "REPORT --x NAME [--y NAME] [--column COLUMN] [--agg max|mean|min|count]\n"
                "    [--format table|tsv|csv|json]");
  map->add_option("REPORT", args->report, Tr("the MT4 optimization report (.htm)"))
      ->required()
      ->type_name("");
  map->add_option("--x", args->x, Tr("the optimized parameter along the columns"))
      ->required()
      ->type_name("NAME");
  map->add_option("--y", args->y, Tr("the optimized parameter along the rows; none: a profile"))
      ->type_name("NAME");
  map->add_option("--column", args->column, Tr("the result column, a tsv name but index (profit)"))
      ->type_name("COLUMN");
  map->add_option("--agg", args->aggregate, Tr("max, mean, min or count (max)"))->type_name("AGG");
  map->add_option("--format", args->format, Tr("table, tsv, csv or json"))->type_name("FORMAT");
  return {map, [args](std::ostream& out, std::ostream&) {
            RunMap(*args, out);
            return 0;
          }};
}

}  // namespace kvl::cli
