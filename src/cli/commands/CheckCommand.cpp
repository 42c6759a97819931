#include "CheckCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include <cli/HelpFormatter.h>
#include <cli/check/HeaderDescription.h>
#include <cli/check/ReportCheck.h>
#include <core/CodePage.h>

namespace kvl::cli {

namespace {

constexpr std::size_t kMostShown = 10;

constexpr std::string_view kReportCodePage = "Windows-1251";

std::string EncodingName(core::ReportFile::Encoding encoding) {
  switch (encoding) {
    case core::ReportFile::Encoding::Utf8:
      return "UTF-8, with a byte-order mark";
    case core::ReportFile::Encoding::Utf16LE:
      return "UTF-16 little-endian, with a byte-order mark";
    case core::ReportFile::Encoding::Utf16BE:
      return "UTF-16 big-endian, with a byte-order mark";
    case core::ReportFile::Encoding::Ansi:
      break;
  }
  return core::AnsiCodePageName() + ", no byte-order mark";
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

// At most kMostShown of the items, each written by `write`, separated by commas.
template <class Item, class Write>
void WriteItems(std::ostream& out, const std::vector<Item>& items, Write write) {
  for (std::size_t k = 0; k < items.size() && k < kMostShown; ++k) {
    if (k) out << ", ";
    write(items[k]);
  }
  if (items.size() > kMostShown) out << ", ...";
}

// "none", or how many items there are, then at most kMostShown of them: "2 lines: 46, 53".
template <class Item, class Write>
void WriteCounted(std::ostream& out, const std::vector<Item>& items, std::string_view one,
                  std::string_view many, Write write) {
  if (items.empty()) {
    out << "none\n";
    return;
  }
  out << items.size() << ' ' << (items.size() == 1 ? one : many) << ": ";
  WriteItems(out, items, write);
  out << '\n';
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

void WriteRefusals(std::ostream& out, const ReportCheck& check) {
  out << "Cells the sort would refuse:\n";
  for (std::size_t id = 1; id < core::kResultColumns.size(); ++id) {
    const ReportCheck::Refusals& refusals = check.refusals[id];
    out << "  " << core::kResultColumns[id].name << ": " << refusals.count;
    if (refusals.count > 0) {
      out << " (first: pass " << refusals.firstPass << ", '" << refusals.firstText << "')";
    }
    out << '\n';
  }
}

int RunCheck(const std::string& report, std::ostream& out) {
  const ReportCheck check = CheckReport(report);
  out << "Encoding: " << EncodingName(check.encoding) << '\n';
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
  return check.Clean() ? 0 : 1;
}

}  // namespace

ToolCommand AddCheckCommand(CLI::App& tool) {
  auto report = std::make_shared<std::string>();
  CLI::App* command = tool.add_subcommand("check", "tell whether REPORT can be trusted");
  UseHelpLayout(*command, "REPORT");
  command->footer(
      "Reads the optimization report REPORT as \"list\" does and tells what it found: the\n"
      "encoding (and the system's code page where that is not Windows-1251, the reports' own),\n"
      "whether a text without a byte-order mark is in fact UTF-8, as an editor saves a report,\n"
      "which reads as the code page with its Cyrillic texts wrong, the results header's line,\n"
      "how it was recognised (by its Russian or English captions, or by the table's structure)\n"
      "and its captions, the number of passes, the lines after the header that were skipped,\n"
      "the lines stored as passes that do not look like data rows, gaps and repeats in the\n"
      "report's own pass numbers (the first cell of each row), and per column the cells a sort\n"
      "would refuse. At most 10 of each are shown.\n"
      "Exits with 0 when a header was found, the text is not UTF-8 read as the code page, every\n"
      "cell converts and no pass number is missing, and with 1 otherwise.");
  command->add_option("REPORT", *report, "the MT4 optimization report (.htm)")
      ->required()
      ->type_name("");
  return {command, [report](std::ostream& out, std::ostream&) { return RunCheck(*report, out); }};
}

}  // namespace kvl::cli
