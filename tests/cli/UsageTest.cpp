#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "RunTool.h"
#include "SystemTexts.h"
#include "TestFiles.h"
#include "ToolMessages.h"

namespace {

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  std::string command;  // whose help the message points to; empty for the tool's
  std::string message;

  friend void PrintTo(const UsageCase& c, std::ostream* out) { *out << c.name; }
};

const std::string kToolUsage = "usage: kvl-ridavu-cli COMMAND";
const std::string kListUsage = "usage: kvl-ridavu-cli list REPORT";
const std::string kExportUsage = "usage: kvl-ridavu-cli export REPORT PASS -o FILE";

class UsageErrorTest : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrorTest, SaysWhatIsWrongInOneLinePointingToTheHelpAndExitsWithTwo) {
  const UsageCase& c = GetParam();
  std::vector<std::string> args = c.args;
  for (std::string& arg : args) {
    if (arg == "REPORT") arg = DataPath("report-cp1251.htm");
  }
  const ToolRun run = RunTool(args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  const std::string help =
      "kvl-ridavu-cli " + (c.command.empty() ? "" : c.command + " ") + "--help";
  EXPECT_EQ(run.err, ToolMessages((c.command.empty() ? "" : c.command + ": ") + c.message +
                                  "; see '" + help + "'\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageErrorTest,
    testing::Values(
        UsageCase{"UnknownCommand", {"show"}, "", "unknown command show"},
        UsageCase{"UnknownToolOption", {"--frobnicate"}, "", "unknown option --frobnicate"},
        UsageCase{"ListWithoutReport", {"list"}, "list", "REPORT is required"},
        UsageCase{"ListWithTwoReports",
                  {"list", "REPORT", "other.htm"},
                  "list",
                  "unexpected argument other.htm"},
        UsageCase{"UnknownFormat",
                  {"list", "REPORT", "--format", "xml"},
                  "list",
                  "unknown format xml (table, tsv, csv or json)"},
        UsageCase{"FormatWithoutValue",
                  {"list", "REPORT", "--format"},
                  "list",
                  "--format: 1 required FORMAT missing"},
        UsageCase{"ValueForAFlag",
                  {"list", "REPORT", "--params=yes"},
                  "list",
                  "params was given a disallowed flag override"},
        UsageCase{
            "UnknownOption", {"list", "REPORT", "--sorted"}, "list", "unknown option --sorted"},
        // The first of them is named, also before a missing argument.
        UsageCase{"UnknownOptions",
                  {"list", "--sorted", "--limited", "3"},
                  "list",
                  "unknown option --sorted"},
        UsageCase{"OptionAfterTheEndOfOptions",
                  {"list", "--", "REPORT", "--sorted"},
                  "list",
                  "unexpected argument --sorted"},
        UsageCase{"SortWithoutDirection",
                  {"list", "REPORT", "--sort", "profit"},
                  "list",
                  "sort profit needs a direction: COLUMN:desc or COLUMN:asc"},
        UsageCase{"SortByUnknownDirection",
                  {"list", "REPORT", "--sort", "profit:up"},
                  "list",
                  "sort profit:up needs a direction: COLUMN:desc or COLUMN:asc"},
        UsageCase{"SortByParams",
                  {"list", "REPORT", "--sort", "params:asc"},
                  "list",
                  "unknown sort column params"},
        UsageCase{"SortByColumnSeven",
                  {"list", "REPORT", "--sort", "7:desc"},
                  "list",
                  "unknown sort column 7"},
        UsageCase{"SortByAFigureOfAColumnNumber",
                  {"list", "REPORT", "--sort", "1-min:desc"},
                  "list",
                  "unknown sort column 1-min"},
        UsageCase{"ExportWithoutOutput", {"export", "REPORT", "1"}, "export", "missing -o FILE"},
        UsageCase{"ExportWithoutPass", {"export", "REPORT", "-o", "-"}, "export", "missing PASS"},
        UsageCase{"OutputWithoutFile",
                  {"export", "REPORT", "1", "-o"},
                  "export",
                  "-o: 1 required FILE missing"},
        UsageCase{"MalformedWhere",
                  {"list", "REPORT", "--where", "trades>>100"},
                  "list",
                  "--where \"trades>>100\" is not COLUMN OP NUMBER: COLUMN is one of index, "
                  "profit, trades, profit-factor, expected-payoff, drawdown, drawdown-percent or "
                  "param:NAME; OP one of < <= > >= = !=; for example trades>=100"},
        UsageCase{"NegativeLimit",
                  {"list", "REPORT", "--limit", "-1"},
                  "list",
                  "--limit -1: N is a whole number from 0"},
        UsageCase{"TopOfNone",
                  {"export", "REPORT", "--top", "0", "--dir", "sets"},
                  "export",
                  "--top 0: N is a whole number from 1"},
        UsageCase{"BothExportForms",
                  {"export", "REPORT", "1", "-o", "-", "--top", "3"},
                  "export",
                  "--top exports many passes; it does not go with PASS"},
        UsageCase{"RobustWithPass",
                  {"export", "REPORT", "1", "-o", "-", "--robust", "profit"},
                  "export",
                  "--robust exports many passes; it does not go with PASS"},
        UsageCase{"OrderWithPass",
                  {"export", "REPORT", "1", "-o", "-", "--order", "profit"},
                  "export",
                  "--order exports many passes; it does not go with PASS"},
        UsageCase{"OrderByNoColumn",
                  {"list", "REPORT", "--order", "trades,profit:up"},
                  "list",
                  "--order \"profit:up\": KEY is one of index, profit, trades, profit-factor, "
                  "expected-payoff, drawdown, drawdown-percent, a --robust figure such as "
                  "profit-min, or param:NAME, then :asc (the default) or :desc; keys are "
                  "separated by commas"},
        UsageCase{"NeitherExportForm",
                  {"export", "REPORT", "--dir", "sets"},
                  "export",
                  "missing PASS -o FILE, or --top N --dir DIR"},
        UsageCase{
            "TopWithoutFolder", {"export", "REPORT", "--top", "3"}, "export", "missing --dir DIR"},
        UsageCase{"NameOfNoColumn",
                  {"export", "REPORT", "--top", "3", "--dir", "sets", "--name", "{pf}.set"},
                  "export",
                  "--name \"{pf}.set\": {pf} is no column; the columns are index, profit, "
                  "trades, profit-factor, expected-payoff, drawdown, drawdown-percent"},
        UsageCase{"CheckWithoutReport", {"check"}, "check", "REPORT is required"},
        UsageCase{"CheckInUnknownFormat",
                  {"check", "REPORT", "--format", "tsv"},
                  "check",
                  "unknown format tsv (text or json)"},
        UsageCase{"ParamsInUnknownFormat",
                  {"params", "REPORT", "--format", "csv"},
                  "params",
                  "unknown format csv (text or json)"},
        UsageCase{"OptionOfAnotherCommand",
                  {"export", "REPORT", "1", "-o", "-", "--params"},
                  "export",
                  "unknown option --params"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// Asked nothing, the tool gives the overview.
TEST(UsageErrorTest, NoArgumentsPrintTheHelpAndExitWithTwo) {
  const ToolRun run = RunTool({});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(run.err.starts_with(kToolUsage)) << run.err;
}

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
    EXPECT_EQ(run.err, ToolMessages(message));
  }
}

TEST(VersionTest, PrintsTheNameAndTheVersionAndSucceeds) {
  for (const char* option : {"--version", "-V"}) {
    const ToolRun run = RunTool({option});
    EXPECT_EQ(run.status, 0) << option;
    EXPECT_EQ(run.err, "") << option;
    EXPECT_EQ(run.out, "kvl-ridavu-cli " KVL_VERSION "\n") << option;
  }
}

// After "--" a report whose name starts with "-" is a report: without it, export would take
// "-odd-name.htm" for -o and the file "dd-name.htm".
TEST(EndOfOptionsTest, ArgumentsAfterItAreNeverOptions) {
  const TempDir dir;
  dir.Write("-odd-name.htm", ReadBytes(DataPath("report-cp1251.htm")));
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path());
  const ToolRun list = RunTool({"list", "--format", "tsv", "--", "-odd-name.htm"});
  const ToolRun exported = RunTool({"export", "-o", "-", "--", "-odd-name.htm", "8"});
  std::filesystem::current_path(previous);

  EXPECT_EQ(list.status, 0) << list.err;
  EXPECT_EQ(list.out, ReadBytes(DataPath("report-list.tsv")));
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(exported.out, ReadBytes(DataPath("report-pass-8.set")));
}

}  // namespace
