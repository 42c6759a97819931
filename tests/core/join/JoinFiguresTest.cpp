#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <core/ReportFile.h>
#include <core/ReportLoader.h>
#include <core/join/JoinFigures.h>
#include <core/join/ReportJoin.h>
#include <core/join/TestedPeriod.h>

#include "ComparedReports.h"
#include "ReportGenerator.h"

using namespace kvl::core;

namespace {

// Two Julian years, and half of one: the other report's profit per year is four times its
// profit over the base's per year.
const std::string kBasePeriod = HourlyPeriod("2019.01.01 00:00", "2020.12.31 12:00");
const std::string kOtherPeriod = HourlyPeriod("2021.01.01 00:00", "2021.07.02 15:00");

// Pass k of each report has the input A=k.
std::vector<ComparedPass> ByInput(const std::vector<std::string>& profits) {
  std::vector<ComparedPass> passes;
  for (std::size_t k = 0; k < profits.size(); ++k) {
    passes.push_back({"A=" + std::to_string(k + 1) + "; ", profits[k]});
  }
  return passes;
}

struct FigureCase {
  std::string baseProfit;
  std::string otherProfit;
  std::string efficiency;
  std::string profitWorst;
};

TEST(JoinFiguresTest, EfficiencyAndProfitWorstOfEachRow) {
  const std::vector<FigureCase> cases = {
      {"400.00", "100.00", "1.00", "100.00"},
      {"300.00", "100.00", "1.33", "100.00"},
      {"300.00", "200", "2.67", "200"},
      // Exact halves, which a binary fraction would miss.
      {"800.00", "1.00", "0.01", "1.00"},
      {"800.00", "-1.00", "-0.01", "-1.00"},
      {"3", "0.00375", "0.01", "0.00375"},
      {"3", "0.003749", "0.00", "0.003749"},
      {"3", "-0.00375", "-0.01", "-0.00375"},
      {"0.01", "1000000.00", "400000000.00", "0.01"},
      {"1e2", "25", "1.00", "25"},
      {"5.00", "0.00", "0.00", "0.00"},
      {"0.00", "5.00", "", "0.00"},
      {"-5.00", "5.00", "", "-5.00"},
      // Equal profits: the first report's text.
      {"2.5", "2.50", "4.00", "2.5"},
      {"7.00", "x", "", ""},
  };
  std::vector<std::string> base;
  std::vector<std::string> other;
  for (const FigureCase& c : cases) {
    base.push_back(c.baseProfit);
    other.push_back(c.otherProfit);
  }
  const ComparedReports files({{kBasePeriod, ByInput(base)}, {kOtherPeriod, ByInput(other)}});
  ReportJoin join = ReportJoin::Inputs(files.reports, {});
  join.Match();
  ASSERT_EQ(join.RowCount(), cases.size());
  const JoinFigures figures(join, files.reports);
  for (std::size_t row = 0; row < cases.size(); ++row) {
    EXPECT_EQ(figures.Efficiency(row, 1), cases[row].efficiency) << row;
    EXPECT_EQ(figures.ProfitWorst(row), cases[row].profitWorst) << row;
  }
}

TEST(JoinFiguresTest, NoEfficiencyWithoutBothPeriodsOrWithoutAPass) {
  const std::vector<ComparedPass> passes = ByInput({"100.00", "200.00"});
  for (const auto& [basePeriod, otherPeriod] :
       {std::pair{kBasePeriod, std::string()}, std::pair{std::string(), kOtherPeriod}}) {
    const ComparedReports files({{basePeriod, passes}, {otherPeriod, passes}});
    ReportJoin join = ReportJoin::Inputs(files.reports, {});
    join.Match();
    const JoinFigures figures(join, files.reports);
    EXPECT_EQ(figures.Efficiency(0, 1), "");
    EXPECT_EQ(figures.ProfitWorst(1), "200.00");
  }
  const ComparedReports files({{kBasePeriod, ByInput({"100.00", "200.00"})},
                               {kOtherPeriod, ByInput({"50.00"})},
                               {kBasePeriod, ByInput({"1.00", "2.00"})}});
  ReportJoin join = ReportJoin::Inputs(files.reports, {{}, true});
  join.Match();
  const JoinFigures figures(join, files.reports);
  EXPECT_EQ(figures.Efficiency(0, 1), "2.00");
  EXPECT_EQ(figures.Efficiency(0, 2), "0.01");
  EXPECT_EQ(figures.ProfitWorst(0), "1.00");
  EXPECT_EQ(figures.Efficiency(1, 1), "");
  EXPECT_EQ(figures.Efficiency(1, 2), "0.01");
  EXPECT_EQ(figures.ProfitWorst(1), "");
}

struct BearOutCase {
  std::string name;
  std::vector<std::string> base;
  std::vector<std::string> other;
  std::size_t rows;
  std::optional<long double> rankCorrelation;
  std::size_t bestTenth;
  std::size_t bestTenthProfitable;
};

TEST(JoinFiguresTest, BearOutRanksAndTheBestTenth) {
  const std::vector<BearOutCase> cases = {
      {"ranks", {"10", "20", "30", "40", "50"}, {"1", "3", "2", "5", "4"}, 5, 0.8L, 1, 1},
      {"reversed", {"10", "20", "30"}, {"3", "2", "-1"}, 3, -1.0L, 1, 0},
      {"ties take their mean rank", {"1", "1", "2"}, {"1", "2", "2"}, 3, 0.5L, 1, 1},
      {"equal profits", {"1", "2", "3"}, {"4", "4", "4"}, 3, std::nullopt, 1, 1},
      {"one row", {"1"}, {"4"}, 1, std::nullopt, 1, 1},
      {"a profit that does not convert", {"1", "2", "3"}, {"1", "x", "2"}, 2, 1.0L, 1, 1},
      // Ranked as numbers with the plain decimals, not as texts.
      {"a profit that is not a plain decimal", {"1", "2e1", "3"}, {"1", "2", "3"}, 3, 0.5L, 1, 1},
      // Two of eleven: the best profit is shared by passes 2, 3 and 4, and the lower two count.
      {"best tenth",
       {"5", "9", "9", "9", "1", "1", "1", "1", "1", "1", "1"},
       {"1", "1", "0", "1", "1", "1", "1", "1", "1", "1", "1"},
       11,
       -0.46904157598234295L,  // -22 / sqrt(80 * 27.5) of the mean ranks
       2,
       1},
  };
  for (const BearOutCase& c : cases) {
    const ComparedReports files({{"", ByInput(c.base)}, {"", ByInput(c.other)}});
    ReportJoin join = ReportJoin::Inputs(files.reports, {});
    join.Match();
    const JoinFigures figures(join, files.reports);
    for (const OutOfSample& outcome : {BearOut(join, files.reports, 1), BearOut(figures, 1)}) {
      EXPECT_EQ(outcome.rows, c.rows) << c.name;
      ASSERT_EQ(outcome.rankCorrelation.has_value(), c.rankCorrelation.has_value()) << c.name;
      if (c.rankCorrelation) {
        EXPECT_NEAR(static_cast<double>(*outcome.rankCorrelation),
                    static_cast<double>(*c.rankCorrelation), 1e-15)
            << c.name;
      }
      EXPECT_EQ(outcome.bestTenth, c.bestTenth) << c.name;
      EXPECT_EQ(outcome.bestTenthProfitable, c.bestTenthProfitable) << c.name;
    }
  }
}

TEST(JoinFiguresTest, AReportJoinedWithItselfHoldsEveryPass) {
  TempDir dir;
  const std::string path = dir.Write("report.htm", GenerateReport(500, 7));
  PassTable table;
  ComparedReport report{&table, static_cast<std::size_t>(LoadReport(path, table)),
                        ReadTestedPeriod(ReadReportFile(path))};
  ASSERT_EQ(report.count, 500u);
  ASSERT_TRUE(report.period);
  const std::vector<ComparedReport> reports = {report, report};
  ReportJoin join = ReportJoin::Inputs(reports, {});
  join.Match();
  ASSERT_EQ(join.RowCount(), 500u);
  const JoinFigures figures(join, reports);
  std::size_t positive = 0;
  for (std::size_t row = 0; row < join.RowCount(); ++row) {
    EXPECT_EQ(join.BasePass(row), row + 1);
    EXPECT_EQ(join.PassOf(row, 1), row + 1);
    const std::string_view profit = table[row].Profit;
    EXPECT_EQ(figures.ProfitWorst(row), profit);
    const bool gains = std::stold(std::string(profit)) > 0;
    positive += gains ? 1 : 0;
    EXPECT_EQ(figures.Efficiency(row, 1), gains ? "1.00" : "") << profit;
  }
  EXPECT_GT(positive, 0u);
  const OutOfSample outcome = BearOut(join, reports, 1);
  EXPECT_EQ(outcome.rows, 500u);
  EXPECT_EQ(outcome.rankCorrelation, 1.0L);
  EXPECT_EQ(outcome.bestTenth, 50u);
  EXPECT_EQ(outcome.bestTenthProfitable, 50u);
}

}  // namespace
