#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include <core/CodePage.h>
#include <core/ReportLoader.h>
#include <core/sort/RowOrder.h>

#include "ListingText.h"
#include "ReportGenerator.h"
#include "ReportText.h"
#include "RunTool.h"
#include "TestFiles.h"
#include "ToolMessages.h"

using namespace kvl::core;

namespace {

constexpr const char* kTsvNames =
    "index\tprofit\ttrades\tprofit-factor\texpected-payoff\tdrawdown\tdrawdown-percent";

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t end; (end = line.find('\t', start)) != std::string::npos; start = end + 1) {
    fields.push_back(line.substr(start, end - start));
  }
  fields.push_back(line.substr(start));
  return fields;
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
  EXPECT_EQ(plain.out, ReadBytes(DataPath("report-list.tsv")));

  const ToolRun withParams = RunTool({"list", "--params", DataPath(GetParam()), "--format=tsv"});
  EXPECT_EQ(withParams.status, 0);
  EXPECT_EQ(withParams.out, ReadBytes(DataPath("report-list-params.tsv")));
}

INSTANTIATE_TEST_SUITE_P(EachEncodingAndLanguage, ListFixtureTest,
                         testing::Values("report-cp1251.htm", "report-utf8-bom.htm",
                                         "report-utf16le-bom.htm", "report-english.htm"));

TEST(ListTableTest, AlignsEveryFieldUnderItsCaptionCountingCharacters) {
  const ToolRun run = RunTool({"list", DataPath("report-cp1251.htm"), "--params"});
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  // The fields as the tab-separated listing gives them, escaped the same way.
  const std::vector<std::string> tsvLines = Lines(ReadBytes(DataPath("report-list-params.tsv")));
  ASSERT_EQ(lines.size(), tsvLines.size());
  const std::array<std::string, 8> captions = {"Pass",          "Profit",          "Total trades",
                                               "Profit factor", "Expected Payoff", "Drawdown $",
                                               "Drawdown %",    "Parameters"};
  // Where each caption starts, in characters: the column's start in every line.
  std::array<std::size_t, 8> starts{};
  for (std::size_t c = 0; c < captions.size(); ++c) {
    const std::size_t at = lines[0].find(captions[c]);
    ASSERT_NE(at, std::string::npos) << captions[c];
    starts[c] = CharacterCount(lines[0].substr(0, at));
  }
  for (std::size_t row = 1; row < lines.size(); ++row) {
    const std::string& line = lines[row];
    const std::vector<std::string> fields = Fields(tsvLines[row]);
    ASSERT_EQ(fields.size(), captions.size()) << "row " << row;
    for (std::size_t c = 0; c < captions.size(); ++c) {
      const std::size_t at = ByteOffset(line, starts[c]);
      const std::string& field = fields[c];
      EXPECT_EQ(line.substr(at, field.size()), field) << "row " << row << ", column " << c;
      if (c > 0) {
        EXPECT_EQ(line.substr(at - 2, 2), "  ") << "row " << row << ", column " << c;
      }
    }
    EXPECT_FALSE(line.ends_with(' ')) << "row " << row;
  }
}

TEST(ListTest, EscapesTabsAndBackslashesInsideFields) {
  const TempDir dir;
  const std::string report = dir.Write(
      "tabs.htm", ReportText({{"7", "A=1\t2; B=\\; ", "1\t5", "3", "\\", "4", "5", "6"}}));
  const ToolRun run = RunTool({"list", report, "--format", "tsv", "--params"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, std::string(kTsvNames) + "\tparams\n" +
                         "1\t1\\t5\t3\t\\\\\t4\t5\t6\tA=1\\t2; B=\\\\; \">7\n");
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

// The pass numbers the window would list after the same header clicks.
std::vector<std::string> IndexesAfterSorts(const std::vector<std::pair<int, bool>>& sorts) {
  PassTable table;
  RowOrder order(static_cast<std::size_t>(LoadReport(DataPath("report-cp1251.htm"), table)));
  for (const auto& [column, largestFirst] : sorts) SortRows(table, column, largestFirst, order);
  std::vector<std::string> indexes;
  for (std::size_t row = 0; row < order.Count(); ++row) {
    indexes.emplace_back(table[SlotOf(order.PassAt(Row{row}))].Index);
  }
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

// The row is the refused cell's in the order that the sorts before left.
TEST(ListSortTest, ARefusedCellIsOneLineNamingItsRowPassAndColumn) {
  struct Case {
    std::vector<std::string> sorts;
    std::string message;
  };
  const Case cases[] = {
      {{"profit:desc"}, "Row 5 (pass 5), profit: '87,40' is not a valid floating point value.\n"},
      {{"profit-factor:asc"},
       "Row 6 (pass 6), profit-factor: '' is not a valid floating point value.\n"},
      {{"index:desc", "3:asc"},
       "Row 7 (pass 6), profit-factor: '' is not a valid floating point value.\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"list", DataPath("report-cp1251.htm")};
    for (const std::string& sort : c.sorts) args.insert(args.end(), {"--sort", sort});
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 1) << c.sorts.back();
    EXPECT_EQ(run.out, "") << c.sorts.back();
    EXPECT_EQ(run.err, ToolMessages(c.message)) << c.sorts.back();
  }
}

// A sorted listing takes every row's parameter text from the row's own pass.
TEST(ListSortTest, SortedRowsKeepTheirOwnParameters) {
  std::map<std::string, std::string> lineOfPass;
  for (const std::string& line : Lines(ReadBytes(DataPath("report-list-params.tsv")))) {
    lineOfPass[line.substr(0, line.find('\t'))] = line;
  }
  const ToolRun run = RunTool({"list", DataPath("report-cp1251.htm"), "--format", "tsv", "--params",
                               "--sort", "drawdown:desc"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), lineOfPass.size());
  EXPECT_EQ(ListedIndexes(run.out).front(), "7");
  for (const std::string& line : lines) {
    EXPECT_EQ(line, lineOfPass[line.substr(0, line.find('\t'))]);
  }
}

}  // namespace
