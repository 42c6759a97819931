#include "MapFigure.h"

#include <cmath>
#include <cstdio>

#include "ExactDecimal.h"

namespace kvl::core {

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
  return HundredthsText(std::llround(value * 100));
}

}  // namespace kvl::core
