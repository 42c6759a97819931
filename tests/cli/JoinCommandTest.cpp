#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "ListingText.h"
#include "ReportText.h"
#include "RunTool.h"
#include "TestFiles.h"
#include "ToolMessages.h"

namespace {

// A run of join over fixtures of tests/data, and the files holding what it must write.
struct JoinOutputCase {
  std::vector<std::string> args;  // after "join"; join-*.htm are fixtures
  const char* out;                // the expected standard output
  const char* err;                // the expected standard error; null for none

  friend void PrintTo(const JoinOutputCase& c, std::ostream* out) { *out << c.out; }
};

std::vector<std::string> JoinArgs(const std::vector<std::string>& args) {
  std::vector<std::string> full{"join"};
  for (const std::string& arg : args) {
    full.push_back(arg.starts_with("join-") && arg.ends_with(".htm") ? DataPath(arg) : arg);
  }
  return full;
}

class JoinOutputTest : public testing::TestWithParam<JoinOutputCase> {};

TEST_P(JoinOutputTest, WritesTheJoinedPassesAndTheSummary) {
  const JoinOutputCase& c = GetParam();
  const ToolRun run = RunTool(JoinArgs(c.args));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, ReadBytes(DataPath(c.out)));
  EXPECT_EQ(run.err, c.err ? ReadBytes(DataPath(c.err)) : "");
}

// join-base.htm and join-oos.htm share TakeProfit and StopLoss (the grid), Lots written 0.10 and
// 0.1, Magic and Comment; only the oos report has Shift. The base repeats pass 2 as pass 7, leaves
// pass 8 out of the map, and has pass 1, which the oos report lacks; the oos report's pass 6 has
// no base pass. join-magic.htm is join-oos.htm with another Magic and no period.
INSTANTIATE_TEST_SUITE_P(
    Fixtures, JoinOutputTest,
    testing::Values(
        JoinOutputCase{
            {"join-base.htm", "join-oos.htm"}, "join-base-oos.txt", "join-base-oos-summary.txt"},
        JoinOutputCase{{"join-base.htm", "join-oos.htm", "--labels", "base,oos", "--format", "tsv"},
                       "join-base-oos.tsv",
                       "join-base-oos-labelled-summary.txt"},
        JoinOutputCase{{"join-base.htm", "join-oos.htm", "--labels= base , oos", "--format", "csv"},
                       "join-base-oos.csv",
                       "join-base-oos-labelled-summary.txt"},
        JoinOutputCase{{"join-base.htm", "join-oos.htm", "--labels", "base,oos", "--format", "json",
                        "--params"},
                       "join-base-oos-params.json",
                       nullptr},
        JoinOutputCase{
            {"join-base.htm", "--all", "join-oos.htm", "--labels", "base,oos", "--format", "tsv"},
            "join-base-oos-all.tsv",
            "join-base-oos-all-summary.txt"},
        JoinOutputCase{{"join-base.htm", "join-magic.htm", "--labels", "base,magic", "--on",
                        "TakeProfit, StopLoss", "--format", "tsv"},
                       "join-magic-on.tsv",
                       "join-magic-on-summary.txt"},
        // Every pass matches itself: efficiency 1.00 wherever the profit is positive, and a rank
        // correlation of 1.
        JoinOutputCase{
            {"join-base.htm", "join-base.htm", "--labels", "in,again", "--format", "tsv"},
            "join-self.tsv",
            "join-self-summary.txt"}));

