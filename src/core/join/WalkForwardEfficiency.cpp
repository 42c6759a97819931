#include "WalkForwardEfficiency.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include <core/CellConvert.h>
#include <core/parametermap/ExactDecimal.h>

namespace kvl::core {

namespace {

__extension__ typedef unsigned __int128 Wide;

std::optional<Wide> Times(Wide a, Wide b) {
  Wide product = 0;
  if (__builtin_mul_overflow(a, b, &product)) return std::nullopt;
  return product;
}

std::optional<Wide> TimesPowerOfTen(std::optional<Wide> value, long long exponent) {
  for (long long e = 0; value && *value != 0 && e < exponent; ++e) value = Times(*value, 10);
  return value;
}

std::optional<Wide> DigitsValue(const std::string& digits) {
  std::optional<Wide> value = Wide{0};
  for (const char digit : digits) {
    value = Times(*value, 10);
    if (!value) return std::nullopt;
    *value += static_cast<unsigned>(digit - '0');
  }
  return value;
}

// A profit as an exact decimal: magnitude * 10^scale.
struct ExactProfit {
  Wide magnitude = 0;
  long long scale = 0;
  bool negative = false;
};

// Most profits are plain decimals, read at once in ten-thousandths; the rest digit by digit.
std::optional<ExactProfit> ExactProfitOf(const JoinedProfitCell& cell) {
  if (cell.tenThousandths) {
    const std::int64_t value = *cell.tenThousandths;
    return ExactProfit{static_cast<Wide>(value < 0 ? -value : value), -4, value < 0};
  }
  const std::optional<DecimalDigits> decimal = ReadDecimal(cell.text);
  if (!decimal) return std::nullopt;
  const std::optional<Wide> magnitude = DigitsValue(decimal->digits);
  if (!magnitude) return std::nullopt;
  return ExactProfit{*magnitude, decimal->scale, decimal->negative};
}

// |the quotient| in hundredths, rounded half away from zero, where every term fits.
std::optional<Wide> ExactHundredths(const ExactProfit& profit, std::int64_t minutes,
                                    const ExactProfit& baseProfit, std::int64_t baseMinutes) {
  // profit * baseMinutes * 100 / (baseProfit * minutes)
  const long long exponent = profit.scale - baseProfit.scale + 2;
  std::optional<Wide> numerator = TimesPowerOfTen(profit.magnitude, exponent > 0 ? exponent : 0);
  std::optional<Wide> denominator =
      TimesPowerOfTen(baseProfit.magnitude, exponent < 0 ? -exponent : 0);
  if (!numerator || !denominator || *denominator == 0) return std::nullopt;
  numerator = Times(*numerator, static_cast<Wide>(baseMinutes));
  denominator = Times(*denominator, static_cast<Wide>(minutes));
  if (!numerator || !denominator) return std::nullopt;
  const std::optional<Wide> twiceNumerator = Times(*numerator, 2);
  const std::optional<Wide> twiceDenominator = Times(*denominator, 2);
  if (!twiceNumerator || !twiceDenominator || *twiceNumerator > ~Wide{0} - *denominator) {
    return std::nullopt;
  }
  return (*twiceNumerator + *denominator) / *twiceDenominator;
}

std::string DigitsOf(Wide value) {
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
    value /= 10;
  } while (value != 0);
  return digits;
}

}  // namespace

bool AppendEfficiency(HugeVector<char>& out, const JoinedProfitCell& profit,
                      const TestedPeriod& period, const JoinedProfitCell& baseProfit,
                      const TestedPeriod& basePeriod) {
  const std::optional<ExactProfit> exactProfit = ExactProfitOf(profit);
  const std::optional<ExactProfit> exactBase = ExactProfitOf(baseProfit);
  const std::int64_t minutes = period.toMinute - period.fromMinute;
  const std::int64_t baseMinutes = basePeriod.toMinute - basePeriod.fromMinute;
  std::optional<Wide> hundredths;
  if (exactProfit && exactBase) {
    hundredths = ExactHundredths(*exactProfit, minutes, *exactBase, baseMinutes);
  }
  std::string digits;
  bool negative = exactProfit && exactProfit->negative;
  if (hundredths) {
    digits = DigitsOf(*hundredths);
  } else {
    const long double quotient =
        profit.value / period.Years() / (baseProfit.value / basePeriod.Years()) * 100;
    if (!std::isfinite(quotient)) return false;
    negative = quotient < 0;
    char text[5000];
    std::snprintf(text, sizeof text, "%.0Lf", std::round(std::fabs(quotient)));
    digits = text;
  }
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  if (negative && digits.find_first_not_of('0') != std::string::npos) out.push_back('-');
  out.insert(out.end(), digits.begin(), digits.end() - 2);
  out.push_back('.');
  out.insert(out.end(), digits.end() - 2, digits.end());
  return true;
}

}  // namespace kvl::core
