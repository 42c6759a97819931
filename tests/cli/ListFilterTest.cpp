#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include <cli/UsageError.h>
#include <cli/selection/WhereCondition.h>

#include "ListingText.h"
#include "RunTool.h"
#include "TestFiles.h"
#include "ToolMessages.h"

using namespace kvl::core;
using namespace kvl::cli;

namespace {

using Comparison = WhereCondition::Comparison;

TEST(ParseWhereConditionTest, ReadsAColumnOrParameterAnOperatorAndANumber) {
  struct Case {
    const char* text;
    std::string cell;
    std::string parameter;
    Comparison comparison;
    long double number;
  };
  const Case cases[] = {
      {"trades>=100", "trades", "", Comparison::kGreaterOrEqual, 100},
      {"drawdown-percent<20", "drawdown-percent", "", Comparison::kLess, 20},
      {"profit-factor>1.3", "profit-factor", "", Comparison::kGreater, 1.3L},
      {"profit<=-5", "profit", "", Comparison::kLessOrEqual, -5},
      {"index!=7", "index", "", Comparison::kNotEqual, 7},
      {"param:Lots=0.1", "param:Lots", "Lots", Comparison::kEqual, 0.1L},
      {" trades >= 1e2 ", "trades", "", Comparison::kGreaterOrEqual, 100},
      {"param: Stop Loss =15E-1", "param:Stop Loss", "Stop Loss", Comparison::kEqual, 1.5L},
      // A parameter's name given in UTF-8 is compared in the code page the report's texts use.
      {"param:Уровень>.5", "param:Уровень", "\xD3\xF0\xEE\xE2\xE5\xED\xFC", Comparison::kGreater,
       0.5L},
  };
  for (const Case& c : cases) {
    const WhereCondition condition = ParseWhereCondition(c.text);
    EXPECT_EQ(condition.cell, c.cell) << c.text;
    EXPECT_EQ(condition.parameter, c.parameter) << c.text;
    EXPECT_EQ(condition.column == nullptr, !c.parameter.empty()) << c.text;
    if (condition.column != nullptr) {
      EXPECT_EQ(condition.column->name, c.cell) << c.text;
    }
    EXPECT_EQ(condition.comparison, c.comparison) << c.text;
    EXPECT_EQ(condition.number, c.number) << c.text;
  }
}

TEST(ParseWhereConditionTest, RefusesAnythingElseShowingTheAcceptedForm) {
  for (const char* text :
       {"", "trades", "trades 100", "trades>", "trades>>100", "trades=>100", "trades==100",
        "trades!100", "trades>=abc", "trades>=1,5", "trades>=5%", ">=100", "volume>=100",
        "params>1", "Trades>=100", "param:>1", "param: =1"}) {
    try {
      ParseWhereCondition(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const UsageError& error) {
      EXPECT_NE(std::string(error.what()).find("is not COLUMN OP NUMBER"), std::string::npos)
          << error.what();
    }
  }
}

TEST(SatisfiesTest, ComparesTheOperandWithTheNumber) {
  const std::vector<std::pair<const char*, std::vector<bool>>> cases = {
      // operands 1, 2, 3 against 2
      {"index<2", {true, false, false}}, {"index<=2", {true, true, false}},
      {"index>2", {false, false, true}}, {"index>=2", {false, true, true}},
      {"index=2", {false, true, false}}, {"index!=2", {true, false, true}},
  };
  for (const auto& [text, expected] : cases) {
    const WhereCondition condition = ParseWhereCondition(text);
    for (int operand = 1; operand <= 3; ++operand) {
      EXPECT_EQ(Satisfies(condition, operand), expected[operand - 1]) << text << " " << operand;
    }
  }
}

// report-cp1251.htm: pass 5's profit is "87,40" and pass 6's profit factor is empty.
struct FilterCase {
  const char* name;
  std::vector<std::string> options;
  int status;
  std::vector<std::string> indexes;  // listed, when the command succeeds
  std::string err;

  friend void PrintTo(const FilterCase& c, std::ostream* out) { *out << c.name; }
};

class ListFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(ListFilterTest, ListsThePassesThatMeetEveryCondition) {
  const FilterCase& c = GetParam();
  std::vector<std::string> args = {"list", DataPath("report-cp1251.htm"), "--format", "tsv"};
  args.insert(args.end(), c.options.begin(), c.options.end());
  const ToolRun run = RunTool(args);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.err, ToolMessages(c.err));
  if (c.status == 0) {
    EXPECT_EQ(ListedIndexes(run.out), c.indexes);
  } else {
    EXPECT_EQ(run.out, "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, ListFilterTest,
    testing::Values(
        FilterCase{
            "OneColumn", {"--where", "trades>=38"}, 0, {"1", "2", "3", "6", "7", "10", "12"}, ""},
        FilterCase{"EveryConditionHolds",
                   {"--where", "trades>=38", "--where", "drawdown-percent<5"},
                   0,
                   {"1", "2", "6", "10", "12"},
                   ""},
        FilterCase{"Parameter", {"--where", "param:Lots=0.2"}, 0, {"4", "7", "9"}, ""},
        FilterCase{"NoneMatch", {"--where", "index>12"}, 0, {}, ""},
        // By drawdown the order is 7, 3, 10, 2, ...; pass 7 made 64 trades.
        FilterCase{"SortThenFilterThenLimit",
                   {"--limit", "3", "--where", "trades<60", "--sort", "drawdown:desc"},
                   0,
                   {"3", "10", "2"},
                   ""},
        FilterCase{"BadCell",
                   {"--where", "profit>0"},
                   1,
                   {},
                   "Row 5 (pass 5), profit: '87,40' is not a valid floating point value.\n"},
        FilterCase{"BadCellAfterASortIsNamedByRowAndPass",
                   {"--sort", "index:desc", "--where", "profit-factor>1"},
                   1,
                   {},
                   "Row 7 (pass 6), profit-factor: '' is not a valid floating point value.\n"},
        FilterCase{"ParameterThatIsNoNumber",
                   {"--where", "param:Comment=1"},
                   1,
                   {},
                   "Row 1 (pass 1), param:Comment: 'Пробой' is not a valid floating point "
                   "value.\n"},
        FilterCase{"MissingParameter",
                   {"--where", "param:LogFile=1"},
                   1,
                   {},
                   "Row 1 (pass 1), param:LogFile: the pass has no such parameter.\n"},
        FilterCase{"BadCellsSkipped",
                   {"--where", "profit>0", "--where", "profit-factor>1", "--skip-bad"},
                   0,
                   {"1", "2", "8", "10", "12"},
                   "Left out 2 rows whose cells do not convert.\n"},
        FilterCase{"NothingToSkip",
                   {"--where", "trades>60", "--skip-bad"},
                   0,
                   {"7", "12"},
                   "Left out 0 rows whose cells do not convert.\n"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ListFilterTest, EachRepeatedOptionTakesOneValueSoThatTheReportMayFollow) {
  const ToolRun run = RunTool({"list", "--where", "trades>=60", "--sort", "index:desc",
                               DataPath("report-cp1251.htm"), "--format", "tsv"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ListedIndexes(run.out), (std::vector<std::string>{"12", "7"}));
}

}  // namespace