TEST(JoinCommandTest, JsonHoldsTheRowsAndTheSummaryInOneObject) {
  const ToolRun run = RunTool(
      JoinArgs({"join-base.htm", "join-oos.htm", "--labels", "base,oos", "--format", "json"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json json = nlohmann::json::parse(run.out);
  ASSERT_EQ(json.size(), 2u);
  EXPECT_EQ(json["rows"].size(), 5u);
  EXPECT_EQ(json["summary"]["joined"], 5);
  const nlohmann::json& oos = json["summary"]["reports"][1];
  EXPECT_EQ(oos["ignoredInputs"], nlohmann::json::array({"Shift"}));
  EXPECT_DOUBLE_EQ(oos["rankCorrelation"].get<double>(), 0.9);
  EXPECT_EQ(oos["bestTenthProfitable"], 1);
}

TEST(JoinCommandTest, WithoutOnADifferingConstantMatchesNothing) {
  const ToolRun run = RunTool(
      JoinArgs({"join-base.htm", "join-magic.htm", "--labels", "base,magic", "--format", "tsv"}));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Lines(run.out).size(), 1u);  // the names alone
  EXPECT_NE(run.err.find("Joined passes: 0\n"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("rank correlation of profit with base none"), std::string::npos)
      << run.err;
}

// Sorts, orders and conditions name the joined columns, each read with its own column's
// conversion, and choose among the joined rows alone.
TEST(JoinCommandTest, ChoosesAmongTheJoinedRowsByTheirColumns) {
  struct Case {
    std::vector<std::string> options;
    std::vector<std::string> indexes;  // the base passes listed
  };
  const Case cases[] = {
      {{"--sort", "oos:profit:desc"}, {"5", "2", "6", "4", "3"}},
      {{"--sort", "profit-worst:desc"}, {"5", "2", "6", "4", "3"}},
      {{"--sort", "profit-worst:asc", "--limit", "2"}, {"3", "4"}},
      // Empty efficiencies come last either way.
      {{"--sort", "oos:efficiency:desc"}, {"6", "5", "2", "4", "3"}},
      {{"--sort", "oos:efficiency:asc"}, {"4", "2", "5", "6", "3"}},
      {{"--order", "oos:trades"}, {"6", "3", "4", "2", "5"}},
      {{"--order", "base:drawdown-percent:desc"}, {"3", "6", "4", "2", "5"}},
      {{"--where", "oos:profit>0"}, {"2", "5", "6"}},
      {{"--where", "oos:efficiency>=0.8"}, {"5", "6"}},
      {{"--where", "oos:index<=2", "--where", "profit-worst>10"}, {"5"}},
      // The base's own cells and parameters, by their plain names.
      {{"--sort", "profit:asc", "--where", "param:StopLoss=10"}, {"6", "4", "5"}},
      // No condition holds of an empty cell: the base pass without a match is left out.
      {{"--all", "--where", "oos:profit>-1000"}, {"2", "3", "4", "5", "6"}},
      {{"--all", "--sort", "oos:index:asc"}, {"6", "5", "4", "3", "2", "1"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"join-base.htm", "join-oos.htm", "--labels",
                                     "base,oos",      "--format",     "tsv"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const ToolRun run = RunTool(JoinArgs(args));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ListedIndexes(run.out), c.indexes) << testing::PrintToString(c.options);
  }
}

TEST(JoinCommandTest, ExportsTheBasePassesOfTheFirstRowsNamedByJoinedColumns) {
  const TempDir dir;
  const std::string folder = (dir.Path() / "best").string();
  const ToolRun run = RunTool(JoinArgs({"join-base.htm", "join-oos.htm", "--labels", "base,oos",
                                        "--sort", "profit-worst:desc", "--top", "2", "--dir",
                                        folder, "--name", "{index}_oos{oos:profit}.set"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::filesystem::path first = std::filesystem::path(folder) / "5_oos120.00.set";
  const std::filesystem::path second = std::filesystem::path(folder) / "2_oos90.00.set";
  EXPECT_EQ(run.out, first.string() + "\n" + second.string() + "\n");
  EXPECT_EQ(run.err, ReadBytes(DataPath("join-base-oos-labelled-summary.txt")));
  for (const auto& [file, pass] : {std::pair{first, "5"}, std::pair{second, "2"}}) {
    const ToolRun exported = RunTool({"export", DataPath("join-base.htm"), pass, "-o", "-"});
    EXPECT_EQ(ReadBytes(file.string()), exported.out) << pass;
  }
}

TEST(JoinCommandTest, RefusesWhatItCannotJoinInOneLine) {
  const TempDir dir;
  const std::string unrelated =
      dir.Write("unrelated.htm",
                ReportText({{"1", "Other=1; ", "5.00", "1", "1.00", "5.00", "1.00", "0.01"}}));
  const std::string notAReport = dir.Write("notes.htm", "<html><body>notes</body></html>\n");
  struct Case {
    std::vector<std::string> args;
    std::string message;
    int status;
  };
  const Case cases[] = {
      {{"join-base.htm", "join-oos.htm", "--on", "TakeProfit,Nope"},
       "--on Nope: join-base has no such input; its optimized inputs are TakeProfit, StopLoss, "
       "the constant ones Lots, Magic, Comment.\n",
       1},
      {{"join-base.htm", "join-oos.htm", "--on", "Shift"},
       "--on Shift: join-base has no such input; its optimized inputs are TakeProfit, StopLoss, "
       "the constant ones Lots, Magic, Comment.\n",
       1},
      {{"join-base.htm", unrelated},
       "join-base and unrelated share no input to match their "
       "passes by.\n",
       1},
      {{"join-base.htm", "join-oos.htm", unrelated, "--labels", "a,b,c"},
       "a and c share no input to match their passes by.\n",
       1},
      {{"join-base.htm", "join-base.htm"},
       "Two reports have the label \"join-base\"; give each its own with --labels.\n",
       1},
      {{"join-base.htm", "join-oos.htm", "--labels", "a"},
       "--labels gives 1 label for 2 reports.\n",
       1},
      {{"join-base.htm", "join-oos.htm", "--labels", "a,b,c"},
       "--labels gives 3 labels for 2 reports.\n",
       1},
      {{"join-base.htm", "join-oos.htm", "--labels", "a,"},
       "A report's label from --labels is empty.\n",
       1},
      {{"join-base.htm", "join-oos.htm", "--labels", "a:1,b"},
       "The label \"a:1\" from --labels holds a \":\" or a \",\"; give others with --labels.\n",
       1},
      {{"join-base.htm", "join-oos.htm", "--labels", "param,b"},
       "The label \"param\" from --labels would read as a parameter's key; give others with "
       "--labels.\n",
       1},
      {{"join-base.htm", notAReport},
       "No results table found in " + notAReport + ": it is not an MT4 optimization report.\n",
       1},
      {{"join-base.htm", (dir.Path() / "missing.htm").string()}, "", 1},
      {{"join-base.htm", "join-oos.htm", "--sort", "oos:prof:desc"},
       "join: unknown sort column oos:prof; see 'kvl-ridavu-cli join --help'\n",
       2},
      {{"join-base.htm", "join-oos.htm", "--top", "2"},
       "join: missing --dir DIR; see 'kvl-ridavu-cli join --help'\n",
       2},
      {{"join-base.htm", "join-oos.htm", "--name", "{index}.set"},
       "join: --name goes with --top N --dir DIR; see 'kvl-ridavu-cli join --help'\n",
       2},
      {{"join-base.htm", "join-oos.htm", "--top", "2", "--dir", "x", "--limit", "1"},
       "join: --limit lists; it does not go with --top; see 'kvl-ridavu-cli join --help'\n",
       2},
      {{"join-base.htm"}, "join: OTHER is required; see 'kvl-ridavu-cli join --help'\n", 2},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool(JoinArgs(c.args));
    EXPECT_EQ(run.status, c.status) << testing::PrintToString(c.args);
    EXPECT_EQ(run.out, "") << testing::PrintToString(c.args);
    if (c.message.empty()) {
      EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;  // the system's reason varies
    } else {
      EXPECT_EQ(run.err, ToolMessages(c.message)) << testing::PrintToString(c.args);
    }
  }
}

}  // namespace
