#include "ColumnValues.h"

#include <algorithm>
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
  values.table_ = &table;
  values.field_ = column.field;
  values.count_ = count;
  values.exact_.resize(count, kNotExact);
  // Nothing moves a loaded pass: the pass numbered k is in slot k-1.
  for (std::size_t at = 0; at < count; ++at) {
    if (at + kPassesAhead < count) {
      __builtin_prefetch((table[at + kPassesAhead].*column.field).data());
    }
    const PassText text = table[at].*column.field;
    // A plain decimal reads as CellToFloat reads it: both divide its exact digits by an exact
    // power of ten, rounding once. This spares the general conversion for nearly every cell.
    const std::optional<std::int64_t> plain =
        column.integerKey ? std::nullopt : TenThousandths(text);
    long double value = 0;
    if (plain) {
      values.exact_[at] = *plain;
    } else if (Convert(column, text, value)) {
      values.exact_[at] = column.integerKey ? WholeExact(value) : kNotExact;
      if (values.exact_[at] == kNotExact) {
        values.otherPasses_.push_back(static_cast<std::uint32_t>(at + 1));
        values.otherValues_.push_back(value);
      }
    }
  }
  return values;
}

const long double* ColumnValues::OtherValue(std::size_t pass) const noexcept {
  const auto at = std::lower_bound(otherPasses_.begin(), otherPasses_.end(), pass);
  if (at == otherPasses_.end() || *at != pass) return nullptr;
  return &otherValues_[static_cast<std::size_t>(at - otherPasses_.begin())];
}

bool LowerIsBetter(int columnId) noexcept {
  return columnId == kDrawdownColumn || columnId == kDrawdownPercentColumn;
}

}  // namespace kvl::core
