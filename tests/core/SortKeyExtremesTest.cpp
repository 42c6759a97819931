#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include <core/sort/RowOrder.h>

#include "ExchangeSortOracle.h"
#include "KeptTexts.h"

using namespace kvl::core;

namespace {

constexpr int kProfitColumn = 1;

// Profits whose values lie at the ends of the extended range, at its smallest steps, on both
// sides of zero and at zero written in ways that give +0 and -0.
const std::vector<std::string> kExtremeProfits = {"0",
                                                  "-0",
                                                  "-1e-5000",
                                                  "1e-5000",
                                                  "1e-4940",
                                                  "-1e-4940",
                                                  "3.6e-4951",
                                                  "1e4900",
                                                  "-1e4900",
                                                  "1",
                                                  "-1",
                                                  "0.5",
                                                  "-0.5",
                                                  "1.0000000000000000001",
                                                  "1.0000000000000000002",
                                                  "18446744073709551615",
                                                  "18446744073709551616",
                                                  "-18446744073709551616"};

// The sort puts these in the order the exchange sort does, ties and all.
TEST(SortKeyExtremes, OrderAsTheExchangeSortDoes) {
  std::mt19937 rng(8);
  for (int round = 0; round < 400; ++round) {
    const std::size_t n = 2 + rng() % 14;
    PassTable table;
    for (std::size_t slot = 0; slot < n; ++slot) {
      PassRecord row;
      row.Index = Kept(std::to_string(slot + 1));
      row.Params = Kept("params " + std::to_string(slot));
      row.Profit = Kept(kExtremeProfits[rng() % kExtremeProfits.size()]);
      table[slot] = row;
    }
    const bool largestFirst = round % 2 == 0;
    std::vector<std::size_t> expected = LoadOrderRows(n);
    ExchangeSortLiterally(kProfitColumn, largestFirst, table, expected);
    RowOrder actual(n);
    SortRows(table, kProfitColumn, largestFirst, actual);
    for (std::size_t row = 0; row < n; ++row) {
      ASSERT_EQ(actual.PassAt(Row{row}).value, expected[row])
          << "round " << round << ", row " << row;
    }
  }
}

}  // namespace
