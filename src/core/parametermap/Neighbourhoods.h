#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "parametermap/ColumnValues.h"
#include "parametermap/ParameterSpace.h"

class PassesByCoordinates;

// The neighbours of every pass of the map: the passes that differ from it in exactly one
// optimized parameter, and there by one step in that parameter's ordered values. A report that
// holds one combination twice gives both passes as neighbours.
class Neighbourhoods {
 public:
  static Neighbourhoods Find(const ParameterSpace& space);

  bool InMap(std::size_t pass) const noexcept;
  // Pass numbers, ascending; empty for a pass left out of the map.
  std::span<const std::uint32_t> NeighboursOf(std::size_t pass) const noexcept;
  // The neighbours a complete grid would give: per optimized parameter, one for a step down
  // and one for a step up where the pass's value has such a step. 0 for a pass left out.
  std::uint32_t PossibleOf(std::size_t pass) const noexcept;

 private:
  void AddTwins(const PassesByCoordinates& passes, std::uint32_t first);

  std::vector<std::uint32_t> offsets_;  // per pass from 1, and one past the last
  std::vector<std::uint32_t> neighbours_;
  std::vector<std::uint32_t> possible_;
  std::vector<bool> inMap_;
};

// The neighbourhood figures of a pass for a result column: the pass and its neighbours.
struct NeighbourhoodFigures {
  std::uint32_t found = 0;
  std::uint32_t possible = 0;
  bool inMap = false;    // false for a pass left out: no figures at all
  std::string_view min;  // the cell text of the lowest value; empty when a cell does not convert
  std::string mean;      // two decimals; empty when a cell does not convert
  long double minValue = 0;
  long double meanValue = 0;
};

NeighbourhoodFigures FiguresOf(const Neighbourhoods& neighbourhoods, const ColumnValues& values,
                               std::size_t pass);

// The figures of passes 1 to values.PassCount(), at position pass-1.
std::vector<NeighbourhoodFigures> FiguresOfEveryPass(const Neighbourhoods& neighbourhoods,
                                                     const ColumnValues& values);
