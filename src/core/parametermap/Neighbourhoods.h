#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ColumnValues.h"
#include "ExactDecimal.h"
#include "ParameterSpace.h"
#include "PassesByCoordinates.h"

namespace kvl::core {

// The neighbours of the passes of the map: the passes that differ from a pass in exactly one
// optimized parameter, and there by one step in that parameter's ordered values. A report that
// holds one combination twice gives both passes as neighbours. Refers to `space`, which must
// outlive it.
class Neighbourhoods {
 public:
  static Neighbourhoods Find(const ParameterSpace& space);

  bool InMap(std::size_t pass) const noexcept { return passes_.Space().InMap(pass); }
  // Pass numbers, ascending; empty for a pass left out of the map.
  std::vector<std::uint32_t> NeighboursOf(std::size_t pass) const;
  // The neighbours a complete grid would give: per optimized parameter, one for a step down
  // and one for a step up where the pass's value has such a step. 0 for a pass left out.
  std::uint32_t PossibleOf(std::size_t pass) const noexcept;

  const PassesByCoordinates& Passes() const noexcept { return passes_; }

 private:
  explicit Neighbourhoods(const ParameterSpace& space) : passes_(space) {}

  PassesByCoordinates passes_;
};

// The neighbourhood figures of a pass for a result column: the pass and its neighbours. The
// min and the mean are there only when every cell of the neighbourhood converts.
struct NeighbourhoodFigures {
  std::uint32_t found = 0;
  std::uint32_t possible = 0;
  // The pass whose cell is the lowest (the pass's own on a tie, else the first neighbour in the
  // order of the parameters, a step down before a step up); 0 without values.
  std::uint32_t minPass = 0;
  bool inMap = false;  // false for a pass left out: no figures at all
  // The mean in hundredths when every cell is a plain decimal (see ExactDecimal.h); kNotExact
  // otherwise, and then wideMean holds the mean's text, apart, so that the figures of every pass
  // take little memory.
  std::int64_t meanHundredths = kNotExact;
  std::unique_ptr<const std::string> wideMean;

  bool HasValues() const noexcept { return minPass != 0; }
  // The min as the cell's own text; empty without values.
  std::string_view Min(const ColumnValues& values) const {
    return HasValues() ? values.Text(minPass) : std::string_view();
  }
  // Two decimals, rounded half away from zero; empty without values.
  std::string Mean() const {
    if (!HasValues()) return {};
    return meanHundredths != kNotExact ? HundredthsText(meanHundredths) : *wideMean;
  }
};

NeighbourhoodFigures FiguresOf(const Neighbourhoods& neighbourhoods, const ColumnValues& values,
                               std::size_t pass);

// The figures of passes 1 to values.PassCount(), at position pass-1.
std::vector<NeighbourhoodFigures> FiguresOfEveryPass(const Neighbourhoods& neighbourhoods,
                                                     const ColumnValues& values);

}  // namespace kvl::core
