#include "CheckCommand.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <cli/HelpFormatter.h>
#include <cli/check/CheckJson.h>
#include <cli/check/EncodingName.h>
#include <cli/check/HeaderDescription.h>
#include <cli/check/ReportCheck.h>
#include <cli/formats/ListFormats.h>
#include <cli/translation/Translation.h>
#include <core/CodePage.h>

#include "FindingsFormat.h"

namespace kvl::cli {

namespace {

constexpr std::string_view kReportCodePage = "Windows-1251";

std::string EncodingText(core::ReportFile::Encoding encoding) {
  const std::string name = EncodingName(encoding);
  return encoding == core::ReportFile::Encoding::Ansi ? Tr("{1}, no byte-order mark", {name})
                                                      : Tr("{1}, with a byte-order mark", {name});
}

// An editor that saved the report again wrote it in UTF-8 without a mark, which reads as the ANSI
// code page.
void WriteUtf8WithoutMark(std::ostream& out, const ReportCheck& check) {
  if (!check.utf8WithoutMark) return;
  out << Tr("Text: looks like UTF-8 without a byte-order mark, not {1}, so its Cyrillic texts "
            "come out wrong; save the report again as UTF-8 with a byte-order mark or in {2}, or "
            "export it again from the terminal",
            {core::AnsiCodePageName(), kReportCodePage})
      << '\n';
}

// A system whose ANSI code page is not the reports' still reads them in its own: the header's
// word and the texts of a report with a byte-order mark then come out as other letters.
void WriteCodePage(std::ostream& out) {
  const std::string codePage = core::AnsiCodePageName();
  if (codePage != kReportCodePage) {
    out << Tr("Code page: {1}, the system's, not the reports' {2}", {codePage, kReportCodePage})
        << '\n';
  }
}

// How many items there are and the first kMostShown of `items`, each written by `write`, and how
// many more there are: "12 lines: 46, 53, ..., 70 and 2 more", or "none". `counted` makes the
// whole text of the count, its number written, and the items, in the form the count takes.
template <class Item, class Counted, class Write>
std::string CountedText(std::size_t count, const std::vector<Item>& items, Counted counted,
                        Write write) {
  // TRANSLATORS: No item of a kind that check counts: lines, gaps, pass numbers, cells.
  if (count == 0) return Tr("none");
  std::ostringstream list;
  const std::size_t shown = std::min({count, items.size(), kMostShown});
  for (std::size_t k = 0; k < shown; ++k) {
    if (k) list << ", ";
    write(list, items[k]);
  }
  std::string text = list.str();
  // TRANSLATORS: The first items of a list, and how many more it has: "43, 44, 45 and 5 more".
  if (count > shown) text = Tr("{1} and {2} more", {text, std::to_string(count - shown)});
  return counted(count, std::to_string(count), text);
}

void WriteNumber(std::ostream& out, std::size_t number) {
  out << number;
}

std::string LinesText(const std::vector<std::size_t>& lines) {
  return CountedText(
      lines.size(), lines,
      [](std::size_t count, std::string_view number, std::string_view list) {
        return TrCount("{1} line: {2}", "{1} lines: {2}", count, {number, list});
      },
      WriteNumber);
}

std::string SpanText(const PassNumbers& numbers) {
  if (!numbers.span) return Tr("Pass numbers: none");
  return Tr("Pass numbers: {1} to {2}",
            {std::to_string(numbers.span->first), std::to_string(numbers.span->last)});
}

std::string MissingText(const PassNumbers& numbers) {
  if (numbers.gaps.empty()) return Tr("none");
  const std::string gaps = CountedText(
      numbers.gaps.size(), numbers.gaps,
      [](std::size_t count, std::string_view number, std::string_view list) {
        // TRANSLATORS: The end of "{1} numbers in {2}": the gaps between the report's pass
        // numbers, then their ranges.
        return TrCount("{1} gap: {2}", "{1} gaps: {2}", count, {number, list});
      },
      [](std::ostream& out, const PassNumbers::Range& gap) {
        out << gap.first;
        if (gap.last != gap.first) out << '-' << gap.last;
      });
  // TRANSLATORS: How many pass numbers the report lacks, and in how many gaps: "2 numbers in 1
  // gap: 3-4".
  return TrCount("{1} number in {2}", "{1} numbers in {2}",
                 static_cast<std::size_t>(numbers.missing),
                 {std::to_string(numbers.missing), gaps});
}

std::string RepeatsText(const PassNumbers& numbers) {
  return CountedText(
      numbers.repeats.size(), numbers.repeats,
      [](std::size_t count, std::string_view number, std::string_view list) {
        return TrCount("{1} number: {2}", "{1} numbers: {2}", count, {number, list});
      },
      [](std::ostream& out, const PassNumbers::Repeat& repeat) {
        // TRANSLATORS: A pass number that several rows of the report carry.
        out << TrCount("{1} in {2} row", "{1} in {2} rows", repeat.times,
                       {std::to_string(repeat.number), std::to_string(repeat.times)});
      });
}

std::string NotNumbersText(const PassNumbers& numbers) {
  return CountedText(
      numbers.notNumbers.size(), numbers.notNumbers,
      [](std::size_t count, std::string_view number, std::string_view list) {
        return TrCount("{1} pass: {2}", "{1} passes: {2}", count, {number, list});
      },
      WriteNumber);
}

void WritePassNumbers(std::ostream& out, const PassNumbers& numbers) {
  out << SpanText(numbers) << '\n';
  out << Tr("  missing: {1}", {MissingText(numbers)}) << '\n';
  out << Tr("  repeated: {1}", {RepeatsText(numbers)}) << '\n';
  out << Tr("  not numbers: {1}", {NotNumbersText(numbers)}) << '\n';
}

// Each cell's text escaped as in tsv, so that the line stays one.
std::string RefusalsText(const ReportCheck::Refusals& refusals) {
  return CountedText(
      refusals.count, refusals.first,
      [](std::size_t count, std::string_view number, std::string_view list) {
        return TrCount("{1} cell: {2}", "{1} cells: {2}", count, {number, list});
      },
      [](std::ostream& out, const ReportCheck::Refusal& refusal) {
        // TRANSLATORS: A cell that the sort cannot read: its pass, and its text.
        out << Tr("pass {1} '{2}'", {std::to_string(refusal.pass), EscapeField(refusal.text)});
      });
}

void WriteRefusals(std::ostream& out, const ReportCheck& check) {
  out << Tr("Cells the sort would refuse:") << '\n';
  for (std::size_t id = 1; id < core::kResultColumns.size(); ++id) {
    out << "  " << core::kResultColumns[id].name << ": " << RefusalsText(check.refusals[id])
        << '\n';
  }
}

void WriteCheckText(std::ostream& out, const ReportCheck& check) {
  out << Tr("Encoding: {1}", {EncodingText(check.encoding)}) << '\n';
  WriteUtf8WithoutMark(out, check);
  WriteCodePage(out);
  out << Tr("Results header: {1}",
            {check.header ? HeaderDescription(*check.header) : Tr("not found")})
      << '\n';
  out << Tr("Passes: {1}", {std::to_string(check.passes)}) << '\n';
  out << Tr("Skipped lines after the header: {1}", {LinesText(check.skippedLines)}) << '\n';
  out << Tr("Stored lines that do not look like data rows: {1}", {LinesText(check.oddStoredLines)})
      << '\n';
  WritePassNumbers(out, check.numbers);
  WriteRefusals(out, check);
  out << (check.Clean() ? Tr("The report is clean.") : Tr("The report is not clean.")) << '\n';
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
  CLI::App* command = tool.add_subcommand("check", Tr("tell whether REPORT can be trusted"));
  UseHelpLayout(*command, "REPORT [--format text|json]");
  command->footer(Tr(
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
      "cell converts and no pass number is missing, and with 1 otherwise."));
  command->add_option("REPORT", args->report, Tr("the MT4 optimization report (.htm)"))
      ->required()
      ->type_name("");
  AddFindingsFormat(*command, args->format);
  return {command, [args](std::ostream& out, std::ostream&) { return RunCheck(*args, out); }};
}

}  // namespace kvl::cli
