#include <gtest/gtest.h>

#include <core/PassTable.h>

#include "KeptTexts.h"

using namespace kvl::core;

namespace {

PassRecord Pass(const std::string& tag) {
  return {Kept(tag + "i"), Kept(tag + "p"), Kept(tag + "1"), Kept(tag + "2"),
          Kept(tag + "3"), Kept(tag + "4"), Kept(tag + "5"), Kept(tag + "6")};
}

TEST(PassTable, StartsWithItsCapacityOfEmptyRecords) {
  const PassTable table;
  ASSERT_EQ(table.Size(), PassTable::kCapacity);
  for (const std::size_t slot : {std::size_t{0}, PassTable::kCapacity - 1}) {
    const PassRecord& p = table[slot];
    EXPECT_TRUE(p.Index.empty() && p.Params.empty() && p.Profit.empty() && p.Trades.empty() &&
                p.ProfitFactor.empty() && p.ExpectedPayoff.empty() && p.DrawdownMoney.empty() &&
                p.DrawdownPercent.empty());
  }
}

TEST(PassTable, WritingPastTheCapacityGrowsIt) {
  PassTable table;
  table[PassTable::kCapacity - 1] = Pass("last");
  table[PassTable::kCapacity] = Pass("beyond");
  EXPECT_EQ(table.Size(), PassTable::kCapacity + 1);
  EXPECT_EQ(table[PassTable::kCapacity - 1].Params, "lastp");
  EXPECT_EQ(table[PassTable::kCapacity].Params, "beyondp");
  EXPECT_TRUE(std::as_const(table)[PassTable::kCapacity - 2].Index.empty());
}

}  // namespace
