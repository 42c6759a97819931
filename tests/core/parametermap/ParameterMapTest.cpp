#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include <core/CellConvert.h>
#include <core/parametermap/ExactDecimal.h>
#include <core/parametermap/ParameterMap.h>
#include <core/sort/RowOrder.h>

#include "MapReport.h"

using namespace kvl::core;

namespace {

constexpr int kProfit = 1;
constexpr int kDrawdown = 5;

// X and Y over 1..2 with Z free; the cell X=2, Y=2 holds no pass, and one pass of X=1, Y=2 has a
// profit that does not convert. Passes 3 and 4 tie on profit.
std::vector<MapPass> TwoByTwo() {
  const auto pass = [](int x, int y, int z, std::string profit, std::string drawdown) {
    return MapPass{
        Title({{"X", std::to_string(x)}, {"Y", std::to_string(y)}, {"Z", std::to_string(z)}}),
        std::move(profit), std::move(drawdown)};
  };
  return {pass(1, 1, 1, "10.00", "1.00"), pass(1, 1, 2, "30.5", "5.00"),
          pass(2, 1, 1, "-4.00", "3.00"), pass(2, 1, 2, "-4.0", "2.00"),
          pass(1, 2, 1, "7.00", "1.00"),  pass(1, 2, 2, "oops", "4.00")};
}

struct AggregateCase {
  std::string name;
  int column;
  MapAggregate aggregate;
  // Cells (X=1,Y=1), (X=2,Y=1), (X=1,Y=2), (X=2,Y=2) as "figure@best pass".
  std::vector<std::string> cells;
};

class AggregateTest : public testing::TestWithParam<AggregateCase> {};

TEST_P(AggregateTest, EachCellShowsItsFigureAndTheBestPass) {
  const AggregateCase& c = GetParam();
  MapReport report(TwoByTwo());
  // The map finds each pass's cells through its number, whatever order a sort lists the rows in.
  RowOrder order(4);
  SortRows(report.table, kProfit, true, order);
  const ParameterSpace space = ParameterSpace::Read(report.table, report.count);
  const ColumnValues values = ColumnValues::Read(report.table, report.count, c.column);
  const ParameterMap map = BuildParameterMap(space, values, 0, 1, c.aggregate);
  ASSERT_EQ(map.columns, 2u);
  ASSERT_EQ(map.rows, 2u);
  std::vector<std::string> cells;
  for (std::size_t y = 0; y < 2; ++y) {
    for (std::size_t x = 0; x < 2; ++x) {
      cells.push_back(map.At(x, y).figure.text + "@" + std::to_string(map.At(x, y).bestPass));
    }
  }
  EXPECT_EQ(cells, c.cells);
  EXPECT_EQ(map.At(0, 0).passes, 2u);
  EXPECT_EQ(map.At(1, 1).passes, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AggregateTest,
    testing::Values(
        AggregateCase{"Max", kProfit, MapAggregate::kMax, {"30.5@2", "-4.00@3", "@5", "@0"}},
        AggregateCase{"Min", kProfit, MapAggregate::kMin, {"10.00@1", "-4.00@3", "@5", "@0"}},
        AggregateCase{"Mean", kProfit, MapAggregate::kMean, {"20.25@2", "-4.00@3", "@5", "@0"}},
        AggregateCase{"Count", kProfit, MapAggregate::kCount, {"2@2", "2@3", "2@5", "@0"}},
        // A lower drawdown is the better one; max and min still choose the pass they show.
        AggregateCase{
            "DrawdownMean", kDrawdown, MapAggregate::kMean, {"3.00@1", "2.50@4", "2.50@5", "@0"}},
        AggregateCase{
            "DrawdownMax", kDrawdown, MapAggregate::kMax, {"5.00@2", "3.00@3", "4.00@6", "@0"}}),
    [](const testing::TestParamInfo<AggregateCase>& param) { return param.param.name; });

TEST(ParameterMap, FiguresCarryTheirNumbersForTheColourScale) {
  const MapReport report(TwoByTwo());
  const ParameterSpace space = ParameterSpace::Read(report.table, report.count);
  const ColumnValues values = ColumnValues::Read(report.table, report.count, kProfit);
  EXPECT_DOUBLE_EQ(
      BuildParameterMap(space, values, 0, 1, MapAggregate::kMax).At(0, 0).figure.number, 30.5);
  EXPECT_DOUBLE_EQ(
      BuildParameterMap(space, values, 1, 0, MapAggregate::kCount).At(0, 1).figure.number, 2.0);
  EXPECT_THROW(BuildParameterMap(space, values, 1, 1, MapAggregate::kMax), std::invalid_argument);
}

TEST(ParameterMap, OneOptimizedParameterGivesAProfile) {
  const auto pass = [](std::string x, std::string profit) {
    return MapPass{Title({{"Lots", "0.1"}, {"Period", std::move(x)}}), std::move(profit)};
  };
  const MapReport report({pass("14", "3.00"), pass("7", "5.00"), pass("21", "-1.00"),
                          pass("14", "9.00"), pass("7", "7.00"), pass("14", "3.00")});
  const ParameterSpace space = ParameterSpace::Read(report.table, report.count);
  ASSERT_EQ(space.Optimized().size(), 1u);
  const ColumnValues values = ColumnValues::Read(report.table, report.count, kProfit);
  std::vector<std::string> profile;
  for (const ProfilePoint& point : BuildProfile(space, values, 0)) {
    profile.push_back(point.min.text + " " + point.mean.text + " " + point.max.text + " " +
                      std::to_string(point.passes));
  }
  EXPECT_EQ(profile, (std::vector<std::string>{"5.00 6.00 7.00 2", "3.00 5.00 9.00 3",
                                               "-1.00 -1.00 -1.00 1"}));
  const ParameterMap overX = BuildParameterMap(space, values, 0, std::nullopt, MapAggregate::kMean);
  EXPECT_EQ(overX.rows, 1u);
  EXPECT_EQ(overX.At(1, 0).figure.text, "5.00");
}

TEST(RowOrder, FindsTheRowAPassStandsInAfterASort) {
  const MapReport report(TwoByTwo());
  // Smallest first: passes 3 and 4 (-4.00, -4.0), 1 (10.00), 2 (30.5).
  RowOrder order(4);
  SortRows(report.table, kProfit, false, order);
  std::vector<std::size_t> rowOfPass;
  for (std::size_t pass = 1; pass <= 4; ++pass) {
    rowOfPass.push_back(order.RowOf(PassNumber{pass}).value().value);
  }
  EXPECT_EQ(rowOfPass, (std::vector<std::size_t>{2, 3, 0, 1}));
  EXPECT_EQ(order.RowOf(PassNumber{0}), std::nullopt);
  EXPECT_EQ(order.RowOf(PassNumber{5}), std::nullopt);
  // The table keeps each pass in its slot: its parameters and cells are found by its number.
  EXPECT_EQ(report.table[SlotOf(order.PassAt(Row{0}))].Profit, "-4.00");
  EXPECT_EQ(report.table[SlotOf(order.PassAt(Row{3}))].Profit, "30.5");
}

TEST(ParameterMap, AggregatesHaveTheirCommandLineNames) {
  for (const MapAggregate aggregate :
       {MapAggregate::kMax, MapAggregate::kMean, MapAggregate::kMin, MapAggregate::kCount}) {
    EXPECT_EQ(AggregateNamed(AggregateName(aggregate)), aggregate);
  }
  EXPECT_EQ(AggregateNamed("median"), std::nullopt);
}

TEST(ExactDecimal, PlainDecimalsAreHeldExactlyAndOthersAreNot) {
  const std::vector<std::pair<std::string, std::optional<std::int64_t>>> cases = {
      {"55.10", 551000},
      {"-20.5", -205000},
      {" +3 ", 30000},
      {".", 0},
      {"1.", 10000},
      {"0.0001", 1},
      {"999999999.9999", 9999999999999},
      {"1.00001", {}},
      {"1000000000", {}},
      {"15e-1", {}},
      {"1,5", {}},
      {"", {}},
      {"-", {}},
      // The terminal's own form, [-]digits.dd, and texts that end as it does.
      {"-123456789.05", -1234567890500},
      {"1234567890.00", {}},
      {"-.25", -2500},
      {"1-2.00", {}},
      {"--1.00", {}},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(TenThousandths(text), expected) << text;
}

// The column reads plain decimals from their ten-thousandths; the value must be the very one
// CellToFloat gives, to the last bit, or sorts and maps would disagree.
TEST(ExactDecimal, APlainDecimalDividedByTenThousandIsWhatCellToFloatReads) {
  std::vector<std::string> texts = {"-0.00", "0.1",  "-0.3",           "1.",  ".5",
                                    " 7 ",   "+3.3", "999999999.9999", "1.0", "-123456789.0001"};
  for (int hundredths = -300000; hundredths <= 300000; hundredths += 7) {
    const int whole = hundredths / 100;
    const int cents = hundredths < 0 ? -(hundredths % 100) : hundredths % 100;
    const std::string sign = hundredths < 0 && whole == 0 ? "-" : "";
    texts.push_back(sign + std::to_string(whole) + "." + (cents < 10 ? "0" : "") +
                    std::to_string(cents));
  }
  for (std::int64_t digits = 1; digits < 10000000000000; digits = digits * 3 + 1) {
    texts.push_back(std::to_string(digits / 10000) + "." +
                    std::to_string(10000 + digits % 10000).substr(1));
  }
  for (const std::string& text : texts) {
    const std::optional<std::int64_t> exact = TenThousandths(text);
    ASSERT_TRUE(exact) << text;
    const long double value = static_cast<long double>(*exact) / kTenThousand;
    const long double read = CellToFloat(text);
    EXPECT_EQ(value, read) << text;
    EXPECT_EQ(std::signbit(value), std::signbit(read)) << text;
  }
}

TEST(ExactDecimal, AMeanHalfwayBetweenHundredthsRoundsAwayFromZero) {
  // 55.10 + 20.00 + 40.00 + 35.00 = 150.10, whose quarter 37.525 lies halfway.
  EXPECT_EQ(HundredthsText(MeanHundredths(1501000, 4)), "37.53");
  EXPECT_EQ(HundredthsText(MeanHundredths(-1501000, 4)), "-37.53");
  EXPECT_EQ(HundredthsText(MeanHundredths(1500999, 4)), "37.52");
  EXPECT_EQ(HundredthsText(MeanHundredths(-49, 1)), "0.00");
  EXPECT_EQ(HundredthsText(MeanHundredths(4000000, 3)), "133.33");
}

}  // namespace
