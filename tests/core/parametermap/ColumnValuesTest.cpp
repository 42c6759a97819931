#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <core/CellKey.h>
#include <core/Exceptions.h>
#include <core/ResultColumns.h>
#include <core/parametermap/ColumnValues.h>

#include "MapReport.h"

using namespace kvl::core;

namespace {

constexpr int kProfit = 1;
constexpr int kTrades = 2;

// The values keep the exact form of plain decimals and whole numbers alone, and of every other
// cell the value itself: each reads back as the sort's own conversion reads the cell, beside
// cells of the other kinds.
TEST(ColumnValues, EveryCellReadsAsTheSortReadsIt) {
  const std::vector<std::pair<std::string, std::string>> cells = {
      {"87.40", "12"}, {"1e3", "0x1A"},           {"0.12345", "3000000000"}, {"1,5", "-7"},
      {"abc", "x"},    {"-0.0001", "2147483647"}, {"123456789012", "1.5"},   {"+5", " 4"},
  };
  std::vector<MapPass> passes;
  for (const auto& [profit, trades] : cells) {
    passes.push_back({Title({{"A", std::to_string(passes.size())}}), profit, "10.00", trades});
  }
  const MapReport report(passes);
  for (const int columnId : {kProfit, kTrades}) {
    const ResultColumn& column = kResultColumns[static_cast<std::size_t>(columnId)];
    const ColumnValues values = ColumnValues::Read(report.table, report.count, columnId);
    ASSERT_EQ(values.PassCount(), cells.size());
    for (std::size_t pass = 1; pass <= cells.size(); ++pass) {
      const PassText text = report.table[pass - 1].*column.field;
      EXPECT_EQ(values.Text(pass), text);
      long double expected = 0;
      bool converts = true;
      try {
        expected = CellKey(column, text);
      } catch (const EConvertError&) {
        converts = false;
      }
      EXPECT_EQ(values.Converts(pass), converts) << column.name << " " << text;
      if (converts) {
        EXPECT_EQ(values.Value(pass), expected) << column.name << " " << text;
      }
    }
  }
}

}  // namespace
