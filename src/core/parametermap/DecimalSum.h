#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvl::core {

// A sum of decimals of any size held exactly, for the means of cells that the ten-thousandths
// of ExactDecimal.h cannot hold: "15e-1", "1.000001", "1e63". Digits below 10^-kFinestDecimal
// count for nothing: a cell made of them alone lies below the smallest extended float, and the
// sort reads it as zero.
class DecimalSum {
 public:
  static constexpr long long kFinestDecimal = 4951;

  void AddTenThousandths(std::int64_t value);
  // Adds the number that a text CellToFloat reads writes; a text it refuses adds nothing.
  void AddText(std::string_view text);

  // The sum divided by `count` (from 1 to 10^18), with its whole integer part and two decimals,
  // rounded half away from zero; never "-0.00".
  std::string MeanText(std::uint64_t count) const;

 private:
  // A non-negative decimal: limbs of nine digits, least significant first, limb k worth
  // 10^(9 * (k + low)).
  struct Magnitude {
    std::vector<std::uint32_t> limbs;
    long long low = 0;

    // Adds the decimal `digits` ('0' to '9', most significant first) times 10^scale.
    void Add(std::string_view digits, long long scale);
    // Makes room for limbs `bottom` to `top` - 1, counted as `low` is.
    void Reach(long long bottom, long long top);
  };

  // Kept apart, so that adding never subtracts.
  Magnitude positive_;
  Magnitude negative_;
};

}  // namespace kvl::core
