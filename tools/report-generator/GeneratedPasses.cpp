#include "GeneratedPasses.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>
#include <string_view>

#include "CodePageText.h"

namespace {

// splitmix64: tiny and, unlike the standard distributions, gives the same numbers everywhere.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // Uniform in [low, high].
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return low + static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(high - low + 1));
  }

 private:
  std::uint64_t state_;
};

// An input of the expert. An optimised input steps through `steps` values from `first` (the
// last optimised one steps without bound, so every pass number has its own combination); a
// fixed one always shows `fixed`.
struct Input {
  std::string_view name;
  std::string_view fixed;
  std::int64_t first = 0;
  std::int64_t step = 0;
  std::int64_t steps = 0;
};

constexpr std::array kInputs = {
    Input{"TakeProfit", "", 20, 10, 16},
    Input{"StopLoss", "", 10, 5, 12},
    Input{"TrailingStop", "", 0, 5, 8},
    Input{"FastMAPeriod", "", 3, 1, 10},
    Input{"SlowMAPeriod", "", 20, 2, 0},
    Input{"Lots", "0.10"},
    Input{"MaximumRisk", "0.02"},
    Input{"DecreaseFactor", "3"},
    Input{"TradeComment", "Трендовый вход H1"},
    Input{"MagicNumber", "20240117"},
    Input{"SignalPeriod", "9"},
    Input{"RSIPeriod", "14"},
    Input{"RSIUpper", "70"},
    Input{"RSILower", "30"},
    Input{"StartHour", "8"},
    Input{"EndHour", "21"},
    Input{"Slippage", "3"},
    Input{"UseTrailing", "true"},
    Input{"ATRMultiplier", "1.50"},
    Input{"BreakEven", "15"},
};
constexpr std::size_t kMinInputs = 10;

// Amounts are in cents.
constexpr std::int64_t kDeposit = 1000000;

// Digits of the pass number in the mixed radix of the optimised inputs.
std::array<std::int64_t, kInputs.size()> StepsOfPass(std::int64_t number) {
  std::array<std::int64_t, kInputs.size()> steps{};
  for (std::size_t i = 0; i < kInputs.size() && kInputs[i].fixed.empty(); ++i) {
    if (kInputs[i].steps == 0) {
      steps[i] = number;
      break;
    }
    steps[i] = number % kInputs[i].steps;
    number /= kInputs[i].steps;
  }
  return steps;
}

std::string TitleOf(std::int64_t number, std::size_t inputCount) {
  const auto steps = StepsOfPass(number);
  std::string title;
  for (std::size_t i = 0; i < inputCount; ++i) {
    const Input& input = kInputs[i];
    title += input.name;
    title += '=';
    title += input.fixed.empty() ? std::to_string(input.first + input.step * steps[i])
                                 : CodePageTextFromUtf8(input.fixed, WindowsCodePage::k1251);
    title += "; ";
  }
  return title;
}

// Hundredths as text with two decimals: -1230 gives "-12.30".
// Built by appending only: GCC 12 at -O3 takes inserting at the front for an overlapping copy.
std::string Hundredths(std::int64_t value) {
  const std::int64_t magnitude = std::llabs(value);
  std::string text = value < 0 ? "-" : "";
  text += std::to_string(magnitude / 100);
  text += magnitude % 100 < 10 ? ".0" : ".";
  text += std::to_string(magnitude % 100);
  return text;
}

std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t half = denominator / 2;
  return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

// Take-profit levels hardly change how often the expert enters, so the passes of one sweep over
// them share a trade count; one setting in 25 of the other inputs never enters at all.
std::int64_t TradesOf(std::int64_t number, std::uint64_t seed) {
  const std::int64_t entrySetting = number / kInputs[0].steps;
  if (entrySetting % 25 == 3) return 0;
  Random random(seed ^ static_cast<std::uint64_t>(entrySetting) * 0x632BE59BD9B4E019ULL);
  return random.Between(4, 320);
}

GeneratedPass PassOf(std::int64_t number, std::size_t inputCount, std::uint64_t seed) {
  GeneratedPass pass;
  pass.number = std::to_string(number);
  pass.title = TitleOf(number, inputCount);
  const std::int64_t trades = TradesOf(number, seed);
  pass.trades = std::to_string(trades);
  if (trades == 0) {
    pass.profit = pass.profitFactor = pass.expectedPayoff = pass.drawdownMoney =
        pass.drawdownPercent = "0.00";
    return pass;
  }
  Random random(seed * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(number));
  const std::int64_t edgePerTrade =
      random.Between(-3000, 3000) + random.Between(-3000, 3000) + random.Between(-1000, 2000);
  // The tester stops out before the deposit is gone.
  const std::int64_t profit = std::max(edgePerTrade * trades + random.Between(-5000, 5000),
                                       -kDeposit + random.Between(10000, 300000));
  std::int64_t grossLoss = trades * random.Between(1500, 9000) / 2;
  std::int64_t grossProfit = grossLoss + profit;
  if (grossProfit < 0) {
    grossLoss -= grossProfit;
    grossProfit = 0;
  }
  const std::int64_t peak = kDeposit + std::max<std::int64_t>(profit, 0);
  const std::int64_t drawdown = std::min(
      std::max<std::int64_t>(-profit, 0) + grossLoss * random.Between(5, 60) / 100 + 1, peak - 1);
  pass.profit = Hundredths(profit);
  pass.profitFactor = Hundredths(RoundedQuotient(grossProfit * 100, grossLoss));
  pass.expectedPayoff = Hundredths(RoundedQuotient(profit, trades));
  pass.drawdownMoney = Hundredths(drawdown);
  pass.drawdownPercent = Hundredths(RoundedQuotient(drawdown * 10000, peak));
  return pass;
}

}  // namespace

void ForEachGeneratedPass(std::size_t count, std::uint64_t seed,
                          const std::function<void(const GeneratedPass&)>& visit) {
  Random random(seed);
  const auto inputCount = static_cast<std::size_t>(
      random.Between(kMinInputs, static_cast<std::int64_t>(kInputs.size())));
  std::vector<std::int64_t> numbers(count);
  std::iota(numbers.begin(), numbers.end(), 0);
  for (std::size_t i = count; i > 1; --i) {
    const auto j = static_cast<std::size_t>(random.Between(0, static_cast<std::int64_t>(i - 1)));
    std::swap(numbers[i - 1], numbers[j]);
  }
  for (const std::int64_t number : numbers) visit(PassOf(number, inputCount, seed));
}

std::vector<GeneratedPass> GeneratePasses(std::size_t count, std::uint64_t seed) {
  std::vector<GeneratedPass> passes;
  passes.reserve(count);
  ForEachGeneratedPass(count, seed,
                       [&passes](const GeneratedPass& pass) { passes.push_back(pass); });
  return passes;
}
