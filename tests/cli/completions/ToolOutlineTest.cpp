#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <cli/HelpFormatter.h>

#include "ToolOutline.h"

namespace {

using kvl::completions::OutlineOf;
using kvl::completions::ToolOutline;
using kvl::completions::ValueCompletion;
using kvl::completions::ValueKind;

// The completion of the option --value of the command "run", whose usage line is "run
// `synopsis`" and whose help names the value `valueName`.
ValueCompletion CompletionOfValue(const std::string& synopsis, const std::string& valueName) {
  CLI::App tool("", "tool");
  CLI::App* command = tool.add_subcommand("run");
  kvl::cli::UseHelpLayout(*command, synopsis);
  std::string value;
  command->add_option("--value", value)->type_name(valueName);
  return *OutlineOf(tool).commands.at(0).options.back().value;
}

struct ValueCase {
  const char* name;
  std::string synopsis;
  std::string valueName;
  ValueKind kind;
  std::vector<std::string> words;

  friend void PrintTo(const ValueCase& c, std::ostream* out) { *out << c.name; }
};

class ValueCompletionTest : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueCompletionTest, ComesFromTheUsageLineOrTheValuesName) {
  const ValueCase& c = GetParam();
  const ValueCompletion completion = CompletionOfValue(c.synopsis, c.valueName);
  EXPECT_EQ(completion.kind, c.kind);
  EXPECT_EQ(completion.words, c.words);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueCompletionTest,
    testing::Values(ValueCase{"UsageAlternatives",
                              "[--value one|two-words|3]",
                              "MODE",
                              ValueKind::kWords,
                              {"one", "two-words", "3"}},
                    ValueCase{"AlternativesOfALongerOption",
                              "[--values a|b] [--value FILE.set]",
                              "FILE.set",
                              ValueKind::kFiles,
                              {"set"}},
                    ValueCase{"Directory", "--value DIR", "DIR", ValueKind::kDirectories, {}},
                    ValueCase{"Number", "--value N", "N", ValueKind::kFreeText, {}},
                    ValueCase{"FigureColumnsLeaveOutTheIndex",
                              "[--value COLUMN]",
                              "COLUMN",
                              ValueKind::kWords,
                              {"profit", "trades", "profit-factor", "expected-payoff", "drawdown",
                               "drawdown-percent"}},
                    ValueCase{
                        "SortsOfEveryColumn",
                        "[--value COLUMN:desc|asc]...",
                        "COLUMN:desc|asc",
                        ValueKind::kWords,
                        {"index:desc", "index:asc", "profit:desc", "profit:asc", "trades:desc",
                         "trades:asc", "profit-factor:desc", "profit-factor:asc",
                         "expected-payoff:desc", "expected-payoff:asc", "drawdown:desc",
                         "drawdown:asc", "drawdown-percent:desc", "drawdown-percent:asc"}},
                    ValueCase{"ConditionStarts",
                              "[--value \"COLUMN OP NUMBER\"]...",
                              "\"COLUMN OP NUMBER\"",
                              ValueKind::kConditionStarts,
                              {"index", "profit", "trades", "profit-factor", "expected-payoff",
                               "drawdown", "drawdown-percent", "param:"}}),
    [](const testing::TestParamInfo<ValueCase>& named) { return named.param.name; });

TEST(ToolOutlineTest, FailsForAValueItCannotComplete) {
  try {
    CompletionOfValue("[--value PATH]", "PATH");
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_TRUE(std::string(error.what()).starts_with("run --value takes PATH:")) << error.what();
  }
}

TEST(ToolOutlineTest, HoldsTheCommandsOptionsAndArgumentsInOrder) {
  CLI::App tool("", "tool");
  CLI::App* command = tool.add_subcommand("run", "runs it");
  bool force = false;
  std::vector<std::string> sorts;
  std::string report;
  std::string pass;
  command->add_flag("--force", force, "replace files");
  command->add_option("--sort", sorts)
      ->type_name("COLUMN:desc|asc")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  command->add_option("REPORT", report)->required();
  command->add_option("PASS", pass);

  const ToolOutline outline = OutlineOf(tool);
  EXPECT_EQ(outline.name, "tool");
  ASSERT_EQ(outline.options.size(), 1u);
  EXPECT_EQ(outline.options[0].names, (std::vector<std::string>{"-h", "--help"}));
  EXPECT_FALSE(outline.options[0].value);
  ASSERT_EQ(outline.commands.size(), 1u);
  const auto& run = outline.commands[0];
  EXPECT_EQ(run.description, "runs it");
  ASSERT_EQ(run.options.size(), 3u);
  EXPECT_EQ(run.options[1].names, std::vector<std::string>{"--force"});
  EXPECT_FALSE(run.options[1].value);
  EXPECT_FALSE(run.options[1].repeats);
  EXPECT_EQ(run.options[2].valueName, "COLUMN:desc|asc");
  EXPECT_TRUE(run.options[2].repeats);
  ASSERT_EQ(run.arguments.size(), 2u);
  EXPECT_EQ(run.arguments[0].name, "REPORT");
  EXPECT_TRUE(run.arguments[0].required);
  EXPECT_EQ(run.arguments[0].value.kind, ValueKind::kFiles);
  EXPECT_EQ(run.arguments[0].value.words, (std::vector<std::string>{"htm", "html"}));
  EXPECT_EQ(run.arguments[1].name, "PASS");
  EXPECT_FALSE(run.arguments[1].required);
  EXPECT_EQ(run.arguments[1].value.kind, ValueKind::kFreeText);
}

}  // namespace
