#include "ParamsCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include <cli/HelpFormatter.h>
#include <cli/parametermap/ReportParameters.h>
#include <core/CodePage.h>

namespace kvl::cli {

namespace {

constexpr std::size_t kMostValues = 20;

void WriteParameter(std::ostream& out, const core::MapParameter& parameter, std::string_view kind) {
  out << core::AnsiToUtf8(parameter.name) << '\t' << kind << '\t' << parameter.values.size()
      << '\t';
  for (std::size_t v = 0; v < parameter.values.size() && v < kMostValues; ++v) {
    out << (v ? ", " : "") << core::AnsiToUtf8(parameter.values[v]);
  }
  if (parameter.values.size() > kMostValues) out << ", …";
  out << '\n';
}

void RunParams(const std::string& report, std::ostream& out) {
  const ReportParameters parameters(report);
  const core::ParameterSpace& space = parameters.space;
  out << "parameter\tkind\tvalues\tfirst values\n";
  for (const core::MapParameter& parameter : space.Optimized()) {
    WriteParameter(out, parameter, "optimized");
  }
  for (const core::MapParameter& parameter : space.Constants())
    WriteParameter(out, parameter, "constant");
  out << "\nPasses left out: " << space.LeftOut().size() << " of " << space.PassCount() << '\n';
  for (const core::LeftOutPass& pass : space.LeftOut()) {
    out << "pass " << pass.pass << ": " << LeftOutText(pass) << '\n';
  }
}

}  // namespace

ToolCommand AddParamsCommand(CLI::App& tool) {
  auto report = std::make_shared<std::string>();
  CLI::App* params =
      tool.add_subcommand("params", "list the parameters of REPORT's passes and their values");
  params->footer(
      "Prints a line per parameter: its name, \"optimized\" when the passes give it more than\n"
      "one value and \"constant\" otherwise, the number of its values and the first 20 of them\n"
      "(then \"…\"), separated by tabs. Numeric values are in numeric order, others in the order\n"
      "they first appear. Then the number of passes left out of the parameter map, and a line\n"
      "for each: its parameter text does not split into name=value pairs, or its names differ\n"
      "from those that most passes carry.\n");
  UseHelpLayout(*params, "REPORT");
  params->add_option("REPORT", *report, "the MT4 optimization report (.htm)")
      ->required()
      ->type_name("");
  return {params, [report](std::ostream& out, std::ostream&) {
            RunParams(*report, out);
            return 0;
          }};
}

}  // namespace kvl::cli
