#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvl::core {

// Conversions of a cell text (ANSI code page) to a number. Each accepts exactly one form and
// raises EConvertError, naming the text, for every other.

// Decimal, or hexadecimal after "$", "x", "X", "0x" or "0X"; leading blanks, optional sign.
std::int32_t CellToInt(std::string_view text);

// Decimal with "." as the only separator, optional exponent, blanks around; 80-bit precision.
long double CellToFloat(std::string_view text);

// The number a text in CellToFloat's form writes, exactly: its significant digits, without
// leading or trailing zeros (none for zero), times 10^scale, the exponent's size capped at 10^9.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  long long scale = 0;
};
// nullopt for a text not in that form; a number too large for CellToFloat is read all the same.
std::optional<DecimalDigits> ReadDecimal(std::string_view text);

}  // namespace kvl::core
