#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <core/Exceptions.h>
#include <core/sort/RowOrder.h>

#include "ExchangeSortOracle.h"
#include "KeptTexts.h"
#include "PassFields.h"

using namespace kvl::core;

namespace {

constexpr int kProfitColumn = 1;
constexpr int kTradesColumn = 2;

PassText PassRecord::*ColumnField(int column) {
  return kResultColumns[static_cast<std::size_t>(column)].field;
}

bool IsIntegerColumn(int column) {
  return kResultColumns[static_cast<std::size_t>(column)].integerKey;
}

int Pick(std::mt19937& rng, int count) {
  return std::uniform_int_distribution<int>(0, count - 1)(rng);
}

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%X", value);
  return text;
}

// A random one of several texts that CellToInt reads as `value`.
std::string SpellInteger(int value, std::mt19937& rng) {
  const std::string digits = std::to_string(std::abs(value));
  switch (Pick(rng, 5)) {
    case 0:
      return std::to_string(value);
    case 1:
      return (value < 0 ? "-" : "+") + digits;
    case 2:
      return "   " + std::to_string(value);
    case 3:
      return (value < 0 ? "-$" : "$") + Hex(static_cast<std::uint32_t>(std::abs(value)));
    default:
      return "0x" + Hex(static_cast<std::uint32_t>(value));
  }
}

// A random one of several texts that CellToFloat reads as hundredths / 100.
std::string SpellHundredths(int hundredths, std::mt19937& rng) {
  const int magnitude = std::abs(hundredths);
  const std::string sign = hundredths < 0 ? "-" : "";
  char fraction[8];
  std::snprintf(fraction, sizeof fraction, "%02d", magnitude % 100);
  const std::string fixed = std::to_string(magnitude / 100) + "." + fraction;
  char padded[16];
  std::snprintf(padded, sizeof padded, "%06d", magnitude);
  switch (Pick(rng, 5)) {
    case 0:
      return sign + fixed;
    case 1:
      return std::to_string(hundredths) + "e-2";
    case 2:
      return " " + sign + fixed + "0 ";
    case 3:
      return (hundredths <= 0 ? "-" : "+") + fixed;
    default:
      return sign + "0." + padded + "E4";
  }
}

std::string Spell(int column, int key, std::mt19937& rng) {
  return IsIntegerColumn(column) ? SpellInteger(key, rng) : SpellHundredths(key * 50, rng);
}

// Texts that the column's conversion refuses.
std::string RefusedCell(int column, std::mt19937& rng) {
  static const std::array<std::string, 6> kRefusedByBoth = {"", "1,5", "abc", "10%", "  ", "$"};
  static const std::array<std::string, 3> kRefusedAsInteger = {"12 ", "12.0", "1e3"};
  static const std::array<std::string, 3> kRefusedAsFloat = {"1.5.5", "1 000", "--1"};
  const auto& kindSpecific = IsIntegerColumn(column) ? kRefusedAsInteger : kRefusedAsFloat;
  const int choice = Pick(rng, static_cast<int>(kRefusedByBoth.size() + kindSpecific.size()));
  return choice < static_cast<int>(kRefusedByBoth.size())
             ? kRefusedByBoth[static_cast<std::size_t>(choice)]
             : kindSpecific[static_cast<std::size_t>(choice) - kRefusedByBoth.size()];
}

std::string ParamsOfSlot(int slot) {
  return "params of slot " + std::to_string(slot);
}

// The pass of each row of `order`, as plain numbers.
std::vector<std::size_t> PassesOf(const RowOrder& order) {
  std::vector<std::size_t> passes;
  for (std::size_t row = 0; row < order.Count(); ++row) {
    passes.push_back(order.PassAt(Row{row}).value);
  }
  return passes;
}

