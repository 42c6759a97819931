#include "parametermap/MapFigure.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// Below this, value * 100 rounds to a whole number that a long long holds exactly.
constexpr long double kExactHundredths = 1e15L;

}  // namespace

std::string TwoDecimals(long double value) {
  if (!(std::fabs(value) < kExactHundredths)) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2Lf", value);
    return text;
  }
  const long long hundredths = std::llround(value * 100);
  const unsigned long long magnitude = hundredths < 0
                                           ? 0ULL - static_cast<unsigned long long>(hundredths)
                                           : static_cast<unsigned long long>(hundredths);
  char text[32];
  char* end = text;
  if (hundredths < 0) *end++ = '-';
  end = std::to_chars(end, text + sizeof text, magnitude / 100).ptr;
  *end++ = '.';
  *end++ = static_cast<char>('0' + magnitude % 100 / 10);
  *end++ = static_cast<char>('0' + magnitude % 10);
  return std::string(text, end);
}
