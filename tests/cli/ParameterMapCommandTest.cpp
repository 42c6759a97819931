#include <gtest/gtest.h>

#include <cctype>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "RunTool.h"
#include "TestFiles.h"
#include "ToolMessages.h"

using namespace kvl::core;

namespace {

struct OutputCase {
  std::vector<std::string> args;  // the report's path goes after the command
  std::string expected;           // a file of tests/data
  std::string report = "map-report.htm";
};

// Names each case by its arguments, so that a failure says which command failed.
template <class Case>
std::string ArgumentsName(const testing::TestParamInfo<Case>& info) {
  std::string name;
  for (const std::string& arg : info.param.args) {
    for (const char c : arg) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    name += '_';
  }
  return name + std::to_string(info.index);
}

class ParameterMapOutputTest : public testing::TestWithParam<OutputCase> {};

TEST_P(ParameterMapOutputTest, WritesTheExpectedFile) {
  std::vector<std::string> args = GetParam().args;
  args.insert(args.begin() + 1, DataPath(GetParam().report));
  const ToolRun run = RunTool(args);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, ReadBytes(DataPath(GetParam().expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParameterMapOutputTest,
    testing::Values(
        OutputCase{{"params"}, "map-report-params.txt"},
        OutputCase{{"params", "--format", "json"}, "map-report-params.json"},
        // Values with commas, tabs and backslashes, more than 20 values, each reason to leave a
        // pass out.
        OutputCase{{"params"}, "params-report-params.txt", "params-report.htm"},
        OutputCase{
            {"params", "--format", "json"}, "params-report-params.json", "params-report.htm"},
        // Means of values too large for any float to hold exactly.
        OutputCase{
            {"map", "--x", "A"}, "map-large-report-profile-table.txt", "map-large-report.htm"},
        OutputCase{{"map", "--x", "A", "--format", "json"},
                   "map-large-report-profile.json",
                   "map-large-report.htm"},
        OutputCase{{"map", "--x", "Period", "--y", "UseTrailing", "--format", "tsv"},
                   "map-report-max.tsv"},
        OutputCase{{"map", "--x", "Period", "--y", "UseTrailing", "--agg", "mean"},
                   "map-report-mean-table.txt"},
        OutputCase{
            {"map", "--x", "Period", "--y", "UseTrailing", "--agg", "min", "--format", "csv"},
            "map-report-min.csv"},
        OutputCase{
            {"map", "--x", "Period", "--y", "UseTrailing", "--agg", "count", "--format", "json"},
            "map-report-count.json"},
        OutputCase{{"map", "--x", "Period", "--format", "tsv"}, "map-report-profile.tsv"},
        OutputCase{{"map", "--x", "Period", "--format", "json"}, "map-report-profile.json"},
        OutputCase{{"map", "--x", "Period", "--column", "drawdown"},
                   "map-report-profile-drawdown-table.txt"},
        OutputCase{{"list", "--robust", "profit", "--sort", "profit-min:desc", "--format", "tsv"},
                   "map-report-robust.tsv"},
        OutputCase{
            {"list", "--robust", "drawdown", "--sort", "drawdown-mean:asc", "--format", "json"},
            "map-report-robust-drawdown.json"},
        OutputCase{{"list", "--robust", "profit"}, "map-report-robust-table.txt"},
        OutputCase{{"list", "--inputs", "--format", "tsv"}, "map-report-inputs.tsv"},
        OutputCase{{"list", "--inputs", "--format", "csv"}, "map-report-inputs.csv"},
        OutputCase{{"list", "--inputs", "--format", "json"}, "map-report-inputs.json"}),
    ArgumentsName<OutputCase>);

struct ErrorCase {
  std::vector<std::string> args;
  int status;
  std::string errStart;  // the first line of standard error begins so, after the program's name
};

class ParameterMapErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(ParameterMapErrorTest, FailsWithOneLine) {
  std::vector<std::string> args = GetParam().args;
  args.insert(args.begin() + 1, DataPath("map-report.htm"));
  const ToolRun run = RunTool(args);
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(run.err.starts_with(ToolMessages(GetParam().errStart))) << run.err;
  if (GetParam().status == 1) {
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParameterMapErrorTest,
    testing::Values(
        ErrorCase{{"map", "--x", "Periods"},
                  1,
                  "--x Periods: no such parameter; the optimized parameters are Period, "
                  "UseTrailing, the constant ones Lots, Comment.\n"},
        ErrorCase{{"map", "--x", "Period", "--y", "Comment"},
                  1,
                  "--y Comment: the parameter is constant (Тест in every pass); the optimized "
                  "parameters are Period, UseTrailing.\n"},
        ErrorCase{{"map", "--x", "Period", "--y", "Period"}, 2, "map: --x and --y"},
        ErrorCase{{"map", "--x", "Period", "--column", "index"}, 2, "map: unknown column index"},
        ErrorCase{{"map", "--x", "Period", "--agg", "median"}, 2, "map: unknown aggregate median"},
        ErrorCase{{"list", "--sort", "profit-min:desc"},
                  2,
                  "list: profit-min: a neighbourhood figure, which --robust profit adds"},
        ErrorCase{{"list", "--robust", "index"}, 2, "list: --robust index"}),
    ArgumentsName<ErrorCase>);

// A program reads every value as it stands, commas and all.
TEST(ParameterMapCommand, ParamsJsonParsesWithEveryValue) {
  const ToolRun run = RunTool({"params", DataPath("params-report.htm"), "--format", "json"});
  ASSERT_EQ(run.status, 0);
  const nlohmann::json json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json.at("parameters").at(0).at("values").size(), 22u);
  EXPECT_EQ(json.at("parameters").at(1).at("values"),
            (std::vector<std::string>{"USDJPY", "EURUSD,GBPUSD"}));
  EXPECT_EQ(json.at("parameters").at(2).at("values"),
            (std::vector<std::string>{"C:\\x", "x, y", "a\tb"}));
  EXPECT_EQ(json.at("leftOut").size(), 4u);
}

TEST(ParameterMapCommand, WhereKeepsThePassesWhoseNeighbourhoodMeetsTheCondition) {
  const ToolRun run = RunTool({"list", DataPath("map-report.htm"), "--robust", "profit", "--where",
                               "profit-min>0", "--format", "tsv"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, ReadBytes(DataPath("map-report-robust-where.tsv")));
}

TEST(ParameterMapCommand, AReportWithoutOptimizedParametersSaysSo) {
  const TempDir dir;
  std::string report = ReadBytes(DataPath("map-report.htm"));
  // Every pass but the broken one gets the same combination.
  for (const std::string from : {"Period=10", "Period=30"}) {
    for (std::size_t at; (at = report.find(from)) != std::string::npos;) {
      report.replace(at, from.size(), "Period=20");
    }
  }
  for (std::size_t at; (at = report.find("UseTrailing=false;")) != std::string::npos;) {
    report.replace(at, 18, "UseTrailing=true;");
  }
  const ToolRun run = RunTool({"map", dir.Write("same.htm", report), "--x", "Period"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, ToolMessages("The report has no optimized parameters: every pass has the same "
                                  "values.\n"));
}

}  // namespace
