#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <cli/UsageError.h>
#include <cli/selection/WhereCondition.h>

#include "ListingText.h"
#include "ReportListingTest.h"
#include "ReportText.h"
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

// The figures are named as --robust names them: a column number, which --sort also takes, names
// none, and the index has none.
TEST(ParseWhereConditionTest, NamesAFigureByItsColumnsNameOnly) {
  EXPECT_EQ(ParseWhereCondition("profit-min>0").figureColumn, "profit-min");
  EXPECT_EQ(ParseWhereCondition("trades-neighbours>=2").figureColumn, "trades-neighbours");
  EXPECT_EQ(ParseWhereCondition("drawdown-percent-mean<5").figureColumn, "drawdown-percent-mean");
  for (const char* text : {"1-min>0", "2-neighbours>=2", "6-mean<1", "index-min>0"}) {
    EXPECT_THROW(ParseWhereCondition(text), UsageError) << text;
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

constexpr const char* kUnknownLot =
    "--where param:Lot: no such parameter; the optimized parameters are TakeProfit, StopLoss, "
    "Lots, Comment, the constant ones none.\n";

INSTANTIATE_TEST_SUITE_P(
    Conditions, ReportListingTest,
    testing::Values(
        ListingCase{
            "OneColumn", {"--where", "trades>=38"}, 0, {"1", "2", "3", "6", "7", "10", "12"}, ""},
        ListingCase{"EveryConditionHolds",
                    {"--where", "trades>=38", "--where", "drawdown-percent<5"},
                    0,
                    {"1", "2", "6", "10", "12"},
                    ""},
        ListingCase{"Parameter", {"--where", "param:Lots=0.2"}, 0, {"4", "7", "9"}, ""},
        ListingCase{"NoneMatch", {"--where", "index>12"}, 0, {}, ""},
        // By drawdown the order is 7, 3, 10, 2, ...; pass 7 made 64 trades.
        ListingCase{"SortThenFilterThenLimit",
                    {"--limit", "3", "--where", "trades<60", "--sort", "drawdown:desc"},
                    0,
                    {"3", "10", "2"},
                    ""},
        ListingCase{"BadCell",
                    {"--where", "profit>0"},
                    1,
                    {},
                    "Row 5 (pass 5), profit: '87,40' is not a valid floating point value.\n"},
        ListingCase{"BadCellAfterASortIsNamedByRowAndPass",
                    {"--sort", "index:desc", "--where", "profit-factor>1"},
                    1,
                    {},
                    "Row 7 (pass 6), profit-factor: '' is not a valid floating point value.\n"},
        ListingCase{"ParameterThatIsNoNumber",
                    {"--where", "param:Comment=1"},
                    1,
                    {},
                    "Row 1 (pass 1), param:Comment: 'Пробой' is not a valid floating point "
                    "value.\n"},
        ListingCase{"MissingParameter",
                    {"--where", "param:LogFile=1"},
                    1,
                    {},
                    "Row 1 (pass 1), param:LogFile: the pass has no such parameter.\n"},
        ListingCase{"UnknownParameter", {"--where", "param:Lot=0.1"}, 1, {}, kUnknownLot},
        ListingCase{"UnknownParameterIsNoRowToSkip",
                    {"--where", "trades>0", "--where", "param:Lot=0.1", "--skip-bad"},
                    1,
                    {},
                    kUnknownLot},
        ListingCase{"BadCellsSkipped",
                    {"--where", "profit>0", "--where", "profit-factor>1", "--skip-bad"},
                    0,
                    {"1", "2", "8", "10", "12"},
                    "Left out 2 rows whose cells do not convert.\n"},
        ListingCase{"NothingToSkip",
                    {"--where", "trades>60", "--skip-bad"},
                    0,
                    {"7", "12"},
                    "Left out 0 rows whose cells do not convert.\n"}),
    ListingCaseName);

// A pass's inputs are read trimmed of blanks, as params and map read them.
TEST(ListFilterTest, ReadsParametersTrimmedOfBlanks) {
  const TempDir dir;
  const std::string report =
      dir.Write("blanks.htm",
                ReportText({{"1", "A =3; B=2\t; ", "1.00", "1", "1.00", "1.00", "1.00", "1.00"},
                            {"2", "\tA=4; B= 1 ; ", "2.00", "1", "1.00", "1.00", "1.00", "1.00"}}));
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"param:A=3", {"1"}}, {"param:A>3", {"2"}}, {"param:B=2", {"1"}}, {"param:B<2", {"2"}}};
  for (const auto& [condition, indexes] : cases) {
    const ToolRun run = RunTool({"list", report, "--format", "tsv", "--where", condition});
    EXPECT_EQ(run.status, 0) << condition;
    EXPECT_EQ(run.err, "") << condition;
    EXPECT_EQ(ListedIndexes(run.out), indexes) << condition;
  }
}

TEST(ListFilterTest, EachRepeatedOptionTakesOneValueSoThatTheReportMayFollow) {
  const ToolRun run = RunTool({"list", "--where", "trades>=60", "--sort", "index:desc",
                               DataPath("report-cp1251.htm"), "--format", "tsv"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ListedIndexes(run.out), (std::vector<std::string>{"12", "7"}));
}

}  // namespace
