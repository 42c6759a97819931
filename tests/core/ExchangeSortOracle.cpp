#include "ExchangeSortOracle.h"

#include <utility>

#include <core/CellConvert.h>

using namespace kvl::core;

namespace {

long double ColumnKey(int columnId, const PassRecord& pass) {
  switch (columnId) {
    case 0:
      return CellToInt(pass.Index);
    case 1:
      return CellToFloat(pass.Profit);
    case 2:
      return CellToInt(pass.Trades);
    case 3:
      return CellToFloat(pass.ProfitFactor);
    case 4:
      return CellToFloat(pass.ExpectedPayoff);
    case 5:
      return CellToFloat(pass.DrawdownMoney);
    default:
      return CellToFloat(pass.DrawdownPercent);
  }
}

}  // namespace

void ExchangeSortLiterally(const std::function<long double(std::size_t pass)>& keyOfPass,
                           bool largestFirst, std::vector<std::size_t>& rows) {
  const std::size_t n = rows.size();
  for (std::size_t i = 0; i + 1 < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      const long double a = keyOfPass(rows[i]);
      const long double b = keyOfPass(rows[j]);
      if (largestFirst ? a < b : a > b) std::swap(rows[i], rows[j]);
    }
  }
}

void ExchangeSortLiterally(int columnId, bool largestFirst, const PassTable& table,
                           std::vector<std::size_t>& rows) {
  ExchangeSortLiterally(
      [columnId, &table](std::size_t pass) { return ColumnKey(columnId, table[pass - 1]); },
      largestFirst, rows);
}

std::vector<std::size_t> LoadOrderRows(std::size_t count) {
  std::vector<std::size_t> rows(count);
  for (std::size_t r = 0; r < count; ++r) rows[r] = r + 1;
  return rows;
}
