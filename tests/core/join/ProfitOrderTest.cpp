#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <core/join/ProfitOrder.h>

using namespace kvl::core;

namespace {

constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kLeast = std::numeric_limits<std::int64_t>::min();

struct ProfitOrderCase {
  std::string name;
  std::vector<std::int64_t> profits;
  std::vector<std::uint32_t> order;
};

TEST(ProfitOrderTest, AscendingWithTheLaterOfEqualProfitsFirst) {
  const std::vector<ProfitOrderCase> cases = {
      {"none", {}, {}},
      {"all equal", {5, 5, 5}, {2, 1, 0}},
      {"one digit", {3, -1, 2, -1}, {3, 1, 2, 0}},
      // The widest plain profits, 9 whole digits and 4 decimals either way: five digit passes.
      {"wide span",
       {999999999'9999, -999999999'9999, 0, 1, -1, 999999999'9999, 4096},
       {1, 4, 2, 3, 6, 5, 0}},
      // Too wide to share a word with the position.
      {"widest span", {kMost, 0, kLeast, kMost, -1}, {2, 4, 1, 3, 0}},
  };
  for (const ProfitOrderCase& c : cases) {
    std::vector<std::uint32_t> order(c.profits.size());
    HugeVector<std::uint64_t> scratch;
    ProfitOrder(c.profits, order, scratch);
    EXPECT_EQ(order, c.order) << c.name;
  }
}

}  // namespace
