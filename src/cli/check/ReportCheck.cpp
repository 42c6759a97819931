#include "check/ReportCheck.h"

#include <algorithm>
#include <string_view>

#include "CellKey.h"
#include "CodePage.h"
#include "Exceptions.h"
#include "Parser.h"
#include "ReportHeader.h"
#include "ReportLines.h"

namespace {

// A results row as MT4 writes it: "<tr ...><td title=...>N</td>" and six more cells, "</tr>".
bool LooksLikeDataRow(std::string_view line) {
  const std::size_t start = line.find_first_not_of(" \t");
  const std::size_t end = line.find_last_not_of(" \t");
  if (start == std::string_view::npos) return false;
  line = line.substr(start, end - start + 1);
  std::size_t cells = 0;
  for (std::size_t at = line.find("</td>"); at != std::string_view::npos;
       at = line.find("</td>", at + 1)) {
    ++cells;
  }
  return line.starts_with("<tr") && line.ends_with("</tr>") &&
         line.find("<td title=") != std::string_view::npos && cells == kResultColumns.size();
}

void CheckCells(const CItem_OPT& row, std::size_t pass, ReportCheck& check) {
  for (std::size_t id = 1; id < kResultColumns.size(); ++id) {
    const ResultColumn& column = kResultColumns[id];
    const std::string_view cell = row.*column.field;
    try {
      static_cast<void>(CellKey(column, cell));
    } catch (const EConvertError&) {
      ReportCheck::Refusals& refusals = check.refusals[id];
      if (refusals.count++ == 0) {
        refusals.firstPass = pass;
        refusals.firstText = AnsiToUtf8(cell);
      }
    }
  }
}

// The loader's scan: every line after the first header line but further header lines is parsed,
// and the last line is never taken for a header.
template <class CharT, class ToAnsi>
void ScanLines(const std::vector<std::basic_string_view<CharT>>& lines, ToAnsi toAnsi,
               ReportCheck& check) {
  if (lines.size() < 2) return;
  const std::size_t scanned = lines.size() - 1;
  std::size_t header = 0;
  while (header < scanned && !IsHeaderLine(lines[header])) ++header;
  if (header == scanned) return;
  check.headerLine = header + 1;

  std::vector<std::string> firstCells;
  for (std::size_t k = header + 1; k < lines.size(); ++k) {
    if (k < scanned && IsHeaderLine(lines[k])) {
      check.skippedLines.push_back(k + 1);
      continue;
    }
    const std::string line(toAnsi(lines[k]));
    const CItem_OPT row = ParseReportRow(line);
    if (std::string_view(row.Profit).empty()) {
      check.skippedLines.push_back(k + 1);
      continue;
    }
    ++check.passes;
    if (!LooksLikeDataRow(line)) check.oddStoredLines.push_back(k + 1);
    firstCells.emplace_back(FirstCellText(line));
    CheckCells(row, check.passes, check);
  }
  check.numbers = CheckPassNumbers({firstCells.begin(), firstCells.end()});
}

}  // namespace

bool ReportCheck::Clean() const {
  return headerLine && numbers.gaps.empty() && numbers.notNumbers.empty() &&
         std::ranges::all_of(refusals, [](const Refusals& r) { return r.count == 0; });
}

ReportCheck CheckReport(const std::string& path) {
  ReportCheck check;
  const ReportFile file = ReadReportFile(path);
  check.encoding = file.encoding;
  if (file.encoding == ReportFile::Encoding::Ansi) {
    const auto lines = SplitReportLines(std::string_view(file.body));
    ScanLines(
        lines, [](std::string_view line) { return line; }, check);
  } else {
    const std::u16string text = DecodeUnicodeBody(file);
    const auto lines = SplitReportLines(std::u16string_view(text));
    ScanLines(
        lines, [](std::u16string_view line) { return Utf16ToAnsi(line); }, check);
  }
  return check;
}
