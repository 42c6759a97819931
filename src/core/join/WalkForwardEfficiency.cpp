#include "WalkForwardEfficiency.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include <core/CellConvert.h>

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

// |the quotient| in hundredths, rounded half away from zero, where every term fits.
std::optional<Wide> ExactHundredths(const DecimalDigits& profit, std::int64_t minutes,
                                    const DecimalDigits& baseProfit, std::int64_t baseMinutes) {
  // profit * baseMinutes * 100 / (baseProfit * minutes), each profit digits * 10^scale
  const long long exponent = profit.scale - baseProfit.scale + 2;
  std::optional<Wide> numerator =
      TimesPowerOfTen(DigitsValue(profit.digits), exponent > 0 ? exponent : 0);
  std::optional<Wide> denominator =
      TimesPowerOfTen(DigitsValue(baseProfit.digits), exponent < 0 ? -exponent : 0);
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

bool AppendEfficiency(std::string& out, std::string_view profit, const TestedPeriod& period,
                      std::string_view baseProfit, const TestedPeriod& basePeriod) {
  const std::optional<DecimalDigits> exactProfit = ReadDecimal(profit);
  const std::optional<DecimalDigits> exactBase = ReadDecimal(baseProfit);
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
    const long double quotient = CellToFloat(profit) / period.Years() /
                                 (CellToFloat(baseProfit) / basePeriod.Years()) * 100;
    if (!std::isfinite(quotient)) return false;
    negative = quotient < 0;
    char text[5000];
    std::snprintf(text, sizeof text, "%.0Lf", std::round(std::fabs(quotient)));
    digits = text;
  }
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  if (negative && digits.find_first_not_of('0') != std::string::npos) out += '-';
  out.append(digits, 0, digits.size() - 2);
  out += '.';
  out.append(digits, digits.size() - 2, 2);
  return true;
}

}  // namespace kvl::core
