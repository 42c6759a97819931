// The loader's row scan and the plain reference parser on the same lines: both must cut them
// into the same fields.
#include <gtest/gtest.h>

#include <core/ReportRowScan.h>

#include "ReferenceParser.h"

using namespace kvl::core;

namespace {

struct RowParser {
  const char* name;
  PassRecord (*parse)(std::string_view line);
};

class ReportRowTest : public testing::TestWithParam<RowParser> {};

TEST_P(ReportRowTest, WorkedExample) {
  const PassRecord row = GetParam().parse(
      "<tr><td title=\"A=1; B=2; \">3</td><td class=mspt>150.00</td><td>12</td>"
      "<td class=mspt>1.50</td><td class=mspt>12.50</td><td class=mspt>40.00</td>"
      "<td class=mspt>2.10</td></tr>");
  EXPECT_EQ(row.Index, "");
  EXPECT_EQ(row.Params, "A=1; B=2; \">3");
  EXPECT_EQ(row.Profit, "150.00");
  EXPECT_EQ(row.Trades, "12");
  EXPECT_EQ(row.ProfitFactor, "1.50");
  EXPECT_EQ(row.ExpectedPayoff, "12.50");
  EXPECT_EQ(row.DrawdownMoney, "40.00");
  EXPECT_EQ(row.DrawdownPercent, "2.10");
}

// Each case lists Params and the six cells, Profit to DrawdownPercent.
TEST_P(ReportRowTest, LinesWithoutTheUsualMarkers) {
  struct Case {
    std::string_view line;
    std::string_view params, profit, trades, factor, payoff, money, percent;
  };
  const Case cases[] = {
      {"", "", "", "", "", "", "", ""},
      {"</table>", "", "", "", "", "", "", ""},
      {"<tr><td>3</td><td class=mspt>150.00</td>", "", "", "", "", "", "", ""},
      // Without "<td class=mspt>" the cells start at the 15th byte.
      {"<tr align=right><td>\xCF\xF0\xEE\xF5\xEE\xE4</td><td>X</td></tr>",
       "right><td>\xCF\xF0\xEE\xF5\xEE\xE4", "t><td>\xCF\xF0\xEE\xF5\xEE\xE4", "", "", "", "", ""},
      // A missing separator empties its cell and every later one.
      {"<td class=mspt>5</td><td>7</td>", "mspt>5", "5", "", "", "", "", ""},
      {"<td class=mspt>5</td><td>7</td><td class=mspt>8</td><td class=mspt>9</td>"
       "<td class=mspt>10</td><td class=mspt>11</td>",
       "mspt>5", "5", "7", "8", "9", "10", "11"},
      // The title ends at the line's first "</td>", which here stands before it.
      {"<td>x</td><td title=\"a=1;\">1</td>", "", "", "", "", "", "", ""},
      // Without a title the text runs from the 11th byte to the first "</td>".
      {"<tr align=right><td>P=1;</td>", "right><td>P=1;", "", "", "", "", "", ""},
      // An empty cell stays empty; the next separator opens the next cell.
      {"<td title=\"a\">1</td><td class=mspt></td><td>0</td><td class=mspt>0.00</td>", "a\">1", "",
       "0", "", "", "", ""},
  };
  for (const Case& c : cases) {
    const PassRecord row = GetParam().parse(c.line);
    SCOPED_TRACE(std::string(c.line));
    EXPECT_EQ(row.Index, "");
    EXPECT_EQ(row.Params, c.params);
    EXPECT_EQ(row.Profit, c.profit);
    EXPECT_EQ(row.Trades, c.trades);
    EXPECT_EQ(row.ProfitFactor, c.factor);
    EXPECT_EQ(row.ExpectedPayoff, c.payoff);
    EXPECT_EQ(row.DrawdownMoney, c.money);
    EXPECT_EQ(row.DrawdownPercent, c.percent);
  }
}

INSTANTIATE_TEST_SUITE_P(Parsers, ReportRowTest,
                         testing::Values(RowParser{"Scan", ScanReportRow},
                                         RowParser{"Reference", ParseReportRow}),
                         [](const testing::TestParamInfo<RowParser>& parser) {
                           return std::string(parser.param.name);
                         });

}  // namespace
