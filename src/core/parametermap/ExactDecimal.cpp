#include "ExactDecimal.h"

#include <charconv>

namespace kvl::core {

namespace {

constexpr int kMostWholeDigits = 9;
constexpr int kMostDecimals = 4;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The terminal writes its money cells as [-]digits.dd: read in one count of the digits, without
// the blanks and the sign and the decimals each looked for.
std::optional<std::int64_t> TwoDecimals(std::string_view text) noexcept {
  const std::size_t size = text.size();
  if (size < 4 || text[size - 3] != '.' || !IsDigit(text[size - 2]) || !IsDigit(text[size - 1])) {
    return std::nullopt;
  }
  const bool negative = text[0] == '-';
  const std::size_t first = negative ? 1 : 0;
  if (size - 3 - first == 0 || size - 3 - first > kMostWholeDigits) return std::nullopt;
  std::int64_t value = 0;
  for (std::size_t i = first; i < size - 3; ++i) {
    if (!IsDigit(text[i])) return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  value = (value * 100 + (text[size - 2] - '0') * 10 + (text[size - 1] - '0')) * 100;
  return negative ? -value : value;
}

}  // namespace

std::optional<std::int64_t> TenThousandths(std::string_view text) noexcept {
  if (const std::optional<std::int64_t> value = TwoDecimals(text)) return value;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  std::int64_t value = 0;
  int whole = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++whole) {
    if (whole == kMostWholeDigits) return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  int decimals = 0;
  const bool point = i < text.size() && text[i] == '.';
  if (point) {
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++decimals) {
      if (decimals == kMostDecimals) return std::nullopt;
      value = value * 10 + (text[i] - '0');
    }
  }
  if (whole == 0 && !point) return std::nullopt;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i != text.size()) return std::nullopt;
  for (; decimals < kMostDecimals; ++decimals) value *= 10;
  return negative ? -value : value;
}

std::int64_t MeanHundredths(std::int64_t sum, std::size_t count) noexcept {
  const auto divisor = static_cast<std::uint64_t>(count) * (kTenThousand / 100);
  const std::uint64_t magnitude =
      sum < 0 ? 0ULL - static_cast<std::uint64_t>(sum) : static_cast<std::uint64_t>(sum);
  std::uint64_t quotient = magnitude / divisor;
  if (2 * (magnitude % divisor) >= divisor) ++quotient;
  const auto mean = static_cast<std::int64_t>(quotient);
  return sum < 0 ? -mean : mean;
}

std::string HundredthsText(std::int64_t hundredths) {
  const std::uint64_t magnitude = hundredths < 0 ? 0ULL - static_cast<std::uint64_t>(hundredths)
                                                 : static_cast<std::uint64_t>(hundredths);
  char text[32];
  char* end = text;
  if (hundredths < 0) *end++ = '-';
  end = std::to_chars(end, text + sizeof text, magnitude / 100).ptr;
  *end++ = '.';
  *end++ = static_cast<char>('0' + magnitude % 100 / 10);
  *end++ = static_cast<char>('0' + magnitude % 10);
  return std::string(text, end);
}

}  // namespace kvl::core
