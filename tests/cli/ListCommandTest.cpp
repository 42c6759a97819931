#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "CodePage.h"
#include "ReportGenerator.h"
#include "ReportLoader.h"
#include "RunTool.h"
#include "SortPasses.h"
#include "TestFiles.h"

namespace {

// The passes of the hand-made fixture as `list --format tsv --params` must print them.
const std::vector<std::array<std::string, 8>> kFixturePasses = {
    {"1", "1245.60", "38", "1.84", "32.78", "310.20", "2.95",
     R"(TakeProfit=80; StopLoss=40; Lots=0.1; Comment=Пробой; ">17)"},
    {"2", "982.15", "52", "1.47", "18.89", "402.75", "3.84",
     R"(TakeProfit=40; StopLoss=40; Lots=0.1; Comment=Пробой; ">3)"},
    {"3", "-356.40", "38", "0.78", "-9.38", "811.00", "7.92",
     R"(TakeProfit=120; StopLoss=20; Lots=0.1; Comment=Откат; ">42)"},
    {"4", "0.00", "0", "0.00", "0.00", "0.00", "0.00",
     R"(TakeProfit=60; StopLoss=60; Lots=0.2; Comment=Пробой; ">8)"},
    {"5", "87,40", "21", "1.12", "4.16", "205.30", "2.01",
     R"(TakeProfit=100; StopLoss=30; Lots=0.1; Comment=Откат; ">25)"},
    {"6", "540.00", "38", "", "14.21", "265.90", "2.55",
     R"(TakeProfit=80; StopLoss=20; Lots=0.1; Comment=Пробой; ">11)"},
    {"7", "-1210.75", "64", "0.61", "-18.92", "1630.45", "15.37",
     R"(TakeProfit=40; StopLoss=60; Lots=0.2; Comment=Откат; ">30)"},
    {"8", "12.30", "9", "1.05", "1.37", "96.10", "0.95",
     R"(TakeProfit=60; StopLoss=20; Lots=0.1; LogFile=C:\\logs\\tp.txt; ">5)"},
    {"9", "0.00", "0", "0.00", "0.00", "0.00", "0.00",
     R"(TakeProfit=120; StopLoss=60; Lots=0.2; Comment=Пробой; ">36)"},
    {"10", "2310.05", "52", "2.36", "44.42", "512.60", "4.70",
     R"(TakeProfit=100; StopLoss=40; Lots=0.1; Comment=Откат; ">2)"},
    {"11", "-45.90", "27", "0.95", "-1.70", "377.85", "3.71",
     R"(TakeProfit=80; StopLoss=60; Lots=0.1; Comment=Пробой; ">19)"},
    {"12", "730.20", "71", "1.33", "10.28", "298.40", "2.86",
     R"(TakeProfit=40; StopLoss=20; Lots=0.1; Comment=Откат; ">14)"},
};

constexpr const char* kTsvNames =
    "index\tprofit\ttrades\tprofit-factor\texpected-payoff\tdrawdown\tdrawdown-percent";

std::string ExpectedTsv(std::size_t fieldCount) {
  std::string tsv = kTsvNames;
  tsv += fieldCount == 8 ? "\tparams\n" : "\n";
  for (const auto& pass : kFixturePasses) {
    for (std::size_t f = 0; f < fieldCount; ++f) tsv += (f ? "\t" : "") + pass[f];
    tsv += '\n';
  }
  return tsv;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// The byte offset at which `characters` UTF-8 characters of `line` end.
std::size_t ByteOffset(const std::string& line, std::size_t characters) {
  std::size_t offset = 0;
  for (; offset < line.size(); ++offset) {
    if ((line[offset] & 0xC0) != 0x80 && characters-- == 0) break;
  }
  return offset;
}

std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (const char byte : text) count += (byte & 0xC0) != 0x80;
  return count;
}

class ListFixtureTest : public testing::TestWithParam<const char*> {};

TEST_P(ListFixtureTest, TsvPrintsEveryPassAsStoredInUtf8) {
  const ToolRun plain = RunTool({"list", DataPath(GetParam()), "--format", "tsv"});
  EXPECT_EQ(plain.status, 0);
  EXPECT_EQ(plain.err, "");
  EXPECT_EQ(plain.out, ExpectedTsv(7));

  const ToolRun withParams = RunTool({"list", "--params", DataPath(GetParam()), "--format=tsv"});
  EXPECT_EQ(withParams.status, 0);
  EXPECT_EQ(withParams.out, ExpectedTsv(8));
}

INSTANTIATE_TEST_SUITE_P(EachEncoding, ListFixtureTest,
                         testing::Values("report-cp1251.htm", "report-utf8-bom.htm",
                                         "report-utf16le-bom.htm"));

TEST(ListTableTest, AlignsEveryFieldUnderItsCaptionCountingCharacters) {
  const ToolRun run = RunTool({"list", DataPath("report-cp1251.htm"), "--params"});
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), kFixturePasses.size() + 1);
  const std::array<std::string, 8> captions = {"Индекс",       "Прибыль",       "Всего сделок",
                                               "Прибыльность", "Мат. выигрыша", "Просадка $",
                                               "Просадка %",   "Параметры"};
  // Where each caption starts, in characters: the column's start in every line.
  std::array<std::size_t, 8> starts{};
  for (std::size_t c = 0; c < captions.size(); ++c) {
    const std::size_t at = lines[0].find(captions[c]);
    ASSERT_NE(at, std::string::npos) << captions[c];
    starts[c] = CharacterCount(lines[0].substr(0, at));
  }
  for (std::size_t row = 0; row < kFixturePasses.size(); ++row) {
    const std::string& line = lines[row + 1];
    for (std::size_t c = 0; c < captions.size(); ++c) {
      const std::size_t at = ByteOffset(line, starts[c]);
      const std::string& field = kFixturePasses[row][c];
      EXPECT_EQ(line.substr(at, field.size()), field) << "row " << row + 1 << ", column " << c;
      if (c > 0) {
        EXPECT_EQ(line.substr(at - 2, 2), "  ") << "row " << row + 1 << ", column " << c;
      }
    }
    EXPECT_FALSE(line.ends_with(' ')) << "row " << row + 1;
  }
}

