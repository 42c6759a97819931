#pragma once

#include <cstdint>
#include <string_view>

namespace kvl::core {

// Conversions of a cell text (ANSI code page) to a number. Each accepts exactly one form and
// raises EConvertError, naming the text, for every other.

// Decimal, or hexadecimal after "$", "x", "X", "0x" or "0X"; leading blanks, optional sign.
std::int32_t CellToInt(std::string_view text);

// Decimal with "." as the only separator, optional exponent, blanks around; 80-bit precision.
long double CellToFloat(std::string_view text);

}  // namespace kvl::core
