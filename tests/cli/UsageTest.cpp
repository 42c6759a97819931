#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "RunTool.h"
#include "SystemTexts.h"
#include "TestFiles.h"

namespace {

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  std::string firstErrorLine;  // empty when the usage comes first
  std::string usage;           // the start of the usage that follows

  friend void PrintTo(const UsageCase& c, std::ostream* out) { *out << c.name; }
};

const std::string kToolUsage = "usage: kvl-ridavu-cli COMMAND";
const std::string kListUsage = "usage: kvl-ridavu-cli list REPORT";
const std::string kExportUsage = "usage: kvl-ridavu-cli export REPORT PASS -o FILE";

class UsageErrorTest : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrorTest, PrintsTheUsageAndExitsWithTwo) {
  const UsageCase& c = GetParam();
  std::vector<std::string> args = c.args;
  for (std::string& arg : args) {
    if (arg == "REPORT") arg = DataPath("report-cp1251.htm");
  }
  const ToolRun run = RunTool(args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  const std::string expectedStart =
      c.firstErrorLine.empty() ? c.usage : c.firstErrorLine + "\n" + c.usage;
  EXPECT_TRUE(run.err.starts_with(expectedStart)) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageErrorTest,
    testing::Values(
        UsageCase{"NoCommand", {}, "", kToolUsage},
        UsageCase{"UnknownCommand", {"show"}, "kvl-ridavu-cli: unknown command show", kToolUsage},
        UsageCase{
            "ListWithoutReport", {"list"}, "kvl-ridavu-cli list: REPORT is required", kListUsage},
        UsageCase{"ListWithTwoReports",
                  {"list", "REPORT", "other.htm"},
                  "kvl-ridavu-cli list: The following argument was not expected: other.htm",
                  kListUsage},
        UsageCase{"UnknownFormat",
                  {"list", "REPORT", "--format", "xml"},
                  "kvl-ridavu-cli list: unknown format xml (table, tsv, csv or json)",
                  kListUsage},
        UsageCase{"FormatWithoutValue",
                  {"list", "REPORT", "--format"},
                  "kvl-ridavu-cli list: --format: 1 required FORMAT missing",
                  kListUsage},
        UsageCase{"ValueForAFlag",
                  {"list", "REPORT", "--params=yes"},
                  "kvl-ridavu-cli list: params was given a disallowed flag override",
                  kListUsage},
        UsageCase{"UnknownOption",
                  {"list", "REPORT", "--sorted"},
                  "kvl-ridavu-cli list: The following argument was not expected: --sorted",
                  kListUsage},
        UsageCase{"SortWithoutDirection",
                  {"list", "REPORT", "--sort", "profit"},
                  "kvl-ridavu-cli list: sort profit needs a direction: COLUMN:desc or COLUMN:asc",
                  kListUsage},
        UsageCase{
            "SortByUnknownDirection",
            {"list", "REPORT", "--sort", "profit:up"},
            "kvl-ridavu-cli list: sort profit:up needs a direction: COLUMN:desc or COLUMN:asc",
            kListUsage},
        UsageCase{"SortByParams",
                  {"list", "REPORT", "--sort", "params:asc"},
                  "kvl-ridavu-cli list: unknown sort column params",
                  kListUsage},
        UsageCase{"SortByColumnSeven",
                  {"list", "REPORT", "--sort", "7:desc"},
                  "kvl-ridavu-cli list: unknown sort column 7",
                  kListUsage},
        UsageCase{"ExportWithoutOutput",
                  {"export", "REPORT", "1"},
                  "kvl-ridavu-cli export: missing -o FILE",
                  kExportUsage},
        UsageCase{"ExportWithoutPass",
                  {"export", "REPORT", "-o", "-"},
                  "kvl-ridavu-cli export: missing PASS",
                  kExportUsage},
        UsageCase{"OutputWithoutFile",
                  {"export", "REPORT", "1", "-o"},
                  "kvl-ridavu-cli export: -o: 1 required FILE missing",
                  kExportUsage},
        UsageCase{"MalformedWhere",
                  {"list", "REPORT", "--where", "trades>>100"},
                  "kvl-ridavu-cli list: --where \"trades>>100\" is not COLUMN OP NUMBER: COLUMN "
                  "is one of index, profit, trades, profit-factor, expected-payoff, drawdown, "
                  "drawdown-percent or param:NAME; OP one of < <= > >= = !=; for example "
                  "trades>=100",
                  kListUsage},
        UsageCase{"NegativeLimit",
                  {"list", "REPORT", "--limit", "-1"},
                  "kvl-ridavu-cli list: --limit -1: N is a whole number from 0",
                  kListUsage},
        UsageCase{"TopOfNone",
                  {"export", "REPORT", "--top", "0", "--dir", "sets"},
                  "kvl-ridavu-cli export: --top 0: N is a whole number from 1",
                  kExportUsage},
        UsageCase{"BothExportForms",
                  {"export", "REPORT", "1", "-o", "-", "--top", "3"},
                  "kvl-ridavu-cli export: --top exports many passes; it does not go with PASS",
                  kExportUsage},
        UsageCase{"NeitherExportForm",
                  {"export", "REPORT", "--dir", "sets"},
                  "kvl-ridavu-cli export: missing PASS -o FILE, or --top N --dir DIR",
                  kExportUsage},
        UsageCase{"TopWithoutFolder",
                  {"export", "REPORT", "--top", "3"},
                  "kvl-ridavu-cli export: missing --dir DIR",
                  kExportUsage},
        UsageCase{"NameOfNoColumn",
                  {"export", "REPORT", "--top", "3", "--dir", "sets", "--name", "{pf}.set"},
                  "kvl-ridavu-cli export: --name \"{pf}.set\": {pf} is no column; the columns "
                  "are index, profit, trades, profit-factor, expected-payoff, drawdown, "
                  "drawdown-percent",
                  kExportUsage},
        UsageCase{"CheckWithoutReport",
                  {"check"},
                  "kvl-ridavu-cli check: REPORT is required",
                  "usage: kvl-ridavu-cli check REPORT"},
        UsageCase{"CheckInUnknownFormat",
                  {"check", "REPORT", "--format", "tsv"},
                  "kvl-ridavu-cli check: unknown format tsv (text or json)",
                  "usage: kvl-ridavu-cli check REPORT"},
        UsageCase{"ParamsInUnknownFormat",
                  {"params", "REPORT", "--format", "csv"},
                  "kvl-ridavu-cli params: unknown format csv (text or json)",
                  "usage: kvl-ridavu-cli params REPORT"},
        UsageCase{"OptionOfAnotherCommand",
                  {"export", "REPORT", "1", "-o", "-", "--params"},
                  "kvl-ridavu-cli export: The following argument was not expected: --params",
                  kExportUsage}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct HelpCase {
  std::vector<std::string> args;
  std::string usage;

  friend void PrintTo(const HelpCase& c, std::ostream* out) {
    for (const std::string& arg : c.args) *out << arg << ' ';
  }
};

class HelpTest : public testing::TestWithParam<HelpCase> {};

TEST_P(HelpTest, PrintsTheUsageToStandardOutputAndSucceeds) {
  const ToolRun run = RunTool(GetParam().args);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(run.out.starts_with(GetParam().usage)) << run.out;
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, HelpTest,
                         testing::Values(HelpCase{{"--help"}, kToolUsage},
                                         HelpCase{{"list", "--help"}, kListUsage},
                                         HelpCase{{"export", "--help"}, kExportUsage},
                                         HelpCase{{"export", "x.htm", "--help"}, kExportUsage},
                                         HelpCase{{"check", "-h"}, "usage: kvl-ridavu-cli check"}));

// The report is read only after the arguments are known to be right, and its failure is the
// window's message with the "." the error box adds.
TEST(ReportFailureTest, UnopenableReportIsOneLineAndExitsWithOne) {
  const TempDir dir;
  const std::string missing = (dir.Path() / "missing.htm").string();
  const std::string folder = dir.Path().string();
  const std::string noSuchFile = SystemText(Failure::kNoSuchFile) + ".\n";
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"list", missing}, "Cannot open file \"" + missing + "\". " + noSuchFile},
      {{"list", folder, "--format", "tsv"},
       "Cannot open file \"" + folder + "\". " + SystemText(Failure::kIsAFolder) + ".\n"},
      {{"export", missing, "1", "-o", "-"}, "Cannot open file \"" + missing + "\". " + noSuchFile},
  };
  for (const auto& [args, message] : cases) {
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 1) << args[1];
    EXPECT_EQ(run.out, "") << args[1];
    EXPECT_EQ(run.err, message);
  }
}

}  // namespace
