#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <cli/UsageError.h>
#include <cli/selection/SortOption.h>

#include "ListingText.h"
#include "ReportGenerator.h"
#include "ReportListingTest.h"
#include "RunTool.h"
#include "TestFiles.h"

using namespace kvl::cli;

namespace {

TEST(ParseOrderKeysTest, ReadsKeysSeparatedByCommasAscendingUnlessTheySayOtherwise) {
  struct Key {
    int columnId;
    bool largestFirst;
    std::string figureColumn;
    std::string parameter;
  };
  const std::vector<std::pair<const char*, std::vector<Key>>> cases = {
      {"profit:desc,trades:asc", {{1, true, "", ""}, {2, false, "", ""}}},
      {" profit , trades:desc ", {{1, false, "", ""}, {2, true, "", ""}}},
      {"6", {{6, false, "", ""}}},
      {"profit-min:desc", {{0, true, "profit-min", ""}}},
      {"param:Lots:desc", {{0, true, "param:Lots", "Lots"}}},
      {"param: Stop Loss :asc", {{0, false, "param:Stop Loss", "Stop Loss"}}},
      // "param" alone is no column, so this is the input called asc.
      {"param:asc", {{0, false, "param:asc", "asc"}}},
      {"param:desc:desc", {{0, true, "param:desc", "desc"}}},
  };
  for (const auto& [text, expected] : cases) {
    const std::vector<SortRequest> keys = ParseOrderKeys(text);
    ASSERT_EQ(keys.size(), expected.size()) << text;
    for (std::size_t k = 0; k < keys.size(); ++k) {
      EXPECT_EQ(keys[k].columnId, expected[k].columnId) << text << " " << k;
      EXPECT_EQ(keys[k].largestFirst, expected[k].largestFirst) << text << " " << k;
      EXPECT_EQ(keys[k].figureColumn, expected[k].figureColumn) << text << " " << k;
      EXPECT_EQ(keys[k].parameter, expected[k].parameter) << text << " " << k;
    }
  }
}

TEST(ParseOrderKeysTest, RefusesEmptyAndUnknownKeysShowingTheForm) {
  for (const char* text : {"", "profit,", ",profit", "profit,,trades", "profit:up", "profit:",
                           "Profit", "params", "7", "index-min", "param:", "param: :desc"}) {
    try {
      ParseOrderKeys(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const UsageError& error) {
      EXPECT_TRUE(std::string(error.what()).starts_with("--order \"")) << error.what();
      EXPECT_NE(std::string(error.what()).find("KEY is one of index, profit,"), std::string::npos)
          << error.what();
    }
  }
}

// Many of a generated report's passes share a trade count: enough ties, among enough rows, that a
// sort which is not stable shows it.
TEST(ListOrderTest, TiesKeepTheReportsOrderAmongManyRows) {
  const TempDir dir;
  const std::string report = (dir.Path() / "generated.htm").string();
  constexpr std::size_t kPasses = 700;
  WriteReportFile(report, kPasses, 5);
  const ToolRun run = RunTool({"list", report, "--format", "tsv", "--order", "trades:desc"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<GeneratedPass> passes = GeneratePasses(kPasses, 5);
  std::vector<std::size_t> numbers(kPasses);
  for (std::size_t k = 0; k < kPasses; ++k) numbers[k] = k + 1;
  std::ranges::stable_sort(numbers, std::greater<>(), [&passes](std::size_t number) {
    return std::stoi(passes[number - 1].trades);
  });
  std::vector<std::string> indexes;
  for (const std::size_t number : numbers) indexes.push_back(std::to_string(number));
  EXPECT_EQ(ListedIndexes(run.out), indexes);
}

// report-cp1251.htm: trades 71 (pass 12), 64 (7), 52 (2, 10), 38 (1, 3, 6), 27 (11), 21 (5),
// 9 (8) and 0 (4, 9).
INSTANTIATE_TEST_SUITE_P(
    Orders, ReportListingTest,
    testing::Values(
        ListingCase{"TiesKeepTheReportsOrder",
                    {"--order", "trades:desc"},
                    0,
                    {"12", "7", "2", "10", "1", "3", "6", "11", "5", "8", "4", "9"},
                    ""},
        ListingCase{"TheNextKeyDecidesTies",
                    {"--order", "trades:desc,drawdown"},
                    0,
                    {"12", "7", "2", "10", "6", "1", "3", "11", "5", "8", "4", "9"},
                    ""},
        ListingCase{"RepeatedTheKeysFollowOneAnother",
                    {"--order", "trades:desc", "--order", "drawdown:desc"},
                    0,
                    {"12", "7", "10", "2", "3", "1", "6", "11", "5", "8", "4", "9"},
                    ""},
        ListingCase{"InputsAsKeys",
                    {"--order", "param:TakeProfit,param:StopLoss:desc"},
                    0,
                    {"7", "2", "12", "4", "8", "11", "1", "6", "10", "5", "9", "3"},
                    ""},
        ListingCase{"TiesKeepTheOrderTheSortsLeft",
                    {"--order", "trades:desc", "--sort", "index:desc"},
                    0,
                    {"12", "7", "10", "2", "6", "3", "1", "11", "5", "8", "9", "4"},
                    ""},
        ListingCase{"AnEmptyCellComesLastAscending",
                    {"--order", "profit-factor"},
                    0,
                    {"4", "9", "7", "3", "11", "8", "5", "12", "2", "1", "10", "6"},
                    ""},
        ListingCase{"AnEmptyCellComesLastDescending",
                    {"--order", "profit-factor:desc"},
                    0,
                    {"10", "1", "2", "12", "5", "8", "11", "3", "7", "4", "9", "6"},
                    ""},
        ListingCase{"OrderThenFilterThenLimit",
                    {"--limit", "3", "--where", "trades<60", "--order", "drawdown:desc"},
                    0,
                    {"3", "10", "2"},
                    ""},
        ListingCase{"BadCell",
                    {"--order", "trades,profit:desc"},
                    1,
                    {},
                    "Row 5 (pass 5), profit: '87,40' is not a valid floating point value.\n"},
        ListingCase{"BadCellIsNamedByItsRowAfterTheSorts",
                    {"--sort", "index:desc", "--order", "profit"},
                    1,
                    {},
                    "Row 8 (pass 5), profit: '87,40' is not a valid floating point value.\n"},
        ListingCase{"BadCellSkipped",
                    {"--order", "profit:desc", "--skip-bad"},
                    0,
                    {"10", "1", "2", "12", "6", "8", "4", "9", "11", "3", "7"},
                    "Left out 1 row whose cells do not convert.\n"},
        ListingCase{"ARowLeftOutIsCountedOnce",
                    {"--order", "profit", "--where", "profit>0", "--skip-bad"},
                    0,
                    {"8", "6", "12", "2", "1", "10"},
                    "Left out 1 row whose cells do not convert.\n"},
        ListingCase{"UnknownParameter",
                    {"--order", "trades,param:Lot", "--skip-bad"},
                    1,
                    {},
                    "--order param:Lot: no such parameter; the optimized parameters are "
                    "TakeProfit, StopLoss, Lots, Comment, the constant ones none.\n"},
        ListingCase{"UnknownParameterInASort",
                    {"--sort", "param:Lot:asc"},
                    1,
                    {},
                    "--sort param:Lot: no such parameter; the optimized parameters are "
                    "TakeProfit, StopLoss, Lots, Comment, the constant ones none.\n"}),
    ListingCaseName);

}  // namespace
