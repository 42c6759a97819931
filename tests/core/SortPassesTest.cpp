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

#include "Exceptions.h"
#include "ExchangeSortOracle.h"
#include "KeptTexts.h"
#include "PassFields.h"
#include "SortPasses.h"

namespace {

constexpr int kProfitColumn = 1;
constexpr int kTradesColumn = 2;

PassText CItem_OPT::*ColumnField(int column) {
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

// Two tables that start alike: the literal exchange sort runs on one, SortPasses on the other.
// They are large, so the whole suite shares them.
class SortPassesTest : public ::testing::Test {
 protected:
  static PassTable& Expected() {
    static PassTable table;
    return table;
  }
  static PassTable& Actual() {
    static PassTable table;
    return table;
  }

  static void SetRow(int slot, const CItem_OPT& row) {
    Expected()[static_cast<std::size_t>(slot)] = row;
    Actual()[static_cast<std::size_t>(slot)] = row;
  }

  static void SetCell(int slot, int column, const std::string& text) {
    Expected()[static_cast<std::size_t>(slot)].*ColumnField(column) = Kept(text);
    Actual()[static_cast<std::size_t>(slot)].*ColumnField(column) = Kept(text);
  }

  // Slots 0 to n-1 get one of `keyRange` keys around zero in every column, spelled at random
  // (spread over the 32-bit range in integer columns when there are many); slot n gets a row that
  // no conversion accepts and that nothing may read or move.
  static void FillRandom(int n, int keyRange, std::mt19937& rng) {
    for (int slot = 0; slot < n; ++slot) {
      CItem_OPT row;
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
    CItem_OPT sentinel;
    sentinel.Params = "beyond the live slots";
    for (const ResultColumn& column : kResultColumns) sentinel.*column.field = "not a number";
    SetRow(slot, sentinel);
  }

  // Sorts both tables and expects the same failure (or none) and the same eight fields in every
  // slot up to and including slot n, with Params where it was stored.
  static void ExpectSameOutcome(int column, bool largestFirst, int n) {
    SCOPED_TRACE("column " + std::to_string(column) + (largestFirst ? " desc" : " asc") +
                 ", n = " + std::to_string(n));
    std::optional<std::string> expectedError;
    std::optional<std::string> actualError;
    try {
      ExchangeSortLiterally(column, largestFirst, n, Expected());
    } catch (const EConvertError& e) {
      expectedError = e.Message();
    }
    try {
      SortPasses(column, largestFirst, n, Actual());
    } catch (const EConvertError& e) {
      actualError = e.Message();
    }
    EXPECT_EQ(actualError, expectedError);
    for (int slot = 0; slot <= n; ++slot) {
      const auto& actual = Actual()[static_cast<std::size_t>(slot)];
      ASSERT_EQ(AllFields(actual), AllFields(Expected()[static_cast<std::size_t>(slot)]))
          << "slot " << slot;
      if (slot < n) {
        ASSERT_EQ(actual.Params, ParamsOfSlot(slot)) << "slot " << slot;
      }
    }
  }
};

TEST_F(SortPassesTest, EqualKeysEndInTheExchangeSortsOrder) {
  struct Case {
    bool largestFirst;
    std::array<const char*, 3> profits;
    std::array<const char*, 3> expectedIndexes;
  };
  // Rows A, B, C carry the Index texts 1, 2, 3.
  const Case cases[] = {
      {true, {"1", "1", "2"}, {"3", "2", "1"}},
      {false, {"2", "2", "1"}, {"3", "2", "1"}},
  };
  for (const auto& c : cases) {
    for (int slot = 0; slot < 3; ++slot) {
      CItem_OPT row;
      row.Index = Kept(std::to_string(slot + 1));
      row.Params = Kept(ParamsOfSlot(slot));
      row.Profit = c.profits[static_cast<std::size_t>(slot)];
      Actual()[static_cast<std::size_t>(slot)] = row;
    }
    SortPasses(kProfitColumn, c.largestFirst, 3, Actual());
    for (int slot = 0; slot < 3; ++slot) {
      EXPECT_EQ(Actual()[static_cast<std::size_t>(slot)].Index,
                c.expectedIndexes[static_cast<std::size_t>(slot)])
          << "slot " << slot << (c.largestFirst ? " desc" : " asc");
      EXPECT_EQ(Actual()[static_cast<std::size_t>(slot)].Params, ParamsOfSlot(slot));
    }
  }
}

// Every table of up to six rows over four keys, so every pattern of ties and of keys beyond
// them that small tables can hold.
TEST_F(SortPassesTest, MatchesTheExchangeSortOnEverySmallTable) {
  std::mt19937 rng(7);
  for (int column : {kProfitColumn, kTradesColumn}) {
    for (int n = 0; n <= 6; ++n) {
      int tables = 1;
      for (int i = 0; i < n; ++i) tables *= 4;
      for (int code = 0; code < tables; ++code) {
        for (bool largestFirst : {true, false}) {
          int rest = code;
          for (int slot = 0; slot < n; ++slot, rest /= 4) {
            CItem_OPT row;
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

TEST_F(SortPassesTest, MatchesTheExchangeSortOnRandomTables) {
  std::mt19937 rng(2024);
  for (int round = 0; round < 300; ++round) {
    const int n = Pick(rng, 251);
    const int keyRange = round % 3 == 0 ? 1000 : 4;
    FillRandom(n, keyRange, rng);
    ExpectSameOutcome(Pick(rng, kSortColumnCount), Pick(rng, 2) == 0, n);
    if (HasFatalFailure()) return;
  }
}

TEST_F(SortPassesTest, MatchesTheExchangeSortOverSuccessiveSorts) {
  std::mt19937 rng(99);
  for (int round = 0; round < 40; ++round) {
    const int n = Pick(rng, 200);
    FillRandom(n, 4, rng);
    for (int sort = 0; sort < 6; ++sort) {
      ExpectSameOutcome(Pick(rng, kSortColumnCount), Pick(rng, 2) == 0, n);
      if (HasFatalFailure()) return;
    }
  }
}

// A refused cell at slot 0, in the middle or last, sometimes with more refused cells above it:
// the same cell is named and the same exchanges of the first sweep stay.
TEST_F(SortPassesTest, ARefusedCellLeavesWhatTheExchangeSortLeaves) {
  std::mt19937 rng(5);
  for (int round = 0; round < 240; ++round) {
    const int n = 2 + Pick(rng, 150);
    FillRandom(n, round % 2 == 0 ? 4 : 1000, rng);
    const int column = Pick(rng, kSortColumnCount);
    const int where = round % 3;
    const int refusedSlot = where == 0 ? 0 : where == 1 ? 1 + Pick(rng, std::max(1, n - 2)) : n - 1;
    SetCell(refusedSlot, column, RefusedCell(column, rng));
    if (Pick(rng, 2) == 0) SetCell(refusedSlot + Pick(rng, n - refusedSlot), column, "1,5");
    ExpectSameOutcome(column, Pick(rng, 2) == 0, n);
    if (HasFatalFailure()) return;
  }
}

TEST_F(SortPassesTest, ARefusedCellIsNamedInTheConversionsMessage) {
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
    try {
      SortPasses(c.column, true, 4, Actual());
      ADD_FAILURE() << "no failure for column " << c.column;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
}

TEST_F(SortPassesTest, FewerThanTwoRowsAreNeitherConvertedNorMoved) {
  for (int n : {-1, 0, 1}) {
    CItem_OPT refused;
    refused.Index = "first";
    refused.Profit = "";
    SetRow(0, refused);
    SetRow(1, refused);
    EXPECT_NO_THROW(SortPasses(kProfitColumn, true, n, Actual())) << "n = " << n;
    EXPECT_EQ(AllFields(Actual()[0]), AllFields(refused));
  }
}

TEST_F(SortPassesTest, RefusesAColumnOrCountOutsideTheTable) {
  EXPECT_THROW(SortPasses(-1, true, 2, Actual()), std::out_of_range);
  EXPECT_THROW(SortPasses(kSortColumnCount, true, 2, Actual()), std::out_of_range);
  EXPECT_THROW(SortPasses(kProfitColumn, true, static_cast<int>(Actual().Size()) + 1, Actual()),
               std::out_of_range);
}

class SortColumnInNextDirectionTest : public SortPassesTest {
 protected:
  void SetUp() override {
    for (int slot = 0; slot < 3; ++slot) {
      CItem_OPT row;
      row.Index = Kept(std::to_string(slot + 1));
      row.Profit = Kept(std::to_string(slot * 10));
      row.Trades = Kept(std::to_string(5 - slot));
      SetRow(slot, row);
    }
  }

  static std::string ProfitsInSlotOrder() {
    return std::string(Actual()[0].Profit) + " " + std::string(Actual()[1].Profit) + " " +
           std::string(Actual()[2].Profit);
  }

  SortFlags flags_{};
};

TEST_F(SortColumnInNextDirectionTest, EachColumnAlternatesFromLargestFirst) {
  SortColumnInNextDirection(kProfitColumn, 3, Actual(), flags_);
  EXPECT_EQ(ProfitsInSlotOrder(), "20 10 0");
  SortColumnInNextDirection(kTradesColumn, 3, Actual(), flags_);
  EXPECT_EQ(ProfitsInSlotOrder(), "0 10 20");
  SortColumnInNextDirection(kProfitColumn, 3, Actual(), flags_);
  EXPECT_EQ(ProfitsInSlotOrder(), "0 10 20");
  SortColumnInNextDirection(kProfitColumn, 3, Actual(), flags_);
  EXPECT_EQ(ProfitsInSlotOrder(), "20 10 0");
  EXPECT_EQ(flags_, (SortFlags{false, true, true}));
}

TEST_F(SortColumnInNextDirectionTest, AnEmptyListStillFlipsTheFlag) {
  SortColumnInNextDirection(kProfitColumn, 0, Actual(), flags_);
  EXPECT_TRUE(flags_[kProfitColumn]);
}

TEST_F(SortColumnInNextDirectionTest, AFailedSortKeepsTheDirection) {
  SetCell(2, kProfitColumn, "10%");
  EXPECT_THROW(SortColumnInNextDirection(kProfitColumn, 3, Actual(), flags_), EConvertError);
  EXPECT_FALSE(flags_[kProfitColumn]);
  SetCell(2, kProfitColumn, "30");
  SortColumnInNextDirection(kProfitColumn, 3, Actual(), flags_);
  EXPECT_EQ(ProfitsInSlotOrder(), "30 10 0");
}

}  // namespace
