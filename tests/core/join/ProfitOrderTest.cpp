#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <core/join/ProfitOrder.h>

using namespace kvl::core;

namespace {

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
  };
  for (const ProfitOrderCase& c : cases) {
    const HugeVector<std::uint32_t> order = ProfitOrder(c.profits);
    EXPECT_EQ(std::vector<std::uint32_t>(order.begin(), order.end()), c.order) << c.name;
  }
}

}  // namespace