// The order's two look-ups agree: the row of each row's pass is that row.
void ExpectBothDirectionsAgree(const RowOrder& order) {
  for (std::size_t row = 0; row < order.Count(); ++row) {
    ASSERT_EQ(order.RowOf(order.PassAt(Row{row})), Row{row}) << "row " << row;
  }
}

// One table, filled as a load fills it (the pass numbered k in slot k-1) and never changed by a
// sort; an order of its rows is sorted by SortRows, and a list of their pass numbers by the
// literal exchange sort. The table is large, so the whole suite shares it.
class SortRowsTest : public ::testing::Test {
 protected:
  static PassTable& Table() {
    static PassTable table;
    return table;
  }

  static void SetRow(int slot, const PassRecord& row) {
    Table()[static_cast<std::size_t>(slot)] = row;
  }

  static void SetCell(int slot, int column, const std::string& text) {
    Table()[static_cast<std::size_t>(slot)].*ColumnField(column) = Kept(text);
  }

  // Slots 0 to n-1 get one of `keyRange` keys around zero in every column, spelled at random
  // (spread over the 32-bit range in integer columns when there are many); slot n gets a pass that
  // no conversion accepts and that nothing may read.
  static void FillRandom(int n, int keyRange, std::mt19937& rng) {
    for (int slot = 0; slot < n; ++slot) {
      PassRecord row;
      row.Params = Kept(ParamsOfSlot(slot));
      for (int column = 0; column < kSortColumnCount; ++column) {
        const int spread = IsIntegerColumn(column) && keyRange > 4 ? (1 << 22) : 1;
        const int key = (Pick(rng, keyRange) - keyRange / 2) * spread;
        row.*ColumnField(column) = Kept(Spell(column, key, rng));
      }
      SetRow(slot, row);
    }
    SetSentinel(n);
  }

  static void SetSentinel(int slot) {
    PassRecord sentinel;
    sentinel.Params = "beyond the live slots";
    for (const ResultColumn& column : kResultColumns) sentinel.*column.field = "not a number";
    SetRow(slot, sentinel);
  }

  // Sorts `actual` with SortRows and `expected` literally, and expects the same failure (or none)
  // and the same pass in every row, with both of the order's look-ups agreeing and every slot of
  // the table up to and including slot n as it was.
  static void ExpectSameOutcome(int column, bool largestFirst, RowOrder& actual,
                                std::vector<std::size_t>& expected) {
    const std::size_t n = expected.size();
    SCOPED_TRACE("column " + std::to_string(column) + (largestFirst ? " desc" : " asc") +
                 ", n = " + std::to_string(n));
    std::vector<std::vector<std::string>> before;
    for (std::size_t slot = 0; slot <= n; ++slot) before.push_back(AllFields(Table()[slot]));
    std::optional<std::string> expectedError;
    std::optional<std::string> actualError;
    try {
      ExchangeSortLiterally(column, largestFirst, Table(), expected);
    } catch (const EConvertError& e) {
      expectedError = e.Message();
    }
    try {
      SortRows(Table(), column, largestFirst, actual);
    } catch (const EConvertError& e) {
      actualError = e.Message();
    }
    EXPECT_EQ(actualError, expectedError);
    ASSERT_EQ(PassesOf(actual), expected);
    ExpectBothDirectionsAgree(actual);
    for (std::size_t slot = 0; slot <= n; ++slot) {
      ASSERT_EQ(AllFields(Table()[slot]), before[slot]) << "slot " << slot;
    }
  }

  static void ExpectSameOutcome(int column, bool largestFirst, int n) {
    RowOrder actual(static_cast<std::size_t>(n));
    std::vector<std::size_t> expected = LoadOrderRows(static_cast<std::size_t>(n));
    ExpectSameOutcome(column, largestFirst, actual, expected);
  }
};

