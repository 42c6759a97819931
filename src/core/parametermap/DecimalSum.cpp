#include "DecimalSum.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include <core/CellConvert.h>

namespace kvl::core {

namespace {

constexpr long long kLimbDigits = 9;
constexpr std::uint32_t kLimbBase = 1'000'000'000;
constexpr std::uint32_t kPowersOfTen[kLimbDigits] = {
    1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000};

// The limb that holds the digit worth 10^power.
long long LimbOf(long long power) {
  return power >= 0 ? power / kLimbDigits : -((kLimbDigits - 1 - power) / kLimbDigits);
}

using Limbs = std::vector<std::uint32_t>;

// The limbs of `limbs`, whose first is limb `from`, as limbs `low` to `low` + `size` - 1.
Limbs Aligned(const Limbs& limbs, long long from, long long low, std::size_t size) {
  Limbs aligned(size, 0);
  if (limbs.empty()) return aligned;
  std::ranges::copy(limbs, aligned.begin() + (from - low));
  return aligned;
}

// larger -= smaller, limb by limb.
void Subtract(Limbs& larger, const Limbs& smaller) {
  std::uint32_t borrow = 0;
  for (std::size_t at = 0; at < larger.size(); ++at) {
    const std::uint32_t taken = smaller[at] + borrow;
    borrow = larger[at] < taken;
    larger[at] = larger[at] + (borrow ? kLimbBase : 0) - taken;
  }
}

std::string DigitsOf(const Limbs& limbs) {
  std::string digits;
  for (auto limb = limbs.rbegin(); limb != limbs.rend(); ++limb) {
    char piece[kLimbDigits + 1];
    const char* end = std::to_chars(piece, piece + sizeof piece, *limb).ptr;
    digits.append(static_cast<std::size_t>(kLimbDigits - (end - piece)), '0')
        .append(piece, static_cast<std::size_t>(end - piece));
  }
  return digits;
}

// Adds one to a whole number's digits.
void Increment(std::string& digits) {
  auto digit = digits.rbegin();
  for (; digit != digits.rend() && *digit == '9'; ++digit) *digit = '0';
  if (digit == digits.rend()) {
    digits.insert(digits.begin(), '1');
  } else {
    ++*digit;
  }
}

// Hundredths, as whole digits, with two decimals.
std::string WithTwoDecimals(bool negative, std::string hundredths) {
  hundredths.erase(0, std::min(hundredths.find_first_not_of('0'), hundredths.size()));
  if (hundredths.empty()) negative = false;
  if (hundredths.size() < 3) hundredths.insert(0, 3 - hundredths.size(), '0');
  hundredths.insert(hundredths.size() - 2, 1, '.');
  return negative ? '-' + hundredths : hundredths;
}

}  // namespace

void DecimalSum::Magnitude::Reach(long long bottom, long long top) {
  if (limbs.empty()) low = bottom;
  if (bottom < low) {
    limbs.insert(limbs.begin(), static_cast<std::size_t>(low - bottom), 0);
    low = bottom;
  }
  limbs.resize(std::max(limbs.size(), static_cast<std::size_t>(top - low)), 0);
}

void DecimalSum::Magnitude::Add(std::string_view digits, long long scale) {
  if (scale < -kFinestDecimal) {
    const auto below = std::min(static_cast<std::size_t>(-kFinestDecimal - scale), digits.size());
    digits.remove_suffix(below);
    scale += static_cast<long long>(below);
  }
  if (digits.empty()) return;
  const long long bottom = LimbOf(scale);
  const long long top = LimbOf(scale + static_cast<long long>(digits.size()) - 1) + 1;
  Reach(bottom, top);
  // Nine digits at most go to a limb below the base, which leaves room in 32 bits.
  long long power = scale;
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit, ++power) {
    const long long limb = LimbOf(power);
    limbs[static_cast<std::size_t>(limb - low)] +=
        static_cast<std::uint32_t>(*digit - '0') * kPowersOfTen[power - limb * kLimbDigits];
  }
  std::uint32_t carry = 0;
  for (auto at = static_cast<std::size_t>(bottom - low);
       carry != 0 || at < static_cast<std::size_t>(top - low); ++at) {
    if (at == limbs.size()) limbs.push_back(0);
    limbs[at] += carry;
    carry = limbs[at] / kLimbBase;
    limbs[at] %= kLimbBase;
  }
}

void DecimalSum::AddTenThousandths(std::int64_t value) {
  const std::uint64_t magnitude =
      value < 0 ? 0ULL - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
  (value < 0 ? negative_ : positive_).Add(std::string_view(digits, end), -4);
}

void DecimalSum::AddText(std::string_view text) {
  if (const std::optional<DecimalDigits> decimal = ReadDecimal(text)) {
    (decimal->negative ? negative_ : positive_).Add(decimal->digits, decimal->scale);
  }
}

std::string DecimalSum::MeanText(std::uint64_t count) const {
  const auto top = [](const Magnitude& m) {
    return m.low + static_cast<long long>(m.limbs.size());
  };
  const long long low = std::min(positive_.limbs.empty() ? 0 : positive_.low,
                                 negative_.limbs.empty() ? 0 : negative_.low);
  const auto size = static_cast<std::size_t>(std::max({top(positive_), top(negative_), low}) - low);
  Limbs larger = Aligned(positive_.limbs, positive_.low, low, size);
  Limbs smaller = Aligned(negative_.limbs, negative_.low, low, size);
  const bool negative = std::ranges::lexicographical_compare(larger.rbegin(), larger.rend(),
                                                             smaller.rbegin(), smaller.rend());
  if (negative) larger.swap(smaller);
  Subtract(larger, smaller);

  // The digits of the sum's size down to its third decimal at least.
  std::string digits = DigitsOf(larger);
  long long last = kLimbDigits * low;  // the power of ten of the last digit
  if (last > -3) {
    digits.append(static_cast<std::size_t>(last + 3), '0');
    last = -3;
  }
  const auto decimals = static_cast<std::size_t>(-last);
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  const std::size_t hundredths = digits.size() - (decimals - 2);

  // The sum in whole hundredths divided by the count; what is left, the remainder and the
  // further decimals, rounds the quotient up from half a count on.
  std::string quotient;
  std::uint64_t remainder = 0;
  for (std::size_t at = 0; at < hundredths; ++at) {
    remainder = remainder * 10 + static_cast<std::uint64_t>(digits[at] - '0');
    quotient.push_back(static_cast<char>('0' + remainder / count));
    remainder %= count;
  }
  if (2 * remainder >= count || (count - 2 * remainder == 1 && digits[hundredths] >= '5')) {
    Increment(quotient);
  }
  return WithTwoDecimals(negative, std::move(quotient));
}

}  // namespace kvl::core
