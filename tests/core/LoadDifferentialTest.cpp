// The loader against a plain one written in the most direct way: split the decoded text into
// lines, find the header, cut every later line with ParseReportRow. Both must give the same
// passes on awkward reports in every encoding and line-break form.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <core/CodePage.h>
#include <core/ReportLoader.h>

#include "GeneratedPasses.h"
#include "PassFields.h"
#include "ReferenceHeader.h"
#include "ReferenceParser.h"
#include "ReportGenerator.h"
#include "ReportLines.h"
#include "TestFiles.h"

using namespace kvl::core;

namespace {

using Passes = std::vector<std::vector<std::string>>;

const std::string kMarker = "align=right><td>\xCF\xF0\xEE\xF5\xEE\xE4<";
// Results headers that the loader knows by the Russian caption, by the English one, and by the
// row's structure alone, in German in Windows-1252; and a caption row one cell short.
const std::string kHeaders[] = {
    "<tr bgcolor=\"#C0C0C0\" " + kMarker + "/td><td>X</td></tr>",
    "<tr bgcolor=\"#C0C0C0\" align=right><td>Pass</td><td>Profit</td><td>Total trades</td>"
    "<td>Profit factor</td><td>Expected Payoff</td><td>Drawdown $</td><td>Drawdown %</td></tr>",
    "<tr bgcolor=\"#C0C0C0\" align=right><td>Durchlauf</td><td>Gewinn</td><td>Trades</td>"
    "<td>Profitfaktor</td><td>Erwartung</td><td>R\xFC"
    "ckgang $</td><td>R\xFC"
    "ckgang %</td></tr>",
    "<tr align=right><td>a</td><td>b</td><td>c</td><td>d</td><td>e</td><td>f</td></tr>"};

std::u16string Decoded(std::string_view ansiLine) {
  return AnsiToUtf16(ansiLine);
}

std::u16string Decoded(std::u16string_view line) {
  return std::u16string(line);
}

template <class CharT, class ToAnsi>
Passes PlainPasses(std::basic_string_view<CharT> text, ToAnsi toAnsi) {
  const auto lines = SplitReportLines(text);
  std::vector<std::u16string> decoded;
  for (const auto line : lines) decoded.push_back(Decoded(line));
  Passes passes;
  const std::optional<ReferenceHeader> header = FindReferenceHeader(decoded);
  if (!header) return passes;
  for (std::size_t k = header->line + 1; k < lines.size(); ++k) {
    if (k + 1 < lines.size() && CarriesMarker(decoded[k], header->marker)) continue;
    const std::string line = toAnsi(lines[k]);
    PassRecord row = ParseReportRow(line);
    if (row.Profit.empty()) continue;
    const std::string index = std::to_string(passes.size() + 1);
    row.Index = index;
    passes.push_back(AllFields(row));
  }
  return passes;
}

std::u16string DecodeUtf16(std::string_view bytes, bool littleEndian) {
  std::u16string text;
  for (std::size_t k = 0; k + 1 < bytes.size(); k += 2) {
    const auto first = static_cast<unsigned char>(bytes[k]);
    const auto second = static_cast<unsigned char>(bytes[k + 1]);
    text.push_back(static_cast<char16_t>(littleEndian ? first | second << 8 : first << 8 | second));
  }
  if (bytes.size() % 2 != 0) text.push_back(u'\uFFFD');
  return text;
}

Passes PlainPassesOfFile(const std::string& bytes) {
  const std::string_view view(bytes);
  std::u16string text;
  if (view.starts_with("\xEF\xBB\xBF")) {
    text = Utf8ToUtf16(view.substr(3));
  } else if (view.starts_with("\xFF\xFE") || view.starts_with("\xFE\xFF")) {
    text = DecodeUtf16(view.substr(2), view[0] == '\xFF');
  } else {
    return PlainPasses(view, [](std::string_view line) { return std::string(line); });
  }
  return PlainPasses(std::u16string_view(text),
                     [](std::u16string_view line) { return Utf16ToAnsi(line); });
}

Passes LoadedPasses(const std::string& path) {
  PassTable table;
  const int n = LoadReport(path, table);
  Passes passes;
  for (int s = 0; s < n; ++s) passes.push_back(AllFields(table[static_cast<std::size_t>(s)]));
  return passes;
}

int Chance(std::mt19937& rng, int percent) {
  return static_cast<int>(rng() % 100) < percent;
}

// One line of an awkward report, in Windows-1251.
std::string AwkwardLine(std::mt19937& rng, const std::vector<GeneratedPass>& passes,
                        const std::string& header) {
  const GeneratedPass& pass = passes[rng() % passes.size()];
  std::string row = ReportRow(pass, rng() % 2);
  row.resize(row.size() - 2);  // its CR LF
  switch (rng() % 12) {
    case 0:
      return Chance(rng, 50) ? header : kHeaders[rng() % std::size(kHeaders)];
    case 1:
      return kMarker + "<td>at the start of the line</td>";
    case 2: {
      // A row without one of its markers or separators.
      static const char* const kMarkers[] = {"<td title=", "<td class=mspt>", "</td><td>",
                                             "</td><td class=mspt>", "</td>"};
      const std::string marker = kMarkers[rng() % std::size(kMarkers)];
      const std::size_t at = row.find(marker, rng() % row.size());
      if (at != std::string::npos) row.erase(at, marker.size());
      return row;
    }
    case 3:
      return rng() % 2 == 0 ? "" : "</table>";
    case 4: {
      std::string noise;
      const std::string bytes = "<>/td class=mspt title\"\xCF\xF0\xEE\xF5\xE4 0123456789.;";
      for (std::size_t k = rng() % 80; k > 0; --k) noise += bytes[rng() % bytes.size()];
      return noise;
    }
    case 5:
      return "<tr align=right><td>" + pass.number + "</td><td class=mspt></td><td></td>" +
             "<td class=mspt></td><td class=mspt></td><td class=mspt></td><td class=mspt></td>";
    case 6:
      return row + header;
    default:
      return row;
  }
}

// The Windows-1251 text of a report: lines in every form the loader must cope with.
std::string AwkwardReport(std::mt19937& rng, const std::vector<GeneratedPass>& passes) {
  const std::string& header = kHeaders[rng() % 3];
  std::vector<std::string> lines;
  for (std::size_t k = rng() % 30; k > 0; --k) lines.push_back(AwkwardLine(rng, passes, header));
  if (Chance(rng, 80)) lines.insert(lines.begin() + rng() % (lines.size() + 1), header);
  if (Chance(rng, 10)) lines.push_back(header);
  if (Chance(rng, 10) && !lines.empty()) {
    std::string& line = lines[rng() % lines.size()];
    line.insert(std::min<std::size_t>(30, line.size()), std::string(300000, 'T'));
  }
  static const char* const kBreaks[] = {"\r\n", "\n", "\r", "\n\r"};
  const int form = static_cast<int>(rng() % 4);  // CR LF, LF, CR or mixed
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += kBreaks[form == 3 ? rng() % 4 : static_cast<std::size_t>(form)];
  }
  if (Chance(rng, 40) && !text.empty()) text.pop_back();
  if (Chance(rng, 15)) text.insert(rng() % (text.size() + 1), 1, '\0');
  return text;
}