TEST_F(SortRowsTest, EqualKeysEndInTheExchangeSortsOrder) {
  struct Case {
    bool largestFirst;
    std::array<const char*, 3> profits;
    std::array<std::size_t, 3> expectedPasses;
  };
  // Rows A, B, C show passes 1, 2, 3.
  const Case cases[] = {
      {true, {"1", "1", "2"}, {3, 2, 1}},
      {false, {"2", "2", "1"}, {3, 2, 1}},
  };
  for (const auto& c : cases) {
    for (int slot = 0; slot < 3; ++slot) {
      PassRecord row;
      row.Index = Kept(std::to_string(slot + 1));
      row.Params = Kept(ParamsOfSlot(slot));
      row.Profit = c.profits[static_cast<std::size_t>(slot)];
      SetRow(slot, row);
    }
    RowOrder order(3);
    SortRows(Table(), kProfitColumn, c.largestFirst, order);
    for (std::size_t row = 0; row < 3; ++row) {
      const PassNumber pass = order.PassAt(Row{row});
      EXPECT_EQ(pass.value, c.expectedPasses[row])
          << "row " << row << (c.largestFirst ? " desc" : " asc");
      // The pass's own parameters, found by its number.
      EXPECT_EQ(Table()[SlotOf(pass)].Params, ParamsOfSlot(static_cast<int>(pass.value - 1)));
    }
  }
}

// Every table of up to six rows over four keys, so every pattern of ties and of keys beyond
// them that small tables can hold.
TEST_F(SortRowsTest, MatchesTheExchangeSortOnEverySmallTable) {
  std::mt19937 rng(7);
  for (int column : {kProfitColumn, kTradesColumn}) {
    for (int n = 0; n <= 6; ++n) {
      int tables = 1;
      for (int i = 0; i < n; ++i) tables *= 4;
      for (int code = 0; code < tables; ++code) {
        for (bool largestFirst : {true, false}) {
          int rest = code;
          for (int slot = 0; slot < n; ++slot, rest /= 4) {
            PassRecord row;
            row.Index = Kept(std::to_string(slot + 1));
            row.Params = Kept(ParamsOfSlot(slot));
            row.*ColumnField(column) = Kept(Spell(column, rest % 4, rng));
            SetRow(slot, row);
          }
          SetSentinel(n);
          ExpectSameOutcome(column, largestFirst, n);
          if (HasFatalFailure()) return;
        }
      }
    }
  }
}

TEST_F(SortRowsTest, MatchesTheExchangeSortOnRandomTables) {
  std::mt19937 rng(2024);
  for (int round = 0; round < 300; ++round) {
    const int n = Pick(rng, 251);
    const int keyRange = round % 3 == 0 ? 1000 : 4;
    FillRandom(n, keyRange, rng);
    ExpectSameOutcome(Pick(rng, kSortColumnCount), Pick(rng, 2) == 0, n);
    if (HasFatalFailure()) return;
  }
}

// Each sort orders the rows as the one before left them, as header clicks on moved rows did.
TEST_F(SortRowsTest, MatchesTheExchangeSortOverSuccessiveSorts) {
  std::mt19937 rng(99);
  for (int round = 0; round < 40; ++round) {
    const int n = Pick(rng, 200);
    FillRandom(n, 4, rng);
    RowOrder actual(static_cast<std::size_t>(n));
    std::vector<std::size_t> expected = LoadOrderRows(static_cast<std::size_t>(n));
    for (int sort = 0; sort < 6; ++sort) {
      ExpectSameOutcome(Pick(rng, kSortColumnCount), Pick(rng, 2) == 0, actual, expected);
      if (HasFatalFailure()) return;
    }
  }
}

