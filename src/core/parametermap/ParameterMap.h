#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "ColumnValues.h"
#include "MapFigure.h"
#include "ParameterSpace.h"

namespace kvl::core {

enum class MapAggregate { kMax, kMean, kMin, kCount };

// The command-line names: "max", "mean", "min", "count".
std::string_view AggregateName(MapAggregate aggregate) noexcept;
std::optional<MapAggregate> AggregateNamed(std::string_view name) noexcept;

// All passes whose X and Y values are those of the cell, the other optimized parameters free.
struct MapCell {
  std::size_t passes = 0;  // 0 for an empty cell
  // max and min: the cell text of the pass that holds it; mean: two decimals; count: the number
  // of passes. Empty, but for count, when a pass's cell does not convert.
  MapFigure figure;
  // The pass a click on the cell chooses. For max and min, the pass whose cell the figure shows;
  // for mean and count, and for any cell whose figure is empty, the best of the passes whose
  // cell converts (lowest drawdown, else highest value). The lowest pass number on a tie; 0 when
  // no pass of the cell converts.
  std::size_t bestPass = 0;
};

struct ParameterMap {
  std::size_t x = 0;             // position in ParameterSpace::Optimized()
  std::optional<std::size_t> y;  // none for a map over X alone: one row
  int columnId = 1;
  MapAggregate aggregate = MapAggregate::kMax;
  std::size_t columns = 0;     // the number of X values
  std::size_t rows = 0;        // the number of Y values, 1 without Y
  std::vector<MapCell> cells;  // row by row: cells[yIndex * columns + xIndex]

  const MapCell& At(std::size_t xIndex, std::size_t yIndex) const {
    return cells[yIndex * columns + xIndex];
  }
};

// `x` and `y` are positions in space.Optimized(), and must differ.
ParameterMap BuildParameterMap(const ParameterSpace& space, const ColumnValues& values,
                               std::size_t x, std::optional<std::size_t> y, MapAggregate aggregate);

// One value of X in a profile.
struct ProfilePoint {
  MapFigure min;
  MapFigure mean;
  MapFigure max;
  std::size_t passes = 0;
};

// Min, mean and max of the column per value of X, in the order of its values.
std::vector<ProfilePoint> BuildProfile(const ParameterSpace& space, const ColumnValues& values,
                                       std::size_t x);

}  // namespace kvl::core