// The report's text with a byte-order mark, and some characters that Windows-1251 lacks.
std::string Encoded(const std::string& ansi, int encoding, std::mt19937& rng) {
  if (encoding == 0) return ansi;
  std::u16string text = AnsiToUtf16(ansi);
  static const std::u16string kForeign[] = {u"\u4E2D", u"\U0001F600", std::u16string(1, u'\xD800'),
                                            u"\uFF41lign=right><td>\u041F\u0440\u043E\u0445"
                                            u"\u043E\u0434<"};
  for (int k = Chance(rng, 40) ? 3 : 0; k > 0; --k) {
    text.insert(rng() % (text.size() + 1), kForeign[rng() % std::size(kForeign)]);
  }
  if (encoding == 1) {
    std::string utf8 = std::string("\xEF\xBB\xBF").append(Utf16ToUtf8(text));
    if (Chance(rng, 20)) utf8.insert(3 + rng() % (utf8.size() - 2), 1, '\xFF');
    return utf8;
  }
  const bool little = encoding == 2;
  std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
  for (const char16_t unit : text) {
    const auto low = static_cast<char>(unit & 0xFF);
    const auto high = static_cast<char>(unit >> 8);
    bytes += little ? std::string{low, high} : std::string{high, low};
  }
  if (Chance(rng, 10)) bytes.push_back('x');
  return bytes;
}

TEST(LoadDifferential, AwkwardReportsGiveThePlainLoadersPasses) {
  const std::vector<GeneratedPass> passes = GeneratePasses(50, 3);
  const TempDir dir;
  std::mt19937 rng(17);
  const char* const kEncodings[] = {"ANSI", "UTF-8", "UTF-16 LE", "UTF-16 BE"};
  int stored = 0;
  for (int round = 0; round < 480; ++round) {
    const int encoding = round % 4;
    const std::string bytes = Encoded(AwkwardReport(rng, passes), encoding, rng);
    const Passes expected = PlainPassesOfFile(bytes);
    ASSERT_EQ(LoadedPasses(dir.Write("report.htm", bytes)), expected)
        << kEncodings[encoding] << " report " << round << ": "
        << testing::PrintToString(bytes.substr(0, 300));
    stored += static_cast<int>(expected.size());
  }
  EXPECT_GT(stored, 2000) << "the reports should hold many passes";
}

TEST(LoadDifferential, FixturesGiveThePlainLoadersPasses) {
  for (const std::string& path :
       {DataPath("report-cp1251.htm"), DataPath("report-utf8-bom.htm"),
        DataPath("report-utf16le-bom.htm"), DataPath("../../examples/sample-report.htm")}) {
    const Passes expected = PlainPassesOfFile(ReadBytes(path));
    EXPECT_FALSE(expected.empty()) << path;
    EXPECT_EQ(LoadedPasses(path), expected) << path;
  }
}

}  // namespace
