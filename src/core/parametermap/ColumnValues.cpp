#include "ColumnValues.h"

#include <optional>

#include <core/CellKey.h>
#include <core/Exceptions.h>
#include <core/ResultColumns.h>

#include "ExactDecimal.h"

namespace kvl::core {

namespace {

constexpr int kDrawdownColumn = 5;
constexpr int kDrawdownPercentColumn = 6;
// Far enough ahead for a pass's cell, which lies in the report's text far from the processor's
// cache, to arrive before it is read.
constexpr std::size_t kPassesAhead = 16;

// A cell the sort would refuse converts to nothing here; the map leaves such a figure empty.
bool Convert(const ResultColumn& column, PassText text, long double& value) {
  try {
    value = CellKey(column, text);
    return true;
  } catch (const EConvertError&) {
    return false;
  }
}

// Whole numbers are exact as they are, within the range of the ten-thousandths.
std::int64_t WholeExact(long double value) {
  constexpr long double kMostWhole = 1e9L;
  return value < kMostWhole && value > -kMostWhole ? static_cast<std::int64_t>(value) * kTenThousand
                                                   : kNotExact;
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
  // Nothing moves a loaded pass: the pass numbered k is in slot k-1.
  for (std::size_t at = 0; at < count; ++at) {
    if (at + kPassesAhead < count) {
      __builtin_prefetch((table[at + kPassesAhead].*column.field).data());
    }
    const PassText text = table[at].*column.field;
    values.texts_[at] = text;
    // A plain decimal reads as CellToFloat reads it: both divide its exact digits by an exact
    // power of ten, rounding once. This spares the general conversion for nearly every cell.
    const std::optional<std::int64_t> plain =
        column.integerKey ? std::nullopt : TenThousandths(text);
    if (plain) {
      values.converts_[at] = 1;
      values.exact_[at] = *plain;
      values.values_[at] = static_cast<long double>(*plain) / kTenThousand;
    } else if (Convert(column, text, values.values_[at])) {
      values.converts_[at] = 1;
      values.exact_[at] = column.integerKey ? WholeExact(values.values_[at]) : kNotExact;
    }
  }
  return values;
}

bool LowerIsBetter(int columnId) noexcept {
  return columnId == kDrawdownColumn || columnId == kDrawdownPercentColumn;
}

}  // namespace kvl::core
