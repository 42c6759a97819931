#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <core/parametermap/DecimalSum.h>
#include <core/parametermap/ExactSum.h>

using namespace kvl::core;

namespace {

constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kLeast = std::numeric_limits<std::int64_t>::min();

// A sum past 64 bits goes on exactly.
TEST(ExactSumTest, GoesOnPastSixtyFourBits) {
  const std::vector<std::pair<std::vector<std::int64_t>, std::string>> cases = {
      {{kMost, kMost}, "922337203685477.58"},
      {{kMost, kMost, -kMost}, "307445734561825.86"},
      {{kLeast, kLeast}, "-922337203685477.58"},
      {{kLeast, 1, kMost}, "0.00"},
  };
  for (const auto& [values, mean] : cases) {
    ExactSum sum;
    for (const std::int64_t value : values) sum.AddTenThousandths(value);
    EXPECT_EQ(sum.MeanText(values.size()), mean) << mean;
  }
}

// Counts up to 10^18 divide exactly.
TEST(DecimalSumTest, DividesByCountsUpToTenToTheEighteenth) {
  const std::vector<std::tuple<std::string, std::uint64_t, std::string>> cases = {
      {"1e18", 1'000'000'000'000'000'000, "1.00"},
      {"-2.5e18", 1'000'000'000'000'000'000, "-2.50"},
      {"5e15", 1'000'000'000'000'000'000, "0.01"},
      {"4.99999e15", 1'000'000'000'000'000'000, "0.00"},
      {"1e40", 999'999'999'999'999'999, "10000000000000000010000.00"},
      {"0", 7, "0.00"},
  };
  for (const auto& [text, count, mean] : cases) {
    DecimalSum sum;
    sum.AddText(text);
    EXPECT_EQ(sum.MeanText(count), mean) << text << " / " << count;
  }
}

}  // namespace
