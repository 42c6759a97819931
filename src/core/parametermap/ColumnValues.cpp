#include "parametermap/ColumnValues.h"

#include "CellConvert.h"
#include "Exceptions.h"
#include "ResultColumns.h"
#include "parametermap/ExactDecimal.h"
#include "parametermap/PassRows.h"

namespace {

constexpr int kDrawdownColumn = 5;
constexpr int kDrawdownPercentColumn = 6;

// A cell the sort would refuse converts to nothing here; the map leaves such a figure empty.
bool Convert(const ResultColumn& column, PassText text, long double& value) {
  try {
    value = column.integerKey ? static_cast<long double>(CellToInt(text)) : CellToFloat(text);
    return true;
  } catch (const EConvertError&) {
    return false;
  }
}

// Whole numbers are exact as they are; decimals when they are plain ones.
std::int64_t ExactValue(const ResultColumn& column, PassText text, long double value) {
  constexpr long double kMostWhole = 1e9L;
  if (column.integerKey) {
    return value < kMostWhole && value > -kMostWhole
               ? static_cast<std::int64_t>(value) * kTenThousand
               : kNotExact;
  }
  return TenThousandths(text).value_or(kNotExact);
}

}  // namespace

ColumnValues ColumnValues::Read(const PassTable& table, std::size_t count, int columnId) {
  const ResultColumn& column = kResultColumns.at(static_cast<std::size_t>(columnId));
  ColumnValues values;
  values.columnId_ = columnId;
  values.texts_.resize(count);
  values.values_.resize(count, 0);
  values.converts_.resize(count, 0);
  values.exact_.resize(count, kNotExact);
  std::vector<bool> seen(count, false);
  for (std::size_t row = 0; row < count; ++row) {
    const CItem_OPT& record = table[row];
    const std::optional<std::size_t> pass = PassNumberOf(record.Index);
    if (!pass || *pass > count || seen[*pass - 1]) continue;
    const std::size_t at = *pass - 1;
    seen[at] = true;
    values.texts_[at] = record.*column.field;
    values.converts_[at] = Convert(column, values.texts_[at], values.values_[at]);
    if (values.converts_[at])
      values.exact_[at] = ExactValue(column, values.texts_[at], values.values_[at]);
  }
  return values;
}

bool LowerIsBetter(int columnId) noexcept {
  return columnId == kDrawdownColumn || columnId == kDrawdownPercentColumn;
}

bool IsBetter(int columnId, long double candidate, long double incumbent) noexcept {
  return LowerIsBetter(columnId) ? candidate < incumbent : candidate > incumbent;
}
