#include <gtest/gtest.h>

#include "PassFields.h"
#include "PassTable.h"

namespace {

CItem_OPT Pass(const std::string& tag) {
  return {tag + "i", tag + "p", tag + "1", tag + "2", tag + "3", tag + "4", tag + "5", tag + "6"};
}

TEST(PassTable, StartsWithItsCapacityOfEmptyRecords) {
  const PassTable table;
  ASSERT_EQ(table.Size(), PassTable::kCapacity);
  for (const std::size_t slot : {std::size_t{0}, PassTable::kCapacity - 1}) {
    const CItem_OPT& p = table[slot];
    EXPECT_TRUE(p.Index.empty() && p.Params.empty() && p.Profit.empty() && p.Trades.empty() &&
                p.ProfitFactor.empty() && p.ExpectedPayoff.empty() && p.DrawdownMoney.empty() &&
                p.DrawdownPercent.empty());
  }
}

TEST(PassTable, SwapRowFieldsLeavesParamsInPlace) {
  CItem_OPT a = Pass("a"), b = Pass("b");
  SwapRowFields(a, b);
  CItem_OPT expectedA = Pass("b"), expectedB = Pass("a");
  expectedA.Params = "ap";
  expectedB.Params = "bp";
  EXPECT_EQ(AllFields(a), AllFields(expectedA));
  EXPECT_EQ(AllFields(b), AllFields(expectedB));
}

TEST(PassTable, GrowingKeepsTheTexts) {
  PassTable table;
  table[PassTable::kCapacity - 1] = Pass("last");
  table.GrowTo(PassTable::kCapacity + 1);
  EXPECT_EQ(table.Size(), PassTable::kCapacity + 1);
  EXPECT_EQ(table[PassTable::kCapacity - 1].Params, "lastp");
  EXPECT_TRUE(table[PassTable::kCapacity].Index.empty());
  table.GrowTo(10);
  EXPECT_EQ(table.Size(), PassTable::kCapacity + 1) << "the table never shrinks";
}

}  // namespace
