#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include <core/CellConvert.h>
#include <core/Exceptions.h>
#include <core/ReportLoader.h>
#include <core/sort/RowOrder.h>

#include "ExchangeSortOracle.h"
#include "ReportGenerator.h"
#include "TestFiles.h"

using namespace kvl::core;

namespace {

constexpr int kProfitColumn = 1;

std::vector<std::size_t> PassesOf(const RowOrder& order) {
  std::vector<std::size_t> passes;
  for (std::size_t row = 0; row < order.Count(); ++row) {
    passes.push_back(order.PassAt(Row{row}).value);
  }
  return passes;
}

TEST(RowOrder, HasNoRowsUntilMadeForSome) {
  const RowOrder order;
  EXPECT_EQ(order.Count(), 0u);
  EXPECT_EQ(order.RowOf(PassNumber{0}), std::nullopt);
  EXPECT_EQ(order.RowOf(PassNumber{1}), std::nullopt);
}

TEST(RowOrder, StartsInTheLoadOrder) {
  const RowOrder order(5);
  ASSERT_EQ(order.Count(), 5u);
  for (std::size_t r = 0; r < 5; ++r) {
    EXPECT_EQ(order.PassAt(Row{r}), PassNumber{r + 1});
    EXPECT_EQ(order.RowOf(PassNumber{r + 1}), Row{r});
  }
  EXPECT_EQ(order.RowOf(PassNumber{0}), std::nullopt);
  EXPECT_EQ(order.RowOf(PassNumber{6}), std::nullopt);
}

TEST(RowOrder, PassNumbersAndRowsCompareAmongThemselves) {
  EXPECT_LT(PassNumber{1}, PassNumber{2});
  EXPECT_EQ(Row{3}, Row{3});
  EXPECT_EQ(SlotOf(PassNumber{7}), 6u);
}

// Loads a generated report of `passes` passes made from `seed` into `table`; returns how many it
// holds.
std::size_t LoadGenerated(std::size_t passes, std::uint64_t seed, PassTable& table) {
  const TempDir dir;
  const std::string report = (dir.Path() / "generated.htm").string();
  WriteReportFile(report, passes, seed);
  return static_cast<std::size_t>(LoadReport(report, table));
}

// A generated report, with many equal keys, sorted in turn as header clicks would sort it: each
// sort orders the rows as the one before left them, in the literal exchange sort's order, and the
// order finds every pass's row and every row's pass.
TEST(RowOrder, SuccessiveSortsOfAGeneratedReportFollowTheExchangeSort) {
  PassTable table;
  const std::size_t n = LoadGenerated(1500, 7, table);
  struct Sort {
    int columnId;
    bool largestFirst;
  };
  const std::vector<std::vector<Sort>> cases = {
      {{2, true}},
      {{1, false}},
      {{2, false}, {6, true}},
      {{3, true}, {2, false}, {0, true}},
      {{5, false}, {5, true}},
  };
  for (const std::vector<Sort>& sorts : cases) {
    RowOrder order(n);
    std::vector<std::size_t> expected = LoadOrderRows(n);
    for (const Sort& sort : sorts) {
      SortRows(table, sort.columnId, sort.largestFirst, order);
      ExchangeSortLiterally(sort.columnId, sort.largestFirst, table, expected);
    }
    ASSERT_EQ(PassesOf(order), expected)
        << sorts.size() << " sorts, the first by column " << sorts.front().columnId;
    for (std::size_t row = 0; row < n; ++row) {
      ASSERT_EQ(order.RowOf(order.PassAt(Row{row})), Row{row}) << "row " << row;
    }
  }
}

// Keys of passes that the table does not hold sort as the table's own cells do.
TEST(RowOrder, KeysOfPassesSortAsTheirColumn) {
  PassTable table;
  const std::size_t n = LoadGenerated(800, 3, table);
  RowOrder byColumn(n);
  RowOrder byKeys(n);
  for (const bool largestFirst : {false, true}) {
    SortRows(table, kProfitColumn, largestFirst, byColumn);
    SortRows([&table](PassNumber pass) { return CellToFloat(table[SlotOf(pass)].Profit); },
             largestFirst, byKeys);
    ASSERT_EQ(PassesOf(byKeys), PassesOf(byColumn));
  }
}

TEST(RowOrder, BelowTwoRowsNothingIsConverted) {
  PassTable table;
  table[0] = {"1", "", "not a number", "", "", "", "", ""};
  for (const std::size_t n : {std::size_t{0}, std::size_t{1}}) {
    RowOrder order(n);
    EXPECT_NO_THROW(SortRows(table, kProfitColumn, true, order));
    EXPECT_NO_THROW(
        SortRows([](PassNumber) -> long double { throw EConvertError("read"); }, true, order));
    EXPECT_EQ(PassesOf(order), LoadOrderRows(n));
  }
}

}  // namespace
