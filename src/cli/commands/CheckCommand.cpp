#include "CheckCommand.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>
#include <string>

#include <cli/HelpFormatter.h>
#include <cli/check/CheckJson.h>
#include <cli/check/EncodingName.h>
#include <cli/check/HeaderDescription.h>
#include <cli/check/ReportCheck.h>
#include <cli/formats/ListFormats.h>
#include <core/CodePage.h>

#include "FindingsFormat.h"

namespace kvl::cli {

namespace {

constexpr std::string_view kReportCodePage = "Windows-1251";

std::string EncodingText(core::ReportFile::Encoding encoding) {
  return EncodingName(encoding) + (encoding == core::ReportFile::Encoding::Ansi
                                       ? ", no byte-order mark"
                                       : ", with a byte-order mark");
}

// An editor that saved the report again wrote it in UTF-8 without a mark, which reads as the ANSI
// code page.
void WriteUtf8WithoutMark(std::ostream& out, const ReportCheck& check) {
  if (!check.utf8WithoutMark) return;
  out << "Text: looks like UTF-8 without a byte-order mark, not " << core::AnsiCodePageName()
      << ", so its Cyrillic texts come out wrong; save the report again as UTF-8 with a "
         "byte-order mark or in "
      << kReportCodePage << ", or export it again from the terminal\n";
}

// A system whose ANSI code page is not the reports' still reads them in its own: the header's
// word and the texts of a report with a byte-order mark then come out as other letters.
void WriteCodePage(std::ostream& out) {
  const std::string codePage = core::AnsiCodePageName();
  if (codePage != kReportCodePage) {
    out << "Code page: " << codePage << ", the system's, not the reports' " << kReportCodePage
        << '\n';
  }
}

// "none", or how many items there are, then the first kMostShown of `items`, each written by
// `write`, and how many more there are: "12 lines: 46, 53, ..., 70 and 2 more".
template <class Item, class Write>
void WriteCounted(std::ostream& out, std::size_t count, const std::vector<Item>& items,
                  std::string_view one, std::string_view many, Write write) {
  if (count == 0) {
    out << "none\n";
    return;
  }
  out << count << ' ' << (count == 1 ? one : many) << ": ";
  const std::size_t shown = std::min({count, items.size(), kMostShown});
  for (std::size_t k = 0; k < shown; ++k) {
    if (k) out << ", ";
    write(items[k]);
  }
  if (count > shown) out << " and " << count - shown << " more";
  out << '\n';
}

template <class Item, class Write>
void WriteCounted(std::ostream& out, const std::vector<Item>& items, std::string_view one,
                  std::string_view many, Write write) {
  WriteCounted(out, items.size(), items, one, many, write);
}

void WriteLines(std::ostream& out, const std::vector<std::size_t>& lines) {
  WriteCounted(out, lines, "line", "lines", [&out](std::size_t line) { out << line; });
}

void WritePassNumbers(std::ostream& out, const PassNumbers& numbers) {
  out << "Pass numbers: ";
  if (numbers.span) {
    out << numbers.span->first << " to " << numbers.span->last << '\n';
  } else {
    out << "none\n";
  }
  out << "  missing: ";
  if (numbers.gaps.empty()) {
    out << "none\n";
  } else {
    out << numbers.missing << (numbers.missing == 1 ? " number" : " numbers") << " in ";
    WriteCounted(out, numbers.gaps, "gap", "gaps", [&out](const PassNumbers::Range& gap) {
      out << gap.first;
      if (gap.last != gap.first) out << '-' << gap.last;
    });
  }
  out << "  repeated: ";
  WriteCounted(out, numbers.repeats, "number", "numbers",
               [&out](const PassNumbers::Repeat& repeat) {
                 out << repeat.number << " in " << repeat.times << " rows";
               });
  out << "  not numbers: ";
  WriteCounted(out, numbers.notNumbers, "pass", "passes",
               [&out](std::size_t pass) { out << pass; });
}

// Each cell's text escaped as in tsv, so that the line stays one.
void WriteRefusals(std::ostream& out, const ReportCheck& check) {
  out << "Cells the sort would refuse:\n";
  for (std::size_t id = 1; id < core::kResultColumns.size(); ++id) {
    const ReportCheck::Refusals& refusals = check.refusals[id];
    out << "  " << core::kResultColumns[id].name << ": ";
    WriteCounted(out, refusals.count, refusals.first, "cell", "cells",
                 [&out](const ReportCheck::Refusal& refusal) {
                   out << "pass " << refusal.pass << " '" << EscapeField(refusal.text) << '\'';
                 });
  }
}

void WriteCheckText(std::ostream& out, const ReportCheck& check) {
  out << "Encoding: " << EncodingText(check.encoding) << '\n';
  WriteUtf8WithoutMark(out, check);
  WriteCodePage(out);
  out << "Results header: " << (check.header ? HeaderDescription(*check.header) : "not found")
      << '\n';
  out << "Passes: " << check.passes << '\n';
  out << "Skipped lines after the header: ";
  WriteLines(out, check.skippedLines);
  out << "Stored lines that do not look like data rows: ";
  WriteLines(out, check.oddStoredLines);
  WritePassNumbers(out, check.numbers);
  WriteRefusals(out, check);
  out << (check.Clean() ? "The report is clean.\n" : "The report is not clean.\n");
}

struct CheckArguments {
  std::string report;
  std::string format;
};

int RunCheck(const CheckArguments& args, std::ostream& out) {
  const FindingsFormat format = FindingsFormatNamed(args.format);
  const ReportCheck check = CheckReport(args.report);
  if (format == FindingsFormat::kJson) {
    WriteCheckJson(out, check);
  } else {
    WriteCheckText(out, check);
  }
  return check.Clean() ? 0 : 1;
}

}  // namespace

ToolCommand AddCheckCommand(CLI::App& tool) {
  auto args = std::make_shared<CheckArguments>();
  CLI::App* command = tool.add_subcommand("check", "tell whether REPORT can be trusted");
  UseHelpLayout(*command, "REPORT [--format text|json]");
  command->footer(
      "Reads the optimization report REPORT as \"list\" does and tells what it found: the\n"
      "encoding (and the system's code page where that is not Windows-1251, the reports' own),\n"
      "whether a text without a byte-order mark is in fact UTF-8, as an editor saves a report,\n"
      "which reads as the code page with its Cyrillic texts wrong, the results header's line,\n"
      "how it was recognised (by its Russian or English captions, or by the table's structure)\n"
      "and its captions, the number of passes, the lines after the header that were skipped,\n"
      "the lines stored as passes that do not look like data rows, gaps and repeats in the\n"
      "report's own pass numbers (the first cell of each row), and per column the cells a sort\n"
      "would refuse, each by its pass and its text (escaped as tsv escapes it). The first 10 of\n"
      "each are shown, then how many more there are.\n"
      "--format json writes the same as one object: encoding, byteOrderMark, utf8WithoutMark,\n"
      "systemCodePage, header (line, foundBy, captions; null without one), passes, skippedLines,\n"
      "oddStoredLines, passNumbers (lowest, highest, missing, gaps, repeated, notNumbers),\n"
      "refusedCells (per column) and clean; each list as its count and its first 10 items.\n"
      "Exits with 0 when a header was found, the text is not UTF-8 read as the code page, every\n"
      "cell converts and no pass number is missing, and with 1 otherwise.");
  command->add_option("REPORT", args->report, "the MT4 optimization report (.htm)")
      ->required()
      ->type_name("");
  AddFindingsFormat(*command, args->format);
  return {command, [args](std::ostream& out, std::ostream&) { return RunCheck(*args, out); }};
}

}  // namespace kvl::cli
