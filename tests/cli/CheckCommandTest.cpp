#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include <cli/check/PassNumbers.h>
#include <core/CodePage.h>

#include "ReportGenerator.h"
#include "RunTool.h"
#include "TestFiles.h"

using namespace kvl::core;
using namespace kvl::cli;

namespace {

struct CheckCase {
  const char* report;
  const char* expected;  // the findings, in tests/data
  const char* json;      // the same with --format json
  int status;

  friend void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.report; }
};

class CheckCommandTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckCommandTest, PrintsTheFindingsAndSaysWhetherTheReportIsClean) {
  const ToolRun run = RunTool({"check", DataPath(GetParam().report)});
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, ReadBytes(DataPath(GetParam().expected)));
}

TEST_P(CheckCommandTest, WritesTheSameFindingsAsJson) {
  const ToolRun run = RunTool({"check", DataPath(GetParam().report), "--format", "json"});
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, ReadBytes(DataPath(GetParam().json)));
  EXPECT_EQ(nlohmann::json::parse(run.out).at("clean"), GetParam().status == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, CheckCommandTest,
    testing::Values(
        CheckCase{"report-clean.htm", "report-clean-check.txt", "report-clean-check.json", 0},
        // Gaps in its pass numbers, a profit with a comma, an empty profit factor.
        CheckCase{"report-cp1251.htm", "report-cp1251-check.txt", "report-cp1251-check.json", 1},
        // A repeated number, a further header, more than ten skipped lines, a stored line that is
        // no data row and whose first cell is no number.
        CheckCase{"report-faults.htm", "report-faults-check.txt", "report-faults-check.json", 1},
        // The same as report-cp1251.htm, its header found by the English caption.
        CheckCase{"report-english.htm", "report-english-check.txt", "report-english-check.json", 1},
        // More than ten profits that do not convert, with a tab and a backslash among them.
        CheckCase{"report-refusals.htm", "report-refusals-check.txt", "report-refusals-check.json",
                  1}));

TEST(CheckCommandTest, NamesTheEncodingItFound) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"report-utf8-bom.htm", "Encoding: UTF-8, with a byte-order mark\n"},
      {"report-utf16le-bom.htm", "Encoding: UTF-16 little-endian, with a byte-order mark\n"},
  };
  const std::string findings = ReadBytes(DataPath("report-cp1251-check.txt"));
  const std::string afterEncoding = findings.substr(findings.find('\n') + 1);
  for (const auto& [report, encoding] : cases) {
    const ToolRun run = RunTool({"check", DataPath(report)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, encoding + afterEncoding) << report;
  }
}

// What an editor writes when a user opens the report and saves it: the Russian report, and a clean
// one whose English header the code page cannot misread, so that the text alone makes it unclean.
TEST(CheckCommandTest, SaysWhenTheTextIsUtf8WithoutAByteOrderMark) {
  std::string english = ReadBytes(DataPath("report-clean.htm"));
  english.replace(english.find(ResultsHeaderLine()), ResultsHeaderLine().size(),
                  "<tr bgcolor=\"#C0C0C0\" align=right><td>Pass</td><td>Profit</td><td>Total "
                  "trades</td><td>Profit factor</td><td>Expected Payoff</td><td>Drawdown "
                  "$</td><td>Drawdown %</td></tr>");
  const TempDir dir;
  for (const std::string& ansi : {ReadBytes(DataPath("report-cp1251.htm")), english}) {
    const ToolRun run = RunTool({"check", dir.Write("resaved.htm", AnsiToUtf8(ansi))});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.starts_with(
        "Encoding: Windows-1251, no byte-order mark\n"
        "Text: looks like UTF-8 without a byte-order mark, not Windows-1251, so its Cyrillic texts "
        "come out wrong; save the report again as UTF-8 with a byte-order mark or in "
        "Windows-1251, or export it again from the terminal\n"))
        << run.out;
    EXPECT_TRUE(run.out.ends_with("The report is not clean.\n")) << run.out;
  }
}

TEST(CheckCommandTest, AReportWithoutHeaderIsNotClean) {
  const TempDir dir;
  const std::string report = dir.Write("no-header.htm", "<html>\r\n<body></body>\r\n</html>\r\n");
  const ToolRun run = RunTool({"check", report});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("Results header: not found\nPasses: 0\n"), std::string::npos) << run.out;
}

TEST(CheckPassNumbersTest, FindsGapsRepeatsAndTextsThatAreNoNumbers) {
  struct Case {
    std::vector<std::string_view> cells;
    std::vector<std::pair<std::int64_t, std::int64_t>> gaps;
    std::uint64_t missing;
    std::vector<std::pair<std::int64_t, std::size_t>> repeats;
    std::vector<std::size_t> notNumbers;
  };
  const Case cases[] = {
      {{"2", "0", "1"}, {}, 0, {}, {}},
      {{"9", "3", "5", "4"}, {{6, 8}}, 3, {}, {}},
      {{"1", "3", "3", "5", "3", "1"}, {{2, 2}, {4, 4}}, 2, {{1, 2}, {3, 3}}, {}},
      {{"-2", "1", "x", "", " 7", "1.0"}, {{-1, 0}, {2, 6}}, 7, {}, {3, 4, 6}},
      {{"0", "2147483647"}, {{1, 2147483646}}, 2147483646, {}, {}},
      {{}, {}, 0, {}, {}},
  };
  for (const Case& c : cases) {
    const PassNumbers numbers = CheckPassNumbers(c.cells);
    std::vector<std::pair<std::int64_t, std::int64_t>> gaps;
    for (const auto& gap : numbers.gaps) gaps.emplace_back(gap.first, gap.last);
    std::vector<std::pair<std::int64_t, std::size_t>> repeats;
    for (const auto& repeat : numbers.repeats) repeats.emplace_back(repeat.number, repeat.times);
    EXPECT_EQ(gaps, c.gaps);
    EXPECT_EQ(numbers.missing, c.missing);
    EXPECT_EQ(repeats, c.repeats);
    EXPECT_EQ(numbers.notNumbers, c.notNumbers);
  }
}

TEST(FirstCellTextTest, TakesTheTextBeforeTheFirstClosingCell) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"<tr><td title=\"A=1; \">17</td><td class=mspt>5</td>", "17"},
      {"<tr><td title=\"A=a>b; \">3</td>", "3"},
      {"<tr><td>x</td><td class=mspt>5</td>", "x"},
      {"<tr><td></td>", ""},
      {"no cells at all", ""},
      {"</td>", ""},
  };
  for (const auto& [line, text] : cases) EXPECT_EQ(FirstCellText(line), text) << line;
}

}  // namespace
