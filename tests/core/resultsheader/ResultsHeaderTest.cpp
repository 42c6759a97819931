// Which line of a report is its results header, how it was recognised, and which lines after it
// become passes, for captions in every language.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include <core/CodePage.h>
#include <core/ReportLoader.h>

#include "ReportGenerator.h"
#include "TestFiles.h"

using namespace kvl::core;

namespace {

const std::string kRussian = ResultsHeaderLine();
const std::string kEnglish =
    "<tr bgcolor=\"#C0C0C0\" align=right><td>Pass</td><td>Profit</td><td>Total trades</td>"
    "<td>Profit factor</td><td>Expected Payoff</td><td>Drawdown $</td><td>Drawdown %</td></tr>";

// A caption row of the given captions, as a terminal in some other language writes it.
std::string CaptionRow(const std::vector<std::string>& captions) {
  std::string row = "<tr bgcolor=\"#C0C0C0\" align=right>";
  for (const std::string& caption : captions) row += "<td>" + caption + "</td>";
  return row + "</tr>";
}

const std::string kGerman =
    CaptionRow({"Durchlauf", "Gewinn", "Trades gesamt", "Profitfaktor", "Erwartetes Ergebnis",
                "R\xFC"
                "ckgang $",
                "R\xFC"
                "ckgang %"});

std::string Row(int pass, const std::string& profit = "1.00") {
  std::string row = ReportRowLine(
      {std::to_string(pass), "A=1; ", profit, "12", "1.50", "12.50", "40.00", "2.10"}, 0);
  row.resize(row.size() - 2);  // its CR LF
  return row;
}

// What a load made of a report: the header's line and language, and the first cells of the
// stored passes.
struct Reading {
  std::optional<std::size_t> headerLine;
  std::optional<HeaderLanguage> language;
  std::vector<std::string> passes;

  bool operator==(const Reading&) const = default;
};

void PrintTo(const Reading& reading, std::ostream* out) {
  *out << "header " << (reading.headerLine ? std::to_string(*reading.headerLine) : "none");
  if (reading.language) *out << " language " << static_cast<int>(*reading.language);
  *out << " passes " << testing::PrintToString(reading.passes);
}

class ReadingListener final : public ReportLineListener {
 public:
  void TextEncoding(ReportFile::Encoding) override {}
  void Header(std::size_t line, HeaderLanguage language, std::string_view) override {
    if (reading.headerLine) return;
    reading.headerLine = line;
    reading.language = language;
  }
  void Skipped(std::size_t) override {}
  void Stored(std::size_t, std::string_view text, const PassRecord&) override {
    const std::size_t end = text.find("</td>");
    const std::size_t start = text.rfind('>', end) + 1;
    reading.passes.emplace_back(text.substr(start, end - start));
  }

  Reading reading;
};

Reading Read(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  const TempDir dir;
  ReadingListener listener;
  PassTable table;
  LoadReport(dir.Write("report.htm", text), table, listener);
  return listener.reading;
}

Reading Found(std::size_t line, HeaderLanguage language, std::vector<std::string> passes) {
  return {line, language, std::move(passes)};
}

TEST(ResultsHeader, IsFoundByTheFirstCaptionOrByTheTablesStructure) {
  constexpr auto kRu = HeaderLanguage::kRussian;
  constexpr auto kEn = HeaderLanguage::kEnglish;
  constexpr auto kAny = HeaderLanguage::kByStructure;
  const std::string sixCells = CaptionRow({"a", "b", "c", "d", "e", "f"});
  const std::string eightCells = CaptionRow({"a", "b", "c", "d", "e", "f", "g", "h"});
  const std::string emptyCaption = CaptionRow({"a", "", "c", "d", "e", "f", "g"});
  const std::string atLineStart = kGerman.substr(kGerman.find("align=right>"));
  const Reading none;
  const struct {
    const char* what;
    std::vector<std::string> lines;
    Reading expected;
  } cases[] = {
      {"Russian captions", {"<html>", kRussian, Row(1), Row(2)}, Found(2, kRu, {"1", "2"})},
      {"English captions", {"<html>", kEnglish, Row(1), Row(2)}, Found(2, kEn, {"1", "2"})},
      {"German captions", {"<html>", kGerman, Row(1), Row(2)}, Found(2, kAny, {"1", "2"})},
      {"the English first caption alone, as the Russian one",
       {"<tr align=right><td>Pass</td>", Row(1)},
       Found(1, kEn, {"1"})},
      {"a Russian header after an English one wins",
       {kEnglish, Row(1), kRussian, Row(2)},
       Found(3, kRu, {"2"})},
      {"an English header after a caption row wins",
       {kGerman, Row(1), kEnglish, Row(2)},
       Found(3, kEn, {"2"})},
      {"a caption row must be followed by a data row", {kGerman, "", Row(1)}, none},
      {"a data row needs a profit", {kGerman, Row(1, ""), Row(2)}, none},
      {"the first caption row followed by a data row",
       {kGerman, "<br>", Row(1), kGerman, Row(2), Row(3)},
       Found(4, kAny, {"2", "3"})},
      {"six cells", {sixCells, Row(1)}, none},
      {"eight cells, the further one passed over", {eightCells, Row(1)}, Found(1, kAny, {"1"})},
      {"an empty caption", {emptyCaption, Row(1)}, none},
      {"a caption row at the line's start", {atLineStart, Row(1)}, none},
      {"a further caption row with the same first caption is passed over",
       {kGerman, Row(1), kGerman, Row(2)},
       Found(1, kAny, {"1", "2"})},
      {"an English header on the last line", {Row(1), kEnglish}, none},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.lines), c.expected) << c.what;
}

TEST(ResultsHeader, IsToldWithItsLineInTheAnsiCodePage) {
  const std::string bytes = "\xEF\xBB\xBF" + AnsiToUtf8("<html>\r\n" + kRussian + "\r\n" + Row(1));
  struct HeaderText final : public ReportLineListener {
    void TextEncoding(ReportFile::Encoding) override {}
    void Header(std::size_t, HeaderLanguage, std::string_view told) override { text = told; }
    void Skipped(std::size_t) override {}
    void Stored(std::size_t, std::string_view, const PassRecord&) override {}
    std::string text;
  } listener;
  const TempDir dir;
  PassTable table;
  LoadReport(dir.Write("report.htm", bytes), table, listener);
  EXPECT_EQ(listener.text, kRussian);
}

}  // namespace
