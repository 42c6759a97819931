#include "ExchangeSortOracle.h"

#include "CellConvert.h"

namespace {

long double ColumnKey(int columnId, const CItem_OPT& row) {
  switch (columnId) {
    case 0:
      return CellToInt(row.Index);
    case 1:
      return CellToFloat(row.Profit);
    case 2:
      return CellToInt(row.Trades);
    case 3:
      return CellToFloat(row.ProfitFactor);
    case 4:
      return CellToFloat(row.ExpectedPayoff);
    case 5:
      return CellToFloat(row.DrawdownMoney);
    default:
      return CellToFloat(row.DrawdownPercent);
  }
}

}  // namespace

void ExchangeSortLiterally(int columnId, bool largestFirst, int n, PassTable& table) {
  for (int i = 0; i < n - 1; ++i) {
    for (int j = i + 1; j < n; ++j) {
      const long double a = ColumnKey(columnId, table[i]);
      const long double b = ColumnKey(columnId, table[j]);
      if (largestFirst ? a < b : a > b) SwapRowFields(table[i], table[j]);
    }
  }
}
