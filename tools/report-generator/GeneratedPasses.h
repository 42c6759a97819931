#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One synthetic optimization pass, as its report row shows it. Texts are Windows-1251 bytes.
struct GeneratedPass {
  std::string number;  // MT4's own pass number, the first cell's text
  std::string title;   // the first cell's title attribute: "Name=value; " per parameter
  std::string profit;
  std::string trades;
  std::string profitFactor;
  std::string expectedPayoff;
  std::string drawdownMoney;
  std::string drawdownPercent;
};

// The passes of a synthetic report in row order, fully determined by `count` and `seed`. A seed
// fixes the expert's parameter list (10 to 20 inputs, one a Russian text); the rows stand in a
// shuffled order of MT4 pass numbers 0 to count-1, results have two decimals, many passes share
// a trade count, and a few percent of them made no trades (0 and 0.00 in every cell).
std::vector<GeneratedPass> GeneratePasses(std::size_t count, std::uint64_t seed);

// The same passes handed over one at a time, for reports too large to hold twice.
void ForEachGeneratedPass(std::size_t count, std::uint64_t seed,
                          const std::function<void(const GeneratedPass&)>& visit);
