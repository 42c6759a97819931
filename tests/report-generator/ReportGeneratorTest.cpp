#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "ReportGenerator.h"

namespace {

std::size_t CountOf(const std::string& text, const std::string& piece) {
  std::size_t count = 0;
  for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
    ++count;
  }
  return count;
}

TEST(ReportGeneratorTest, SameSeedSameReportOtherSeedOtherReport) {
  EXPECT_EQ(GenerateReport(300, 9), GenerateReport(300, 9));
  EXPECT_NE(GenerateReport(300, 9), GenerateReport(300, 10));
}

TEST(ReportGeneratorTest, WritesOneCrLfLineOfPlainBytesPerPass) {
  constexpr std::size_t kPasses = 2000;
  const std::string report = GenerateReport(kPasses, 3);
  EXPECT_EQ(report.rfind(ReportHead(), 0), 0u);
  EXPECT_TRUE(report.ends_with(ReportTail()));
  EXPECT_EQ(CountOf(report, "\n"), CountOf(report, "\r\n"));
  EXPECT_EQ(CountOf(report, "\r"), CountOf(report, "\r\n"));
  EXPECT_EQ(CountOf(report, "<td title="), kPasses);
  EXPECT_EQ(report.find('\0'), std::string::npos);
}

TEST(ReportGeneratorTest, PassesLookLikeAnOptimizationRun) {
  for (const std::uint64_t seed : {1, 2, 3, 4, 5, 6, 7, 8}) {
    const std::vector<GeneratedPass> passes = GeneratePasses(5000, seed);
    std::set<std::string> numbers;
    std::map<std::string, std::size_t> trades;
    for (const GeneratedPass& pass : passes) {
      numbers.insert(pass.number);
      ++trades[pass.trades];
      const std::size_t inputs = CountOf(pass.title, "; ");
      EXPECT_TRUE(inputs >= 10 && inputs <= 20) << pass.title;
      EXPECT_TRUE(pass.title.ends_with("; "));
      for (const std::string* cell : {&pass.profit, &pass.profitFactor, &pass.expectedPayoff,
                                      &pass.drawdownMoney, &pass.drawdownPercent}) {
        EXPECT_EQ(cell->find('.'), cell->size() - 3) << *cell;
      }
      if (pass.trades == "0") {
        EXPECT_EQ(pass.profit, "0.00");
      }
    }
    EXPECT_EQ(numbers.size(), passes.size()) << "pass numbers repeat, seed " << seed;
    EXPECT_NE(passes.front().number, "0") << "rows are not shuffled, seed " << seed;
    EXPECT_GT(trades["0"], 0u) << "no pass without trades, seed " << seed;
    // Not views::values: Clang 14 cannot build it over libstdc++ 12's map.
    const auto size = [](const auto& group) { return group.second; };
    const auto largestGroup = std::ranges::max_element(trades, {}, size)->second;
    EXPECT_GT(largestGroup, 20u) << "too few equal trade counts, seed " << seed;
  }
}

}  // namespace
