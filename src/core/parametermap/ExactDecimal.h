#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvl::core {

// Report cells are mostly plain decimals of two places. Held as whole ten-thousandths, their sums
// and means are exact, so a mean halfway between two hundredths rounds as written (37.525 to
// 37.53) rather than as its binary approximation happens to fall, and integer arithmetic spares
// the extended-precision operations over every neighbourhood of a large report.

inline constexpr std::int64_t kTenThousand = 10000;

// The value of a text that CellToFloat reads, in ten-thousandths, when it is a plain decimal
// (blanks around, an optional sign, at most nine whole digits and four decimals, no exponent);
// nullopt for any other text.
std::optional<std::int64_t> TenThousandths(std::string_view text) noexcept;

// The mean of `count` values summing to `sum` ten-thousandths, in hundredths rounded half away
// from zero.
std::int64_t MeanHundredths(std::int64_t sum, std::size_t count) noexcept;

// Hundredths as text with two decimals: -1230 gives "-12.30".
std::string HundredthsText(std::int64_t hundredths);

}  // namespace kvl::core
