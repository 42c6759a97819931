#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListingText.h"
#include "ReportText.h"
#include "RunTool.h"
#include "TestFiles.h"

namespace {

// Five passes over P and Q (1 to 3 each). Pass 5, P=3 and Q=3, stands alone: no pass has P=2 or
// Q=2 with it, and its profit is by far the highest. Pass 2 made 0x1A (26) trades, the lowest
// around pass 1.
class RobustColumnsTest : public testing::Test {
 protected:
  ToolRun List(const std::vector<std::string>& options) const {
    return ListAsTsv(report_, options);
  }

  // The figure columns of the listed pass numbered `index`, tab-separated.
  static std::string FiguresOf(const std::string& tsv, const std::string& index) {
    for (const std::string& line : Lines(tsv)) {
      if (line.starts_with(index + "\t")) {
        std::size_t at = 0;
        for (int field = 0; field < 7; ++field) at = line.find('\t', at) + 1;
        return line.substr(at);
      }
    }
    return "no such pass";
  }

  TempDir dir_;
  std::string report_ = dir_.Write(
      "lone.htm", ReportText({
                      {"1", "P=1; Q=1; ", "100.00", "30", "1.50", "1.00", "1.00", "1.00"},
                      {"2", "P=2; Q=1; ", "80.00", "0x1A", "1.50", "1.00", "1.00", "1.00"},
                      {"3", "P=1; Q=2; ", "60.00", "40", "1.50", "1.00", "1.00", "1.00"},
                      {"4", "P=3; Q=1; ", "50.00", "20", "1.50", "1.00", "1.00", "1.00"},
                      {"5", "P=3; Q=3; ", "900.00", "50", "1.50", "1.00", "1.00", "1.00"},
                  }));
};

// Its own profit would make a lone pass's worst neighbourhood the best of all.
TEST_F(RobustColumnsTest, APassWithoutNeighboursHasNoFiguresAndSortsLast) {
  const ToolRun run = List({"--robust", "profit", "--sort", "profit-min:desc"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ListedIndexes(run.out).back(), "5");
  EXPECT_EQ(FiguresOf(run.out, "5"), "0\t\t");
  EXPECT_EQ(FiguresOf(run.out, "3"), "1\t60.00\t80.00");
}

// The min of a trades neighbourhood is a trades cell, which may be hexadecimal as the column's
// own conversion reads it.
TEST_F(RobustColumnsTest, AFigureColumnConvertsAsItsSourceColumn) {
  const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
      {{"--sort", "trades-min:asc"}, {"2", "4", "1", "3", "5"}},
      {{"--where", "trades-min>=26"}, {"1", "3"}},
  };
  for (const auto& [options, indexes] : cases) {
    std::vector<std::string> args = {"--robust", "trades"};
    args.insert(args.end(), options.begin(), options.end());
    const ToolRun run = List(args);
    EXPECT_EQ(run.status, 0) << options[1] << ": " << run.err;
    EXPECT_EQ(ListedIndexes(run.out), indexes) << options[1];
  }
}

// A condition on a figure that a pass lacks does not hold: the robust recipe's neighbour count
// leaves lone passes out without asking for --skip-bad.
TEST_F(RobustColumnsTest, AConditionOnAMissingFigureDoesNotHold) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"profit-neighbours>=1", {"1", "2", "3", "4"}},
      {"profit-min<1000", {"1", "2", "3", "4"}},
      {"profit-mean!=0", {"1", "2", "3", "4"}},
  };
  for (const auto& [condition, indexes] : cases) {
    const ToolRun run = List({"--robust", "profit", "--where", condition});
    EXPECT_EQ(run.status, 0) << condition << ": " << run.err;
    EXPECT_EQ(run.err, "") << condition;
    EXPECT_EQ(ListedIndexes(run.out), indexes) << condition;
  }
}

}  // namespace
