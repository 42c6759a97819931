#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <core/ResultColumns.h>
#include <core/parametermap/ColumnValues.h>
#include <core/parametermap/Neighbourhoods.h>
#include <core/parametermap/ParameterSpace.h>
#include <core/sort/RowOrder.h>

#include "GeneratedPasses.h"
#include "MapReport.h"
#include "PlateauGrid.h"

using namespace kvl::core;

namespace {

constexpr int kProfit = 1;

// A loaded report with its space, neighbourhoods and profit figures.
struct Landscape {
  explicit Landscape(const std::vector<MapPass>& passes)
      : report(passes),
        space(ParameterSpace::Read(report.table, report.count)),
        neighbourhoods(Neighbourhoods::Find(space)),
        profit(ColumnValues::Read(report.table, report.count, kProfit)),
        figures(FiguresOfEveryPass(neighbourhoods, profit)) {}

  MapReport report;
  ParameterSpace space;
  Neighbourhoods neighbourhoods;
  ColumnValues profit;
  std::vector<NeighbourhoodFigures> figures;
};

struct GridCase {
  std::size_t x, y;
  std::uint32_t found, possible;
  std::string min, mean;
};

class PlateauGridTest : public testing::TestWithParam<GridCase> {
 protected:
  static const Landscape& Grid() {
    static const Landscape grid(PlateauGridPasses());
    return grid;
  }
};

TEST_P(PlateauGridTest, EveryPassOfACompleteGridHasAllItsNeighbours) {
  const GridCase& c = GetParam();
  const NeighbourhoodFigures& figures = Grid().figures[PlateauPass(c.x, c.y) - 1];
  EXPECT_TRUE(figures.inMap);
  EXPECT_EQ(figures.found, c.found);
  EXPECT_EQ(figures.possible, c.possible);
  EXPECT_EQ(figures.Min(Grid().profit), c.min);
  EXPECT_EQ(figures.Mean(), c.mean);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlateauGridTest,
                         testing::Values(GridCase{2, 2, 4, 4, "105.00", "110.00"},  // centre
                                         GridCase{4, 4, 2, 2, "-50.00", "133.33"},  // the peak
                                         GridCase{1, 1, 4, 4, "-50.00", "43.00"},
                                         GridCase{0, 0, 2, 2, "-50.00", "-50.00"},
                                         GridCase{2, 0, 3, 3, "-50.00", "-10.00"},
                                         GridCase{0, 3, 3, 3, "-50.00", "-12.50"}));

std::size_t BestPass(const std::vector<long double>& keys) {
  return static_cast<std::size_t>(std::max_element(keys.begin(), keys.end()) - keys.begin()) + 1;
}

TEST_F(PlateauGridTest, ThePeakWinsOnProfitAndThePlateauCentreOnItsNeighbourhoodsWorst) {
  std::vector<long double> profit, neighbourhoodMin;
  for (std::size_t pass = 1; pass <= Grid().report.count; ++pass) {
    profit.push_back(Grid().profit.OfPass(pass).value);
    neighbourhoodMin.push_back(Grid().profit.Value(Grid().figures[pass - 1].minPass));
  }
  EXPECT_EQ(BestPass(profit), PlateauPass(4, 4));
  EXPECT_EQ(BestPass(neighbourhoodMin), PlateauPass(2, 2));
}

TEST(Neighbourhoods, ASparseGridFindsOnlyThePassesItHolds) {
  // X and Y from 1 to 3; the cells marked # hold a pass, listed row by row from Y=1:
  //   Y=1  # # #
  //   Y=2  . # .
  //   Y=3  # . #
  const std::vector<std::pair<int, int>> cells = {{1, 1}, {2, 1}, {3, 1}, {2, 2}, {1, 3}, {3, 3}};
  std::vector<MapPass> passes;
  for (const auto& [x, y] : cells) {
    passes.push_back({Title({{"X", std::to_string(x)}, {"Y", std::to_string(y)}}), "1.00"});
  }
  const Landscape sparse(passes);
  std::vector<std::string> counts;
  for (std::size_t pass = 1; pass <= passes.size(); ++pass) {
    const auto neighbours = sparse.neighbourhoods.NeighboursOf(pass);
    std::string listed;
    for (const std::uint32_t n : neighbours) listed.append(" ").append(std::to_string(n));
    counts.push_back(std::to_string(neighbours.size()) + "/" +
                     std::to_string(sparse.neighbourhoods.PossibleOf(pass)) + listed);
  }
  EXPECT_EQ(counts,
            (std::vector<std::string>{"1/2 2", "3/3 1 3 4", "1/2 2", "1/4 2", "0/2", "0/2"}));
}

TEST(Neighbourhoods, ThreeParametersOnACubeWithACornerMissing) {
  std::vector<MapPass> passes;
  for (int a = 0; a < 2; ++a) {
    for (int b = 0; b < 2; ++b) {
      for (int c = 0; c < 2; ++c) {
        if (a + b + c == 3) continue;
        passes.push_back(
            {Title({{"A", std::to_string(a)}, {"B", std::to_string(b)}, {"C", std::to_string(c)}}),
             std::to_string(a + b + c) + ".00"});
      }
    }
  }
  const Landscape cube(passes);
  std::vector<std::uint32_t> found;
  for (const NeighbourhoodFigures& figures : cube.figures) {
    EXPECT_EQ(figures.possible, 3u);
    found.push_back(figures.found);
  }
  // Passes 4, 6 and 7 lie next to the missing corner (1,1,1).
  EXPECT_EQ(found, (std::vector<std::uint32_t>{3, 3, 3, 2, 3, 2, 2}));
}

TEST(Neighbourhoods, FiguresStayEmptyWhereACellDoesNotConvertAndPassesLeftOutHaveNone) {
  const Landscape line({{Title({{"X", "1"}}), "5.00"},
                        {Title({{"X", "2"}}), "n/a"},
                        {Title({{"X", "3"}}), "7.00"},
                        {Title({{"X", "4"}}), "8.50"},
                        {"broken", "9.00"},
                        // The same combination twice: both are neighbours of X=3.
                        {Title({{"X", "4"}}), "1.00"}});
  const auto& f = line.figures;
  EXPECT_EQ(f[0].found, 1u);
  EXPECT_EQ(f[0].Min(line.profit), "");  // its neighbour X=2 does not convert
  EXPECT_EQ(f[0].Mean(), "");
  EXPECT_EQ(f[1].Mean(), "");
  EXPECT_EQ(f[2].found, 3u);
  EXPECT_EQ(f[2].Mean(), "");
  EXPECT_EQ(f[3].found, 1u);
  EXPECT_EQ(f[3].possible, 1u);
  EXPECT_EQ(f[3].Min(line.profit), "7.00");
  EXPECT_EQ(f[3].Mean(), "7.75");
  EXPECT_FALSE(f[4].inMap);
  EXPECT_EQ(f[4].found, 0u);
  EXPECT_TRUE(f[5].inMap);
}

TEST(Neighbourhoods, FiguresFollowThePassNotTheRowAfterASort) {
  const Landscape grid(PlateauGridPasses());
  RowOrder order(grid.report.count);
  SortRows(grid.report.table, kProfit, true, order);
  const ColumnValues sorted = ColumnValues::Read(grid.report.table, grid.report.count, kProfit);
  for (std::size_t row = 0; row < order.Count(); ++row) {
    const std::size_t pass = order.PassAt(Row{row}).value;
    const NeighbourhoodFigures figures = FiguresOf(grid.neighbourhoods, sorted, pass);
    EXPECT_EQ(figures.minPass, grid.figures[pass - 1].minPass) << pass;
    EXPECT_EQ(figures.Mean(), grid.figures[pass - 1].Mean()) << pass;
  }
}

// Grids far larger than their passes are found through a hash of the coordinates; beyond 2^64
// points (7 parameters of 1000 values) the hash no longer tells points apart by itself.
class SparseHugeGridTest : public testing::TestWithParam<int> {};

TEST_P(SparseHugeGridTest, FindsTheOneNeighbourOnTheDiagonal) {
  const int dimensions = GetParam();
  const auto title = [dimensions](int first, int rest) {
    std::vector<std::pair<std::string, std::string>> parameters;
    for (int d = 0; d < dimensions; ++d) {
      parameters.emplace_back(std::string("P").append(std::to_string(d)),
                              std::to_string(d == 0 ? first : rest));
    }
    return Title(parameters);
  };
  std::vector<MapPass> passes;
  for (int i = 1; i <= 1000; ++i) passes.push_back({title(i, i), std::to_string(i) + ".00"});
  passes.push_back({title(2, 1), "0.50"});  // pass 1001, next to pass 1 only
  const Landscape diagonal(passes);
  ASSERT_FALSE(diagonal.neighbourhoods.Passes().IsArray());
  EXPECT_EQ(diagonal.neighbourhoods.NeighboursOf(1), std::vector<std::uint32_t>{1001});
  EXPECT_EQ(diagonal.neighbourhoods.NeighboursOf(1001), std::vector<std::uint32_t>{1});
  EXPECT_EQ(diagonal.figures[0].possible, static_cast<std::uint32_t>(dimensions));
  EXPECT_EQ(diagonal.figures[0].Min(diagonal.profit), "0.50");
  EXPECT_EQ(diagonal.figures[1000].Mean(), "0.75");
  for (std::size_t pass = 2; pass <= 1000; ++pass) {
    ASSERT_EQ(diagonal.figures[pass - 1].found, 0u) << pass;
  }
}

INSTANTIATE_TEST_SUITE_P(Dimensions, SparseHugeGridTest, testing::Values(3, 7));

// The sweep over the grid that gives every pass its figures at once agrees with the figures of
// one pass, on a generated report with a pass that repeats another's combination; once with the
// generated profits and once with one profit too large for the sweep's narrow values.
TEST(Neighbourhoods, EveryPassAtOnceGivesWhatEachPassAloneGives) {
  for (const std::string largeProfit : {"", "987654321.50"}) {
    std::vector<MapPass> passes;
    for (const GeneratedPass& pass : GeneratePasses(3000, 40)) {
      passes.push_back({pass.title, pass.profit});
    }
    passes.push_back(passes[17]);
    if (!largeProfit.empty()) passes[5].profit = largeProfit;
    const Landscape generated(passes);
    ASSERT_TRUE(generated.neighbourhoods.Passes().IsArray());
    ASSERT_GE(generated.space.Optimized().size(), 3u);
    for (std::size_t pass = 1; pass <= passes.size(); ++pass) {
      const NeighbourhoodFigures alone =
          FiguresOf(generated.neighbourhoods, generated.profit, pass);
      const NeighbourhoodFigures& together = generated.figures[pass - 1];
      ASSERT_EQ(alone.found, together.found) << pass << largeProfit;
      ASSERT_EQ(alone.possible, together.possible) << pass << largeProfit;
      ASSERT_EQ(alone.minPass, together.minPass) << pass << largeProfit;
      ASSERT_EQ(alone.Mean(), together.Mean()) << pass << largeProfit;
    }
    EXPECT_EQ(generated.figures[17].found, generated.figures.back().found);
  }
}

}  // namespace
