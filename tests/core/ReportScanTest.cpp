// The one-pass scanners of the loader against the plain operations they stand for, on texts made
// of the pieces that matter to them.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include <core/CodePage.h>
#include <core/ReportLineScan.h>
#include <core/ReportRowScan.h>
#include <core/resultsheader/ResultsHeader.h>

#include "PassFields.h"
#include "ReferenceParser.h"
#include "ReportLines.h"

using namespace kvl::core;

namespace {

// First captions of header markers: the Russian one, the English one, and one whose first byte
// recurs in the marker's start, which the byte search looks for.
const std::string kCaptions[] = {"\xCF\xF0\xEE\xF5\xEE\xE4", "Pass", "ta<"};

std::string MarkerOf(const std::string& caption) {
  return "align=right><td>" + caption + "<";
}

std::string Assemble(const std::vector<std::string>& pieces, int count, std::mt19937& rng) {
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::string text;
  for (int k = 0; k < count; ++k) text += pieces[pick(rng)];
  return text;
}

template <class CharT>
std::vector<std::pair<std::basic_string_view<CharT>, bool>> ScannedLines(
    std::basic_string_view<CharT> text) {
  std::vector<std::pair<std::basic_string_view<CharT>, bool>> lines;
  ForEachReportLine(
      text, [&](std::basic_string_view<CharT> line, bool last) { lines.emplace_back(line, last); });
  return lines;
}

template <class CharT>
std::vector<std::pair<std::basic_string_view<CharT>, bool>> SplitLines(
    std::basic_string_view<CharT> text) {
  std::vector<std::pair<std::basic_string_view<CharT>, bool>> lines;
  for (const auto line : SplitReportLines(text)) lines.emplace_back(line, false);
  if (!lines.empty()) lines.back().second = true;
  return lines;
}

TEST(ReportScan, LinesAreTheSplittersLinesWithTheLastOneMarked) {
  // Long runs between breaks take the sixteen-byte steps, short ones the byte steps.
  const std::vector<std::string> pieces = {
      "\r", "\n", "\r\n", std::string(1, '\0'), "a", "0123456789abcdefghijklmnopq\xCF\xFF", "\n\r"};
  std::mt19937 rng(11);
  for (int round = 0; round < 20000; ++round) {
    const std::string text = Assemble(pieces, round % 40, rng);
    ASSERT_EQ(ScannedLines(std::string_view(text)), SplitLines(std::string_view(text)))
        << testing::PrintToString(text);
    const std::u16string wide = AnsiToUtf16(text);
    ASSERT_EQ(ScannedLines(std::u16string_view(wide)), SplitLines(std::u16string_view(wide)))
        << testing::PrintToString(text);
  }
}

// A data row as a list of pieces, so that it can be cut up.
std::vector<std::string> RowPieces() {
  std::vector<std::string> row = {"<tr align=right>",     "<td title=", "\"A=1; B=2; \">", "3",
                                  "</td><td class=mspt>", "150.00",     "</td><td>",       "12"};
  for (const char* cell : {"1.50", "12.50", "40.00", "2.10"}) {
    row.insert(row.end(), {"</td><td class=mspt>", cell});
  }
  row.insert(row.end(), {"</td>", "</tr>"});
  return row;
}

TEST(ReportScan, RowsAndHeadersAreWhatTheirPlainSearchesGive) {
  // Markers whole and cut short, the header marker and its anchor byte, and the texts between.
  const std::vector<std::string> pieces = {"<td title=",
                                           "</td>",
                                           "<td class=mspt>",
                                           "</td><td>",
                                           "</td><td class=mspt>",
                                           "<td title",
                                           "</td",
                                           "<td class=msp",
                                           "<td>",
                                           "<",
                                           ">",
                                           "\"",
                                           "12.50",
                                           "A=1; ",
                                           "x",
                                           "\xCF",
                                           "\xCF\xF0",
                                           MarkerOf(kCaptions[0]),
                                           MarkerOf(kCaptions[1]),
                                           MarkerOf(kCaptions[2]),
                                           "Pass<",
                                           "align=right><td>",
                                           "<tr align=right>"};
  std::mt19937 rng(2024);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  for (int round = 0; round < 100000; ++round) {
    // Half the lines are pieces at random, half are data rows with a few pieces removed, added
    // or repeated.
    std::vector<std::string> parts;
    if (round % 2 == 0) {
      for (int k = 0; k < round % 24; ++k) parts.push_back(pieces[pick(rng)]);
    } else {
      parts = RowPieces();
      for (int edit = 0; edit < round % 4; ++edit) {
        const auto at = static_cast<std::ptrdiff_t>(rng() % (parts.size() + 1));
        switch (rng() % 3) {
          case 0:
            if (at < static_cast<std::ptrdiff_t>(parts.size())) parts.erase(parts.begin() + at);
            break;
          case 1:
            parts.insert(parts.begin() + at, pieces[pick(rng)]);
            break;
          default:
            parts.insert(parts.begin() + at, parts[rng() % parts.size()]);
        }
      }
    }
    std::string line;
    for (const std::string& part : parts) line += part;

    ASSERT_EQ(AllFields(ScanReportRow(line)), AllFields(ParseReportRow(line)))
        << testing::PrintToString(line);
    for (const std::string& caption : kCaptions) {
      const std::size_t marker = line.find(MarkerOf(caption));
      const bool header = marker != std::string::npos && marker > 0;
      ASSERT_EQ(HeaderMarker<char>(caption).OnLine(line), header) << testing::PrintToString(line);
      ASSERT_EQ(HeaderMarker<char16_t>(AnsiToUtf16(caption)).OnLine(AnsiToUtf16(line)), header)
          << testing::PrintToString(line);
    }
  }
}

}  // namespace
