#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <core/parametermap/ColumnValues.h>
#include <core/parametermap/Neighbourhoods.h>
#include <core/parametermap/ParameterMap.h>
#include <core/parametermap/ParameterSpace.h>

#include "MapReport.h"

using namespace kvl::core;

namespace {

constexpr int kProfit = 1;
constexpr int kTrades = 2;

MapPass PassAt(int x, int y, const std::string& cell, int column) {
  MapPass pass{Title({{"X", std::to_string(x)}, {"Y", std::to_string(y)}}), "1.00"};
  (column == kTrades ? pass.trades : pass.profit) = cell;
  return pass;
}

// A report with its parameter space and one column's values.
struct ReadReport {
  ReadReport(const std::vector<MapPass>& passes, int column)
      : report(passes),
        space(ParameterSpace::Read(report.table, report.count)),
        values(ColumnValues::Read(report.table, report.count, column)) {}

  MapReport report;
  ParameterSpace space;
  ColumnValues values;
};

// The mean of `cells` as each way of the map gives it.
struct Means {
  std::string map;
  std::string profile;
  std::string neighbourhood;       // every pass at once
  std::string neighbourhoodAlone;  // one pass

  bool operator==(const Means&) const = default;
  friend void PrintTo(const Means& m, std::ostream* out) {
    *out << m.map << " | " << m.profile << " | " << m.neighbourhood << " | "
         << m.neighbourhoodAlone;
  }
};

Means MeansOf(const std::vector<std::string>& cells, int column) {
  // Every cell at X=1 makes one cell of the map and one point of the profile; a pass at X=2
  // makes X optimized.
  std::vector<MapPass> inOneCell;
  for (const std::string& cell : cells) inOneCell.push_back(PassAt(1, 1, cell, column));
  inOneCell.push_back(PassAt(2, 1, "0", column));
  const ReadReport cell(inOneCell, column);
  // The first cell alone at X=1, Y=1 and the others at X=2, Y=1, all of them its neighbours; a
  // pass at X=2, Y=2, none of them, makes both optimized.
  std::vector<MapPass> around;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    around.push_back(PassAt(c ? 2 : 1, 1, cells[c], column));
  }
  around.push_back(PassAt(2, 2, "0", column));
  const ReadReport neighbourhood(around, column);
  const Neighbourhoods neighbours = Neighbourhoods::Find(neighbourhood.space);
  return {BuildParameterMap(cell.space, cell.values, 0, std::nullopt, MapAggregate::kMean)
              .At(0, 0)
              .figure.text,
          BuildProfile(cell.space, cell.values, 0).front().mean.text,
          FiguresOfEveryPass(neighbours, neighbourhood.values).front().Mean(),
          FiguresOf(neighbours, neighbourhood.values, 1).Mean()};
}

struct MeanCase {
  const char* name;
  int column;
  std::vector<std::string> cells;
  std::string mean;

  friend void PrintTo(const MeanCase& c, std::ostream* out) { *out << c.name; }
};

class MeanTest : public testing::TestWithParam<MeanCase> {};

TEST_P(MeanTest, EveryWayGivesTheWholeExactMeanWithTwoDecimals) {
  const std::string& mean = GetParam().mean;
  EXPECT_EQ(MeansOf(GetParam().cells, GetParam().column), (Means{mean, mean, mean, mean}));
}

const std::vector<std::string> kTenProfits = {"1.5",     "0.00",    "+2", "-136.99", "290.68",
                                              "-365.73", "-282.48", "+2", "100.25",  "-292.58"};

std::vector<std::string> WithFirst(std::vector<std::string> cells, std::string first) {
  cells.front() = std::move(first);
  return cells;
}

std::string Digits(const std::string& head, std::size_t zeros, const std::string& tail) {
  return head + std::string(zeros, '0') + tail;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MeanTest,
    testing::Values(
        // -681.35 / 10 lies halfway, however its cells are written.
        MeanCase{"HalfOfPlainDecimals", kProfit, kTenProfits, "-68.14"},
        MeanCase{"HalfWithAnExponent", kProfit, WithFirst(kTenProfits, "15e-1"), "-68.14"},
        MeanCase{"HalfWithManyDecimals", kProfit, WithFirst(kTenProfits, "1.500000"), "-68.14"},
        MeanCase{"HalfUpward", kProfit, {"1e-2", "2.0E-2"}, "0.02"},
        MeanCase{"HalfDownward", kProfit, {"-1e-2", "-2.0E-2"}, "-0.02"},
        MeanCase{"ThirdsRoundDown", kProfit, {"4e2", "0", "0"}, "133.33"},
        MeanCase{"JustBelowAHalf", kProfit, {"0.0049999999999999999999999"}, "0.00"},
        MeanCase{"NoMinusZero", kProfit, {"-0.0049999999999999999999999"}, "0.00"},
        // What the sort reads as zero, below the smallest extended float, counts as zero.
        MeanCase{"BelowTheSmallestFloat", kProfit, {"0.01", "-1e-5000"}, "0.01"},
        MeanCase{"Large", kProfit, {"1e63"}, Digits("1", 63, ".00")},
        MeanCase{"LargeAndOne", kProfit, {"1e63", "1"}, Digits("5", 62, ".50")},
        MeanCase{"LargePositive", kProfit, {"5e60"}, Digits("5", 60, ".00")},
        MeanCase{"LargeNegative", kProfit, {"-5e60", "-5.0e60"}, Digits("-5", 60, ".00")},
        MeanCase{"LargeWithCents", kProfit, {"-1e60", "-0.01"}, Digits("-5", 59, ".01")},
        MeanCase{"LargestFloat", kProfit, {"1.18e4932"}, Digits("118", 4930, ".00")},
        MeanCase{"LargeCancelling", kProfit, {"1e300", "-1e300", "3.25"}, "1.08"},
        // Counted trades are whole numbers, in hexadecimal too.
        MeanCase{"Trades", kTrades, {"$7FFFFFFF", "2147483646"}, "2147483646.50"},
        MeanCase{"SmallTrades", kTrades, {"0x10", "1"}, "8.50"}),
    [](const testing::TestParamInfo<MeanCase>& param) { return std::string(param.param.name); });

