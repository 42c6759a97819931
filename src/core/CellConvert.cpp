#include "CellConvert.h"

#include <cmath>
#include <limits>
#include <string>

#include "CodePage.h"
#include "Exceptions.h"

namespace kvl::core {

namespace {

[[noreturn]] void RefuseInt(std::string_view text) {
  throw EConvertError("''" + AnsiToUtf8(text) + "'' is not a valid integer value");
}

[[noreturn]] void RefuseFloat(std::string_view text) {
  throw EConvertError("'" + AnsiToUtf8(text) + "' is not a valid floating point value");
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size() && text[i] == ' ') ++i;
  return i;
}

// Reads an optional sign at `i`; true for '-'.
bool ReadSign(std::string_view text, std::size_t& i) {
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) return text[i++] == '-';
  return false;
}

std::size_t HexPrefixLength(std::string_view rest) {
  if (rest.starts_with("0x") || rest.starts_with("0X")) return 2;
  if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) return 1;
  return 0;
}

// 10^exponent in extended precision, by squaring so that exact powers stay exact.
long double PowerOfTen(long long exponent) {
  long double result = 1.0L;
  long double base = 10.0L;
  while (exponent > 0 && std::isfinite(result)) {
    if (exponent & 1) result *= base;
    base *= base;
    exponent >>= 1;
  }
  return result;
}

}  // namespace

std::int32_t CellToInt(std::string_view text) {
  std::size_t i = SkipBlanks(text, 0);
  const bool negative = ReadSign(text, i);
  const std::size_t prefix = HexPrefixLength(text.substr(i));
  const int radix = prefix > 0 ? 16 : 10;
  i += prefix;
  if (i == text.size()) RefuseInt(text);

  // Decimal values may reach 2^31 (for -2147483648); hexadecimal ones any 32-bit pattern.
  const std::uint64_t limit =
      radix == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit =
        radix == 16 ? HexDigitValue(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
    if (digit < 0) RefuseInt(text);
    value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
    if (value > limit) RefuseInt(text);
  }
  const auto pattern = static_cast<std::uint32_t>(value);
  return static_cast<std::int32_t>(negative ? 0u - pattern : pattern);
}

std::optional<DecimalDigits> ReadDecimal(std::string_view text) {
  std::size_t i = SkipBlanks(text, 0);
  DecimalDigits decimal;
  decimal.negative = ReadSign(text, i);

  // Trailing zeros are dropped into the exponent so that 1.5, 1.50 and 15e-1 become the very
  // same digits.
  std::string& digits = decimal.digits;
  long long& scale = decimal.scale;
  bool anyMantissa = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    anyMantissa = true;
    if (!digits.empty() || text[i] != '0') digits.push_back(text[i]);
  }
  if (i < text.size() && text[i] == '.') {
    anyMantissa = true;
    for (++i; i < text.size() && IsDigit(text[i]); ++i) {
      if (!digits.empty() || text[i] != '0') digits.push_back(text[i]);
      --scale;
    }
  }
  if (!anyMantissa) return std::nullopt;

  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    const bool negativeExponent = ReadSign(text, i);
    long long exponent = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
      exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000'000LL);
    scale += negativeExponent ? -exponent : exponent;
  }
  if (SkipBlanks(text, i) != text.size()) return std::nullopt;

  while (!digits.empty() && digits.back() == '0') {
    digits.pop_back();
    ++scale;
  }
  return decimal;
}

long double CellToFloat(std::string_view text) {
  const std::optional<DecimalDigits> decimal = ReadDecimal(text);
  if (!decimal) RefuseFloat(text);
  if (decimal->digits.empty()) return 0.0L;

  long double mantissa = 0.0L;
  for (const char d : decimal->digits) {
    mantissa = mantissa * 10.0L + static_cast<long double>(d - '0');
  }
  const long long scale = decimal->scale;
  const long double value =
      scale >= 0 ? mantissa * PowerOfTen(scale) : mantissa / PowerOfTen(-scale);
  if (!std::isfinite(value)) RefuseFloat(text);
  return decimal->negative ? -value : value;
}

}  // namespace kvl::core
