#include "ExportCommand.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <cli/HelpFormatter.h>
#include <cli/StandardOutput.h>
#include <cli/UsageError.h>
#include <cli/reports/ReportPasses.h>
#include <cli/selection/ChosenPasses.h>
#include <cli/selection/SelectionArguments.h>
#include <cli/setfiles/BatchExport.h>
#include <cli/setfiles/ReplacedFiles.h>
#include <cli/setfiles/SetFileTemplate.h>
#include <cli/translation/Translation.h>
#include <core/Exceptions.h>
#include <core/SetFile.h>
#include <core/Utf8Path.h>

namespace kvl::cli {

namespace {

constexpr const char* kDefaultName = "{index}.set";

struct ExportArguments {
  std::string report;
  std::string pass;
  std::string output;
  std::string setTemplate;
  bool force = false;
  // The export of many passes.
  std::string top;
  std::string folder;
  std::string name = kDefaultName;
  SelectionArguments selection;
};

struct ExportOptions {
  CLI::Option* pass;
  CLI::Option* output;
  CLI::Option* setTemplate;
  CLI::Option* top;
  CLI::Option* folder;
  // The options that only the export of many passes takes.
  std::vector<CLI::Option*> batchOnly;
};

// The pass numbered `text`: decimal digits naming one of the report's passes 1 to count, of
// which there is at least one.
std::size_t PassOfArgument(std::string_view text, std::size_t count) {
  std::size_t number = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (!text.empty() && error == std::errc() && stop == end && number >= 1 && number <= count) {
    return number;
  }
  throw core::Exception(Tr("Pass \"{1}\" does not exist: the report holds passes 1 to {2}",
                           {text, std::to_string(count)}));
}

// Which of the two forms was called; raises UsageError for a mix of both or neither.
bool IsBatch(const ExportOptions& options) {
  if (options.pass->count() > 0) {
    for (const CLI::Option* option : options.batchOnly) {
      if (option->count() > 0) {
        throw UsageError(
            Tr("{1} exports many passes; it does not go with PASS", {option->get_name()}));
      }
    }
    if (options.output->count() == 0) throw UsageError(Tr("missing -o FILE"));
    return false;
  }
  if (options.output->count() > 0) throw UsageError(Tr("missing PASS"));
  if (options.top->count() == 0) throw UsageError(Tr("missing PASS -o FILE, or --top N --dir DIR"));
  if (options.folder->count() == 0) throw UsageError(Tr("missing --dir DIR"));
  return true;
}

std::optional<SetFileTemplate> SetTemplate(const ExportArguments& args,
                                           const ExportOptions& options) {
  if (options.setTemplate->count() == 0) return std::nullopt;
  return ReadSetFileTemplate(args.setTemplate);
}

void ExportOnePass(const ExportArguments& args, const std::optional<SetFileTemplate>& setTemplate,
                   std::ostream& out) {
  const bool toFile = !NamesStandardOutput(args.output);
  if (toFile && !args.force) {
    const std::filesystem::path file = core::PathFromUtf8(args.output);
    RefuseReplacingFiles({&file, 1}, setTemplate);
  }
  core::PassTable table;
  const std::size_t count = LoadReportPasses(args.report, table);
  const std::size_t pass = PassOfArgument(args.pass, count);
  // The pass numbered n stays in slot n-1.
  const std::string text = PassSetFileText(table[pass - 1].Params, setTemplate);
  if (toFile) {
    core::WriteSetFile(args.output, text);
  } else {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
  }
}

void RunExport(const ExportArguments& args, const ExportOptions& options, std::ostream& out,
               std::ostream& err) {
  if (!IsBatch(options)) {
    ExportOnePass(args, SetTemplate(args, options), out);
    return;
  }
  PassSelection selection = ReadSelection(args.selection);
  selection.limit = PassCount("--top", args.top, 1);
  BatchExport batch{core::PathFromUtf8(args.folder), FileNameTemplate(args.name), args.force,
                    std::nullopt};
  // Read after the arguments are known to be right and before the report, so that a template
  // that cannot be read stops the export before anything is written.
  batch.setTemplate = SetTemplate(args, options);
  const ChosenPasses chosen(args.report, {args.selection.robust}, std::move(selection), err);
  ExportSetFiles(chosen.Table(), chosen.Slots(), batch, out);
}

const char* Footer() {
  return Tr(
      "The first form writes the parameters of pass number PASS (1 for the report's first\n"
      "pass, as \"list\" numbers them) to the set file FILE. It takes the pass's parameter\n"
      "text as \"list --params\" shows it, turns every \";\" and the character after it into a\n"
      "line break, CR LF, and leaves out the last line, which holds the rest of the report\n"
      "cell. For a report's usual \"name=value; \" texts that is one name=value line per\n"
      "parameter, each ending in CR LF, in Windows-1251. The window's export of the pass\n"
      "unedited writes the same, except where its panel wraps that last line: the window\n"
      "then leaves out only the line's last displayed part.\n"
      "FILE is written under the name given; -o - writes the set file to standard output.\n"
      "\n"
      "The second form writes one set file per pass for the first N passes of the order that\n"
      "--sort, --order and --where give, as list gives it, into DIR, which is created when\n"
      "missing.\n"
      "Each file's name comes from TEMPLATE, where {COLUMN} stands for the pass's cell in a\n"
      "column named as in tsv, for example \"{index}_pf{profit-factor}.set\"; characters that\n"
      "are not safe in a file name become \"_\". So that the files copy to Windows as they\n"
      "are, on every system the dots and blanks at a name's end are dropped, and a device name\n"
      "that Windows reserves (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, in any case,\n"
      "alone or before a dot) gets a \"_\" after it: \"nul.set\" becomes \"nul_.set\". A name\n"
      "longer than 255 bytes, or two passes of one name, stop the export before anything is\n"
      "written. A failure names the file and stops; the files written before it stay whole.\n"
      "Each file written is named on standard output.\n"
      "\n"
      "Neither form replaces a file that exists without --force, the template itself included,\n"
      "and the second checks every name before it writes anything. A device or a pipe is\n"
      "written into, not replaced.\n"
      "\n"
      "With --template, the pass's values go into a copy of the user's set file (Windows-1251,\n"
      "any line breaks): each name=value line whose name, blanks around it aside, the pass\n"
      "carries gets the pass's value, its blanks kept (\"  Lots = 0.1\" becomes \"  Lots = "
      "0.2\");\n"
      "every other line (the name,F= name,1= name,2= name,3= lines, comments, string inputs)\n"
      "stays, in its place; the parameters the file lacks follow, in the pass's order.\n"
      "Every line ends in CR LF. A template that cannot be read, or is no set file (it holds a\n"
      "NUL byte, or no name=value line with an input's name, as a report), stops the export\n"
      "before anything is written.\n");
}

}  // namespace

ToolCommand AddExportCommand(CLI::App& tool) {
  auto args = std::make_shared<ExportArguments>();
  auto options = std::make_shared<ExportOptions>();
  CLI::App* command =
      tool.add_subcommand("export", Tr("write the set file of pass PASS, or of the best N passes"));
  UseHelpLayout(*command,
                "REPORT PASS -o FILE [--force] [--template FILE.set]\n"
                "REPORT --top N --dir DIR [--name TEMPLATE] [--force] [--template FILE.set]\n"
                "    [--sort COLUMN:desc|asc]... [--order KEY[:asc|:desc],...]\n"
                "    [--where \"COLUMN OP NUMBER\"]... [--skip-bad] [--robust COLUMN]");
  command->footer(std::string(Footer()) + '\n' + SelectionHelp());
  command->add_option("REPORT", args->report, Tr("the MT4 optimization report (.htm)"))
      ->required()
      ->type_name("");
  options->pass = command->add_option("PASS", args->pass, Tr("the number of the pass to export"))
                      ->type_name("");
  options->output = command
                        ->add_option("-o", args->output,
                                     Tr("the set file to write; - writes it to standard output"))
                        ->type_name("FILE");
  options->setTemplate = command
                             ->add_option("--template", args->setTemplate,
                                          Tr("the user's set file to put the values into"))
                             ->type_name("FILE.set");
  options->top =
      command->add_option("--top", args->top, Tr("export the first N passes"))->type_name("N");
  options->folder = command->add_option("--dir", args->folder, Tr("the folder to write them to"))
                        ->type_name("DIR");
  options->batchOnly = {
      options->top, options->folder,
      command->add_option("--name", args->name, Tr("their file names (default {index}.set)"))
          ->type_name("TEMPLATE")};
  command->add_flag("--force", args->force, Tr("replace files that exist"));
  AddSelectionOptions(*command, args->selection);
  for (const char* name : {"--sort", "--order", "--where", "--skip-bad", "--robust"}) {
    options->batchOnly.push_back(command->get_option(name));
  }
  return {command, [args, options](std::ostream& out, std::ostream& err) {
            RunExport(*args, *options, out, err);
            return 0;
          }};
}

}  // namespace kvl::cli