TEST(ListTest, EscapesTabsAndBackslashesInsideFields) {
  const TempDir dir;
  const std::string report = dir.Write(
      "tabs.htm",
      "<tr bgcolor=\"#C0C0C0\" align=right><td>\xCF\xF0\xEE\xF5\xEE\xE4</td></tr>\r\n"
      "<tr align=right><td title=\"A=1\t2; B=\\; \">7</td><td class=mspt>1\t5</td><td>3</td>"
      "<td class=mspt>\\</td><td class=mspt>4</td><td class=mspt>5</td><td class=mspt>6</td>"
      "</tr>\r\n"
      "</table>\r\n");
  const ToolRun run = RunTool({"list", report, "--format", "tsv", "--params"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, std::string(kTsvNames) + "\tparams\n" +
                         "1\t1\\t5\t3\t\\\\\t4\t5\t6\tA=1\\t2; B=\\\\; \">7\n");
}

TEST(ListTest, ReportWithoutPassesPrintsTheNamesOnly) {
  const TempDir dir;
  const std::string report = dir.Write("empty.htm", "<html>\r\n<body></body>\r\n</html>\r\n");
  EXPECT_EQ(RunTool({"list", report, "--format", "tsv"}).out, std::string(kTsvNames) + "\n");
}

TEST(ListTest, GeneratedReportListsEveryPassInFileOrder) {
  const TempDir dir;
  const std::string report = (dir.Path() / "generated.htm").string();
  constexpr std::size_t kPasses = 700;
  WriteReportFile(report, kPasses, 5);
  const ToolRun run = RunTool({"list", report, "--format", "tsv", "--params"});
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  const std::vector<GeneratedPass> passes = GeneratePasses(kPasses, 5);
  ASSERT_EQ(lines.size(), kPasses + 1);
  for (std::size_t k = 0; k < kPasses; ++k) {
    const GeneratedPass& p = passes[k];
    const std::string expected = std::to_string(k + 1) + "\t" + p.profit + "\t" + p.trades + "\t" +
                                 p.profitFactor + "\t" + p.expectedPayoff + "\t" + p.drawdownMoney +
                                 "\t" + p.drawdownPercent + "\t" + AnsiToUtf8(StoredParams(p));
    ASSERT_EQ(lines[k + 1], expected) << "pass " << k + 1;
  }
}

// The Index column of a tsv listing, pass numbers in listed order.
std::vector<std::string> ListedIndexes(const std::string& tsv) {
  std::vector<std::string> indexes;
  for (const std::string& line : Lines(tsv)) indexes.push_back(line.substr(0, line.find('\t')));
  indexes.erase(indexes.begin());
  return indexes;
}

// The pass numbers the window would list after the same header clicks.
std::vector<std::string> IndexesAfterSorts(const std::vector<std::pair<int, bool>>& sorts) {
  PassTable table;
  const int n = LoadReport(DataPath("report-cp1251.htm"), table);
  for (const auto& [column, largestFirst] : sorts) SortPasses(column, largestFirst, n, table);
  std::vector<std::string> indexes;
  for (int s = 0; s < n; ++s) indexes.emplace_back(table[s].Index);
  return indexes;
}

TEST(ListSortTest, AppliesEachSortInTurn) {
  struct Case {
    std::vector<std::string> sortArgs;
    std::vector<std::pair<int, bool>> sorts;
  };
  const Case cases[] = {
      {{"--sort", "index:desc"}, {{0, true}}},
      {{"--sort", "2:desc"}, {{2, true}}},
      {{"--sort", "trades:asc", "--sort=drawdown-percent:desc"}, {{2, false}, {6, true}}},
      {{"--sort", "drawdown:desc", "--sort", "trades:desc"}, {{5, true}, {2, true}}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"list", DataPath("report-cp1251.htm"), "--format", "tsv"};
    args.insert(args.end(), c.sortArgs.begin(), c.sortArgs.end());
    const ToolRun run = RunTool(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ListedIndexes(run.out), IndexesAfterSorts(c.sorts)) << c.sortArgs[1];
  }
  const ToolRun descending =
      RunTool({"list", DataPath("report-cp1251.htm"), "--format", "tsv", "--sort", "index:desc"});
  EXPECT_EQ(
      ListedIndexes(descending.out),
      (std::vector<std::string>{"12", "11", "10", "9", "8", "7", "6", "5", "4", "3", "2", "1"}));
}

TEST(ListSortTest, ARefusedCellIsOneLineAndExitsWithOne) {
  struct Case {
    const char* sort;
    std::string message;
  };
  const Case cases[] = {
      {"profit:desc", "'87,40' is not a valid floating point value.\n"},
      {"profit-factor:asc", "'' is not a valid floating point value.\n"},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool({"list", DataPath("report-cp1251.htm"), "--sort", c.sort});
    EXPECT_EQ(run.status, 1) << c.sort;
    EXPECT_EQ(run.out, "") << c.sort;
    EXPECT_EQ(run.err, c.message) << c.sort;
  }
}

}  // namespace
