#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "MapReport.h"

// A complete 5x5 grid over X = 1..5 and Y = 10..50: a broad profitable plateau around the centre
// (X=3, Y=30) and a lone peak in the corner (X=5, Y=50), losses everywhere else. Passes are listed
// row by row from Y=50 down, X from 1 up.
inline constexpr std::array<std::array<int, 5>, 5> kPlateauProfits = {{
    {-50, -50, -50, -50, -50},
    {-50, 100, 110, 100, -50},
    {-50, 105, 120, 105, -50},
    {-50, 100, 110, 100, -50},
    {-50, -50, -50, -50, 500},
}};  // [y index][x index]

inline std::size_t PlateauPass(std::size_t x, std::size_t y) {
  return (4 - y) * 5 + x + 1;
}

inline std::vector<MapPass> PlateauGridPasses() {
  std::vector<MapPass> passes;
  for (std::size_t y = 5; y-- > 0;) {
    for (std::size_t x = 0; x < 5; ++x) {
      passes.push_back({Title({{"X", std::to_string(x + 1)},
                               {"Lots", "0.10"},
                               {"Y", std::to_string((y + 1) * 10)}}),
                        std::to_string(kPlateauProfits[y][x]) + ".00"});
    }
  }
  return passes;
}
