// The two cell conversions on arbitrary texts. A refusal must be EConvertError with its exact
// message; CellToInt must agree with a reading through std::from_chars; CellToFloat must give
// the very same value for every spelling of the same decimal, or refuse them all.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <core/CellConvert.h>
#include <core/CodePage.h>
#include <core/Exceptions.h>

#include "FuzzCheck.h"

using namespace kvl::core;

namespace {

template <class Number>
std::optional<Number> Convert(Number (*convert)(std::string_view), std::string_view text,
                              const std::string& quote, const char* refusal) {
  try {
    return convert(text);
  } catch (const EConvertError& e) {
    FUZZ_CHECK(e.Message() == quote + AnsiToUtf8(text) + quote + refusal);
    return std::nullopt;
  }
}

std::optional<std::int32_t> ToInt(std::string_view text) {
  return Convert(CellToInt, text, "''", " is not a valid integer value");
}

std::optional<long double> ToFloat(std::string_view text) {
  return Convert(CellToFloat, text, "'", " is not a valid floating point value");
}

bool StripPrefix(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

std::optional<std::int32_t> ModelInt(std::string_view text) {
  while (StripPrefix(text, " ")) {
  }
  const bool negative = StripPrefix(text, "-");
  if (!negative) StripPrefix(text, "+");
  const bool hex = StripPrefix(text, "0x") || StripPrefix(text, "0X") || StripPrefix(text, "$") ||
                   StripPrefix(text, "x") || StripPrefix(text, "X");
  std::uint64_t value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, hex ? 16 : 10);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
  if (hex) {
    if (value > 0xFFFFFFFFull) return {};
    const auto pattern = static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>(negative ? 0u - pattern : pattern);
  }
  if (value > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return {};
  return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value)
                                            : static_cast<std::int64_t>(value));
}

void CheckInt(std::string_view text) {
  const std::optional<std::int32_t> value = ToInt(text);
  FUZZ_CHECK(value == ModelInt(text));
  if (!value) return;
  FUZZ_CHECK(ToInt(std::to_string(*value)) == value);
  char hex[16];
  const auto end = std::to_chars(hex, hex + sizeof hex, static_cast<std::uint32_t>(*value), 16).ptr;
  FUZZ_CHECK(ToInt("$" + std::string(hex, end)) == value);
}

// A decimal as the float form reads it: sign, significant digits and the power of ten they are
// scaled by. Exponents are held far beyond any that gives a finite value.
struct Decimal {
  bool negative = false;
  std::string digits;  // no leading zeros; empty for zero
  long long exponent = 0;
};

std::optional<Decimal> ModelFloat(std::string_view text) {
  constexpr long long kFarExponent = 1'000'000'000'000LL;
  auto digitAt = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  Decimal d;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) d.negative = text[i++] == '-';
  bool mantissa = false;
  for (; digitAt(i); ++i, mantissa = true) {
    if (!d.digits.empty() || text[i] != '0') d.digits += text[i];
  }
  if (i < text.size() && text[i] == '.') {
    mantissa = true;
    for (++i; digitAt(i); ++i) {
      if (!d.digits.empty() || text[i] != '0') d.digits += text[i];
      --d.exponent;
    }
  }
  if (!mantissa) return {};
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    long long exponent = 0;
    for (; digitAt(i); ++i) exponent = std::min(exponent * 10 + (text[i] - '0'), kFarExponent);
    d.exponent += negativeExponent ? -exponent : exponent;
  }
  while (i < text.size() && text[i] == ' ') ++i;
  if (i != text.size()) return {};
  return d;
}

// Other spellings of the same decimal: as an integer with an exponent, and with leading zeros,
// a point after the first digit, trailing zeros and blanks around.
std::vector<std::string> Spellings(const Decimal& d) {
  const std::string sign = d.negative ? "-" : "";
  if (d.digits.empty()) return {sign + "0", " " + sign + "000.000e-7 "};
  const long long pointShift = static_cast<long long>(d.digits.size()) - 1;
  return {
      sign + d.digits + "e" + std::to_string(d.exponent),
      "  " + sign + "00" + d.digits.substr(0, 1) + "." + d.digits.substr(1) + "00E" +
          std::to_string(d.exponent + pointShift) + " ",
  };
}

void CheckFloat(std::string_view text) {
  const std::optional<long double> value = ToFloat(text);
  const std::optional<Decimal> decimal = ModelFloat(text);
  // The form decides acceptance; only a value beyond the extended range is refused besides.
  if (!decimal) {
    FUZZ_CHECK(!value);
    return;
  }
  for (const std::string& spelling : Spellings(*decimal)) FUZZ_CHECK(ToFloat(spelling) == value);
  // Extended precision reaches about 1.19e4932; the digits are read as one integer first.
  if (!value) {
    const auto length = static_cast<long long>(decimal->digits.size());
    FUZZ_CHECK(length > 0 && (decimal->exponent + length > 4900 || length > 4900));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckInt(text);
  CheckFloat(text);
  return 0;
}