// A cell of hundredths written in one of the forms a report may hold: plain, with an exponent,
// with more decimals, with a sign and blanks.
std::string Written(std::int64_t hundredths, int form) {
  const char* sign = hundredths < 0 ? "-" : "";
  const std::int64_t magnitude = std::llabs(hundredths);
  char text[64];
  const auto whole = static_cast<long long>(magnitude / 100);
  const auto cents = static_cast<long long>(magnitude % 100);
  const std::string digits = std::to_string(magnitude);
  switch (form) {
    case 0:
      std::snprintf(text, sizeof text, "%s%lld.%02lld", sign, whole, cents);
      break;
    case 1:
      std::snprintf(text, sizeof text, "%s%se-2", sign, digits.c_str());
      break;
    case 2:
      std::snprintf(text, sizeof text, "%s%c.%sE%d", sign, digits[0], digits.c_str() + 1,
                    static_cast<int>(digits.size()) - 3);
      break;
    case 3:
      std::snprintf(text, sizeof text, "%s%lld.%02lld0000", sign, whole, cents);
      break;
    default:
      std::snprintf(text, sizeof text, " %s%lld.%02lld ", hundredths < 0 ? "-" : "+", whole, cents);
      break;
  }
  return text;
}

// The model: the exact mean in hundredths, rounded half away from zero.
std::string ModelMean(std::int64_t sum, std::int64_t count) {
  const std::int64_t rounded = (2 * std::llabs(sum) + count) / (2 * count);
  char text[64];
  std::snprintf(text, sizeof text, "%s%lld.%02lld", sum < 0 && rounded != 0 ? "-" : "",
                static_cast<long long>(rounded / 100), static_cast<long long>(rounded % 100));
  return text;
}

// Cells in every form, several passes at each value of X: the mean of each cell of the map and
// point of the profile, and of each pass's neighbourhood (the passes at the values of X next to
// its own), is the model's.
TEST(MeanModelTest, EveryMeanIsTheModelsWhateverFormTheCellsHave) {
  constexpr int kValues = 300;
  std::mt19937_64 random(20240611);
  std::uniform_int_distribution<std::int64_t> hundredths(-2'000'000, 2'000'000);
  std::uniform_int_distribution<int> form(0, 4);
  std::uniform_int_distribution<int> passesAt(1, 6);
  std::vector<MapPass> passes;
  std::vector<std::int64_t> passValue;
  std::vector<int> passX;
  std::vector<std::int64_t> sum(kValues + 2, 0);
  std::vector<std::int64_t> count(kValues + 2, 0);
  for (int x = 1; x <= kValues; ++x) {
    for (int p = passesAt(random); p > 0; --p) {
      const std::int64_t value = hundredths(random);
      passes.push_back(PassAt(x, 1, Written(value, form(random)), kProfit));
      passValue.push_back(value);
      passX.push_back(x);
      sum[x] += value;
      ++count[x];
    }
  }
  const ReadReport report(passes, kProfit);
  const ParameterMap map =
      BuildParameterMap(report.space, report.values, 0, std::nullopt, MapAggregate::kMean);
  const std::vector<ProfilePoint> profile = BuildProfile(report.space, report.values, 0);
  for (int x = 1; x <= kValues; ++x) {
    const std::string mean = ModelMean(sum[x], count[x]);
    ASSERT_EQ(map.At(x - 1, 0).figure.text, mean) << x;
    ASSERT_EQ(profile[x - 1].mean.text, mean) << x;
  }
  const Neighbourhoods neighbours = Neighbourhoods::Find(report.space);
  const std::vector<NeighbourhoodFigures> figures = FiguresOfEveryPass(neighbours, report.values);
  for (std::size_t pass = 1; pass <= passes.size(); ++pass) {
    const int x = passX[pass - 1];
    const std::string mean =
        ModelMean(passValue[pass - 1] + sum[x - 1] + sum[x + 1], 1 + count[x - 1] + count[x + 1]);
    ASSERT_EQ(figures[pass - 1].Mean(), mean) << pass;
  }
}

}  // namespace
