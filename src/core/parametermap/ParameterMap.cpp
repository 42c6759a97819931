#include "ParameterMap.h"

#include <array>
#include <stdexcept>
#include <string>

#include "ExactSum.h"

namespace kvl::core {

namespace {

constexpr std::array<std::pair<std::string_view, MapAggregate>, 4> kAggregateNames = {{
    {"max", MapAggregate::kMax},
    {"mean", MapAggregate::kMean},
    {"min", MapAggregate::kMin},
    {"count", MapAggregate::kCount},
}};

// What one cell gathers over its passes, taken in pass order so that ties go to the lowest pass.
// The lowest and the highest are kept without a branch, which the values of a landscape would
// make a coin toss.
struct CellPasses {
  std::size_t passes = 0;
  bool allConvert = true;
  long double sum = 0;  // for the colour scale
  ExactSum exactSum;
  std::size_t lowest = 0;  // pass numbers; 0 before a pass converts
  std::size_t highest = 0;
  long double lowestValue = 0;
  long double highestValue = 0;

  void Add(std::size_t pass, const ColumnValues& values) {
    ++passes;
    if (!values.Converts(pass)) {
      allConvert = false;
      return;
    }
    const long double value = values.Value(pass);
    sum += value;
    exactSum.Add(values, pass);
    const bool lower = lowest == 0 || value < lowestValue;
    const bool higher = highest == 0 || value > highestValue;
    lowest = lower ? pass : lowest;
    lowestValue = lower ? value : lowestValue;
    highest = higher ? pass : highest;
    highestValue = higher ? value : highestValue;
  }
  // The best of the column's passes: the first lowest where lower is better, else the first
  // highest.
  std::size_t Best(int columnId) const noexcept {
    return LowerIsBetter(columnId) ? lowest : highest;
  }
};

std::vector<CellPasses> GatherCells(const ParameterSpace& space, const ColumnValues& values,
                                    std::size_t x, std::optional<std::size_t> y,
                                    std::size_t columns, std::size_t rows) {
  std::vector<CellPasses> cells(columns * rows);
  for (std::size_t pass = 1; pass <= space.PassCount(); ++pass) {
    const std::span<const std::uint32_t> at = space.Coordinates(pass);
    if (at.empty() || pass > values.PassCount()) continue;
    cells[(y ? at[*y] * columns : 0) + at[x]].Add(pass, values);
  }
  return cells;
}

MapFigure CellFigure(const ColumnValues& values, std::size_t pass) {
  return {std::string(values.Text(pass)), static_cast<double>(values.Value(pass))};
}

MapFigure MeanFigure(const CellPasses& cell) {
  return {cell.exactSum.MeanText(cell.passes),
          static_cast<double>(cell.sum / static_cast<long double>(cell.passes))};
}

MapCell MakeCell(const CellPasses& gathered, const ColumnValues& values, MapAggregate aggregate) {
  MapCell cell;
  cell.passes = gathered.passes;
  cell.bestPass = gathered.Best(values.ColumnId());
  if (gathered.passes == 0) return cell;
  if (aggregate == MapAggregate::kCount) {
    cell.figure = {std::to_string(gathered.passes), static_cast<double>(gathered.passes)};
    return cell;
  }
  if (!gathered.allConvert) return cell;
  switch (aggregate) {
    case MapAggregate::kMax:
      cell.bestPass = gathered.highest;
      cell.figure = CellFigure(values, gathered.highest);
      break;
    case MapAggregate::kMin:
      cell.bestPass = gathered.lowest;
      cell.figure = CellFigure(values, gathered.lowest);
      break;
    case MapAggregate::kMean:
    case MapAggregate::kCount:
      cell.figure = MeanFigure(gathered);
      break;
  }
  return cell;
}

std::size_t ValueCount(const ParameterSpace& space, std::size_t parameter) {
  return space.Optimized().at(parameter).values.size();
}

}  // namespace

std::string_view AggregateName(MapAggregate aggregate) noexcept {
  for (const auto& [name, value] : kAggregateNames) {
    if (value == aggregate) return name;
  }
  return {};
}

std::optional<MapAggregate> AggregateNamed(std::string_view name) noexcept {
  for (const auto& [known, value] : kAggregateNames) {
    if (known == name) return value;
  }
  return std::nullopt;
}

ParameterMap BuildParameterMap(const ParameterSpace& space, const ColumnValues& values,
                               std::size_t x, std::optional<std::size_t> y,
                               MapAggregate aggregate) {
  if (y == x) throw std::invalid_argument("a map needs two different parameters");
  ParameterMap map;
  map.x = x;
  map.y = y;
  map.columnId = values.ColumnId();
  map.aggregate = aggregate;
  map.columns = ValueCount(space, x);
  map.rows = y ? ValueCount(space, *y) : 1;
  const std::vector<CellPasses> gathered = GatherCells(space, values, x, y, map.columns, map.rows);
  map.cells.reserve(gathered.size());
  for (const CellPasses& cell : gathered) map.cells.push_back(MakeCell(cell, values, aggregate));
  return map;
}

std::vector<ProfilePoint> BuildProfile(const ParameterSpace& space, const ColumnValues& values,
                                       std::size_t x) {
  const std::size_t columns = ValueCount(space, x);
  std::vector<ProfilePoint> profile;
  for (const CellPasses& cell : GatherCells(space, values, x, std::nullopt, columns, 1)) {
    ProfilePoint& point = profile.emplace_back();
    point.passes = cell.passes;
    if (cell.passes == 0 || !cell.allConvert) continue;
    point.min = CellFigure(values, cell.lowest);
    point.mean = MeanFigure(cell);
    point.max = CellFigure(values, cell.highest);
  }
  return profile;
}

}  // namespace kvl::core
