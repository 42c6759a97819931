#include "WalkForwardEfficiency.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string_view>

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

// Most efficiencies are of plain profits whose terms fit 64 bits, and 64-bit division is several
// times faster than 128-bit division.
std::optional<std::uint64_t> PlainHundredths(const JoinedProfitCell& profit, std::int64_t minutes,
                                             const JoinedProfitCell& baseProfit,
                                             std::int64_t baseMinutes) {
  if (!profit.tenThousandths || !baseProfit.tenThousandths || minutes <= 0 || baseMinutes <= 0) {
    return std::nullopt;
  }
  const std::int64_t value = *profit.tenThousandths;
  const auto magnitude = static_cast<std::uint64_t>(value < 0 ? -value : value);
  std::uint64_t scaledMinutes = 0;
  std::uint64_t numerator = 0;
  std::uint64_t denominator = 0;
  if (__builtin_mul_overflow(static_cast<std::uint64_t>(baseMinutes), 100, &scaledMinutes) ||
      __builtin_mul_overflow(magnitude, scaledMinutes, &numerator) ||
      __builtin_mul_overflow(static_cast<std::uint64_t>(*baseProfit.tenThousandths),
                             static_cast<std::uint64_t>(minutes), &denominator) ||
      numerator > (~std::uint64_t{0} - denominator) / 2 || denominator > ~std::uint64_t{0} / 2) {
    return std::nullopt;
  }
  return (2 * numerator + denominator) / (2 * denominator);
}

// The decimal digits of `value`, written before `end`; returns where they begin.
char* DigitsBefore(char* end, Wide value) {
  do {
    *--end = static_cast<char>('0' + static_cast<int>(value % 10));
    value /= 10;
  } while (value != 0);
  return end;
}

// Hundredths as text with two decimals.
void AppendHundredths(HugeVector<char>& out, bool negative, std::string_view digits) {
  const std::size_t zeros = digits.size() < 3 ? 3 - digits.size() : 0;
  if (negative && digits.find_first_not_of('0') != std::string_view::npos) out.push_back('-');
  const std::size_t whole = digits.size() + zeros - 2;
  for (std::size_t k = 0; k < whole + 2; ++k) {
    if (k == whole) out.push_back('.');
    out.push_back(k < zeros ? '0' : digits[k - zeros]);
  }
}

}  // namespace

bool AppendEfficiency(HugeVector<char>& out, const JoinedProfitCell& profit,
                      const TestedPeriod& period, const JoinedProfitCell& baseProfit,
                      const TestedPeriod& basePeriod) {
  const std::int64_t minutes = period.toMinute - period.fromMinute;
  const std::int64_t baseMinutes = basePeriod.toMinute - basePeriod.fromMinute;
  char digits[48];
  char* const end = std::end(digits);
  if (const auto plain = PlainHundredths(profit, minutes, baseProfit, baseMinutes)) {
    AppendHundredths(out, *profit.tenThousandths < 0,
                     std::string_view(DigitsBefore(end, *plain), end));
    return true;
  }
  const std::optional<ExactProfit> exactProfit = ExactProfitOf(profit);
  const std::optional<ExactProfit> exactBase = ExactProfitOf(baseProfit);
  if (exactProfit && exactBase) {
    if (const auto hundredths = ExactHundredths(*exactProfit, minutes, *exactBase, baseMinutes)) {
      AppendHundredths(out, exactProfit->negative,
                       std::string_view(DigitsBefore(end, *hundredths), end));
      return true;
    }
  }
  const long double quotient =
      profit.Value() / period.Years() / (baseProfit.Value() / basePeriod.Years()) * 100;
  if (!std::isfinite(quotient)) return false;
  char text[5000];
  const int length = std::snprintf(text, sizeof text, "%.0Lf", std::round(std::fabs(quotient)));
  AppendHundredths(out, quotient < 0, std::string_view(text, static_cast<std::size_t>(length)));
  return true;
}

}  // namespace kvl::core
