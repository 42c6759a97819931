#include "ExactSum.h"

#include <core/ResultColumns.h>

#include "ExactDecimal.h"

namespace kvl::core {

DecimalSum& ExactSum::Wide() {
  if (!wide_) {
    wide_ = std::make_unique<DecimalSum>();
    wide_->AddTenThousandths(tenThousandths_);
  }
  return *wide_;
}

void ExactSum::AddTenThousandths(std::int64_t value) {
  std::int64_t sum = 0;
  if (wide_ || __builtin_add_overflow(tenThousandths_, value, &sum)) {
    Wide().AddTenThousandths(value);
  } else {
    tenThousandths_ = sum;
  }
}

void ExactSum::Add(const ColumnValues& values, std::size_t pass) {
  const std::int64_t exact = values.Exact(pass);
  if (exact != kNotExact) {
    AddTenThousandths(exact);
  } else if (kResultColumns.at(static_cast<std::size_t>(values.ColumnId())).integerKey) {
    // A counted column's key is a 32-bit integer, in any of CellToInt's forms.
    Wide().AddTenThousandths(static_cast<std::int64_t>(values.Value(pass)) * kTenThousand);
  } else {
    Wide().AddText(values.Text(pass));
  }
}

std::string ExactSum::MeanText(std::size_t count) const {
  return wide_ ? wide_->MeanText(count) : HundredthsText(MeanHundredths(tenThousandths_, count));
}

}  // namespace kvl::core