// A refused cell at row 0, in the middle or last, sometimes with more in later rows:
// the same cell is named and the same exchanges of the first sweep stay, also when earlier sorts
// have put the rows in another order than the passes'.
TEST_F(SortRowsTest, ARefusedCellLeavesWhatTheExchangeSortLeaves) {
  std::mt19937 rng(5);
  for (int round = 0; round < 240; ++round) {
    const int n = 2 + Pick(rng, 150);
    FillRandom(n, round % 2 == 0 ? 4 : 1000, rng);
    RowOrder actual(static_cast<std::size_t>(n));
    std::vector<std::size_t> expected = LoadOrderRows(static_cast<std::size_t>(n));
    if (round % 4 >= 2) {
      ExpectSameOutcome(Pick(rng, kSortColumnCount), Pick(rng, 2) == 0, actual, expected);
      if (HasFatalFailure()) return;
    }
    const int column = Pick(rng, kSortColumnCount);
    const int where = round % 3;
    const int refusedRow = where == 0 ? 0 : where == 1 ? 1 + Pick(rng, std::max(1, n - 2)) : n - 1;
    const auto passAt = [&](int row) {
      return static_cast<int>(actual.PassAt(Row{static_cast<std::size_t>(row)}).value);
    };
    SetCell(passAt(refusedRow) - 1, column, RefusedCell(column, rng));
    if (Pick(rng, 2) == 0)
      SetCell(passAt(refusedRow + Pick(rng, n - refusedRow)) - 1, column, "1,5");
    ExpectSameOutcome(column, Pick(rng, 2) == 0, actual, expected);
    if (HasFatalFailure()) return;
  }
}

