#include "ParamsCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include <cli/HelpFormatter.h>
#include <cli/formats/ListFormats.h>
#include <cli/parametermap/ParametersJson.h>
#include <cli/parametermap/ReportParameters.h>
#include <cli/translation/Translation.h>
#include <core/CodePage.h>

#include "FindingsFormat.h"

namespace kvl::cli {

namespace {

constexpr std::size_t kMostValues = 20;

// Each value a field of its own, so that commas in values read as they are.
void WriteParameter(std::ostream& out, const core::MapParameter& parameter, std::string_view kind) {
  out << EscapeField(core::AnsiToUtf8(parameter.name)) << '\t' << kind << '\t'
      << parameter.values.size();
  for (std::size_t v = 0; v < parameter.values.size() && v < kMostValues; ++v) {
    out << '\t' << EscapeField(core::AnsiToUtf8(parameter.values[v]));
  }
  if (parameter.values.size() > kMostValues) out << "\t…";
  out << '\n';
}

void WriteParametersText(std::ostream& out, const core::ParameterSpace& space) {
  // TRANSLATORS: The captions of the fields of params's lines, separated by tabs.
  out << Tr("parameter\tkind\tvalues\tfirst values") << '\n';
  for (const core::MapParameter& parameter : space.Optimized()) {
    // TRANSLATORS: The kind of a parameter that the passes give more than one value.
    WriteParameter(out, parameter, Tr("optimized"));
  }
  for (const core::MapParameter& parameter : space.Constants()) {
    // TRANSLATORS: The kind of a parameter that has one value in every pass.
    WriteParameter(out, parameter, Tr("constant"));
  }
  out << '\n'
      << Tr("Passes left out: {1} of {2}",
            {std::to_string(space.LeftOut().size()), std::to_string(space.PassCount())})
      << '\n';
  for (const core::LeftOutPass& pass : space.LeftOut()) {
    out << Tr("pass {1}: {2}", {std::to_string(pass.pass), EscapeField(LeftOutText(pass))}) << '\n';
  }
}

struct ParamsArguments {
  std::string report;
  std::string format;
};

void RunParams(const ParamsArguments& args, std::ostream& out) {
  const FindingsFormat format = FindingsFormatNamed(args.format);
  const ReportParameters parameters(args.report);
  if (format == FindingsFormat::kJson) {
    WriteParametersJson(out, parameters.space);
  } else {
    WriteParametersText(out, parameters.space);
  }
}

}  // namespace

ToolCommand AddParamsCommand(CLI::App& tool) {
  auto args = std::make_shared<ParamsArguments>();
  CLI::App* params =
      tool.add_subcommand("params", Tr("list the parameters of REPORT's passes and their values"));
  params->footer(Tr(
      "Prints a line per parameter, its fields separated by tabs: its name, \"optimized\" when\n"
      "the passes give it more than one value and \"constant\" otherwise, the number of its\n"
      "values, and the first 20 of them, each a field of its own (then a field \"…\"). A tab,\n"
      "CR, LF or backslash in a name or value is written \\t, \\r, \\n or \\\\, as in list's tsv.\n"
      "Numeric values are in numeric order, others in the order they first appear. Then the\n"
      "number of passes left out of the parameter map, and a line for each: its parameter text\n"
      "does not split into name=value pairs, or its names differ from those that most passes\n"
      "carry.\n"
      "--format json writes one object: parameters (name, kind, valueCount and every value in\n"
      "values), passes, the number of passes, and leftOut (pass, reason: not-pairs,\n"
      "repeated-parameter, missing-parameter or extra-parameter, and parameter, the name it\n"
      "concerns or null).\n"));
  UseHelpLayout(*params, "REPORT [--format text|json]");
  params->add_option("REPORT", args->report, Tr("the MT4 optimization report (.htm)"))
      ->required()
      ->type_name("");
  AddFindingsFormat(*params, args->format);
  return {params, [args](std::ostream& out, std::ostream&) {
            RunParams(*args, out);
            return 0;
          }};
}

}  // namespace kvl::cli