TEST_F(SortRowsTest, ARefusedCellIsNamedInTheConversionsMessage) {
  std::mt19937 rng(1);
  FillRandom(4, 4, rng);
  SetCell(2, kTradesColumn, "12.0");
  SetCell(3, kProfitColumn, "1,5");
  const struct {
    int column;
    const char* message;
  } cases[] = {{kTradesColumn, "''12.0'' is not a valid integer value"},
               {kProfitColumn, "'1,5' is not a valid floating point value"}};
  for (const auto& c : cases) {
    RowOrder order(4);
    try {
      SortRows(Table(), c.column, true, order);
      ADD_FAILURE() << "no failure for column " << c.column;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
}

TEST_F(SortRowsTest, FewerThanTwoRowsAreNeitherConvertedNorMoved) {
  PassRecord refused;
  refused.Index = "first";
  refused.Profit = "";
  SetRow(0, refused);
  SetRow(1, refused);
  RowOrder none;
  EXPECT_NO_THROW(SortRows(Table(), kProfitColumn, true, none));
  EXPECT_EQ(none.Count(), 0u);
  for (std::size_t n : {0u, 1u}) {
    RowOrder order(n);
    EXPECT_NO_THROW(SortRows(Table(), kProfitColumn, true, order)) << "n = " << n;
    EXPECT_EQ(PassesOf(order), LoadOrderRows(n)) << "n = " << n;
  }
}

// Nothing is read before the column is known: the cells here would all be refused.
TEST_F(SortRowsTest, RefusesAColumnOutsideTheListBeforeReadingACell) {
  PassRecord refused;
  SetRow(0, refused);
  SetRow(1, refused);
  RowOrder order(2);
  EXPECT_THROW(SortRows(Table(), -1, true, order), std::out_of_range);
  EXPECT_THROW(SortRows(Table(), kSortColumnCount, true, order), std::out_of_range);
  EXPECT_EQ(PassesOf(order), LoadOrderRows(2));
}

// A sort by keys the table does not hold follows the same exchange order, and a key that fails at
// a row leaves what a refused cell there leaves.
TEST_F(SortRowsTest, KeysOfPassesSortAsTheColumnsDo) {
  std::mt19937 rng(31);
  for (int round = 0; round < 100; ++round) {
    const int n = Pick(rng, 120);
    std::vector<long double> keys;
    for (int p = 0; p < n; ++p) keys.push_back(static_cast<long double>(Pick(rng, 5)) / 2);
    const std::size_t failing = round % 3 == 0 && n > 0 ? Pick(rng, n) + 1 : 0;  // a pass number
    const auto keyOf = [&](std::size_t pass) {
      if (pass == failing) throw EConvertError("no key for pass " + std::to_string(pass));
      return keys[pass - 1];
    };
    RowOrder actual(static_cast<std::size_t>(n));
    std::vector<std::size_t> expected = LoadOrderRows(static_cast<std::size_t>(n));
    for (int sort = 0; sort < 3; ++sort) {
      const bool largestFirst = Pick(rng, 2) == 0;
      std::optional<std::string> expectedError;
      std::optional<std::string> actualError;
      try {
        ExchangeSortLiterally(keyOf, largestFirst, expected);
      } catch (const EConvertError& e) {
        expectedError = e.Message();
      }
      try {
        SortRows([&](PassNumber pass) { return keyOf(pass.value); }, largestFirst, actual);
      } catch (const EConvertError& e) {
        actualError = e.Message();
      }
      ASSERT_EQ(actualError, expectedError) << "round " << round;
      ASSERT_EQ(PassesOf(actual), expected) << "round " << round << ", sort " << sort;
      ExpectBothDirectionsAgree(actual);
    }
  }
}

class SortColumnInNextDirectionTest : public SortRowsTest {
 protected:
  void SetUp() override {
    for (int slot = 0; slot < 3; ++slot) {
      PassRecord row;
      row.Index = Kept(std::to_string(slot + 1));
      row.Profit = Kept(std::to_string(slot * 10));
      row.Trades = Kept(std::to_string(5 - slot));
      SetRow(slot, row);
    }
  }

  std::string ProfitsInRowOrder() const {
    std::string profits;
    for (std::size_t row = 0; row < order_.Count(); ++row) {
      if (row > 0) profits += " ";
      profits += Table()[SlotOf(order_.PassAt(Row{row}))].Profit;
    }
    return profits;
  }

  RowOrder order_{3};
  SortFlags flags_{};
};

TEST_F(SortColumnInNextDirectionTest, EachColumnAlternatesFromLargestFirst) {
  SortColumnInNextDirection(Table(), kProfitColumn, order_, flags_);
  EXPECT_EQ(ProfitsInRowOrder(), "20 10 0");
  SortColumnInNextDirection(Table(), kTradesColumn, order_, flags_);
  EXPECT_EQ(ProfitsInRowOrder(), "0 10 20");
  SortColumnInNextDirection(Table(), kProfitColumn, order_, flags_);
  EXPECT_EQ(ProfitsInRowOrder(), "0 10 20");
  SortColumnInNextDirection(Table(), kProfitColumn, order_, flags_);
  EXPECT_EQ(ProfitsInRowOrder(), "20 10 0");
  EXPECT_EQ(flags_, (SortFlags{false, true, true}));
}

TEST_F(SortColumnInNextDirectionTest, AnEmptyListStillFlipsTheFlag) {
  RowOrder empty;
  SortColumnInNextDirection(Table(), kProfitColumn, empty, flags_);
  EXPECT_TRUE(flags_[kProfitColumn]);
}

TEST_F(SortColumnInNextDirectionTest, AFailedSortKeepsTheDirection) {
  SetCell(2, kProfitColumn, "10%");
  EXPECT_THROW(SortColumnInNextDirection(Table(), kProfitColumn, order_, flags_), EConvertError);
  EXPECT_FALSE(flags_[kProfitColumn]);
  SetCell(2, kProfitColumn, "30");
  SortColumnInNextDirection(Table(), kProfitColumn, order_, flags_);
  EXPECT_EQ(ProfitsInRowOrder(), "30 10 0");
}

TEST_F(SortColumnInNextDirectionTest, AColumnOutsideTheListKeepsEveryFlag) {
  EXPECT_THROW(SortColumnInNextDirection(Table(), kSortColumnCount, order_, flags_),
               std::out_of_range);
  EXPECT_EQ(flags_, SortFlags{});
}

}  // namespace
