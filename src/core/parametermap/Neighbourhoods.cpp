#include "parametermap/Neighbourhoods.h"

#include <algorithm>

#include "parametermap/MapFigure.h"
#include "parametermap/PassesByCoordinates.h"

Neighbourhoods Neighbourhoods::Find(const ParameterSpace& space) {
  const PassesByCoordinates passes(space);
  Neighbourhoods found;
  found.offsets_.reserve(space.PassCount() + 1);
  found.possible_.assign(space.PassCount(), 0);
  found.inMap_.assign(space.PassCount(), false);
  found.offsets_.push_back(0);
  const std::vector<MapParameter>& parameters = space.Optimized();
  for (std::size_t pass = 1; pass <= space.PassCount(); ++pass) {
    const std::span<const std::uint32_t> at = space.Coordinates(pass);
    if (space.InMap(pass)) {
      found.inMap_[pass - 1] = true;
      const auto first = found.neighbours_.size();
      const std::uint64_t key = passes.KeyOf(at);
      for (std::size_t d = 0; d < parameters.size(); ++d) {
        if (at[d] > 0) {
          ++found.possible_[pass - 1];
          found.AddTwins(passes, passes.FirstPassAt(key - passes.Stride(d), at, d, -1));
        }
        if (at[d] + 1 < parameters[d].values.size()) {
          ++found.possible_[pass - 1];
          found.AddTwins(passes, passes.FirstPassAt(key + passes.Stride(d), at, d, +1));
        }
      }
      std::sort(found.neighbours_.begin() + static_cast<std::ptrdiff_t>(first),
                found.neighbours_.end());
    }
    found.offsets_.push_back(static_cast<std::uint32_t>(found.neighbours_.size()));
  }
  return found;
}

std::span<const std::uint32_t> Neighbourhoods::NeighboursOf(std::size_t pass) const noexcept {
  if (pass < 1 || pass >= offsets_.size()) return {};
  return std::span<const std::uint32_t>(neighbours_)
      .subspan(offsets_[pass - 1], offsets_[pass] - offsets_[pass - 1]);
}

void Neighbourhoods::AddTwins(const PassesByCoordinates& passes, std::uint32_t first) {
  for (std::uint32_t pass = first; pass != 0; pass = passes.NextTwin(pass)) {
    neighbours_.push_back(pass);
  }
}

bool Neighbourhoods::InMap(std::size_t pass) const noexcept {
  return pass >= 1 && pass <= inMap_.size() && inMap_[pass - 1];
}

std::uint32_t Neighbourhoods::PossibleOf(std::size_t pass) const noexcept {
  return pass >= 1 && pass <= possible_.size() ? possible_[pass - 1] : 0;
}

NeighbourhoodFigures FiguresOf(const Neighbourhoods& neighbourhoods, const ColumnValues& values,
                               std::size_t pass) {
  NeighbourhoodFigures figures;
  if (!neighbourhoods.InMap(pass) || pass > values.PassCount()) return figures;
  figures.inMap = true;
  const std::span<const std::uint32_t> neighbours = neighbourhoods.NeighboursOf(pass);
  figures.found = static_cast<std::uint32_t>(neighbours.size());
  figures.possible = neighbourhoods.PossibleOf(pass);
  if (!values.Converts(pass)) return figures;
  std::size_t lowest = pass;
  long double sum = values.Value(pass);
  for (const std::uint32_t neighbour : neighbours) {
    if (!values.Converts(neighbour)) return figures;
    const long double value = values.Value(neighbour);
    sum += value;
    if (value < values.Value(lowest)) lowest = neighbour;
  }
  figures.min = values.Text(lowest);
  figures.minValue = values.Value(lowest);
  figures.meanValue = sum / static_cast<long double>(neighbours.size() + 1);
  figures.mean = TwoDecimals(figures.meanValue);
  return figures;
}

std::vector<NeighbourhoodFigures> FiguresOfEveryPass(const Neighbourhoods& neighbourhoods,
                                                     const ColumnValues& values) {
  std::vector<NeighbourhoodFigures> figures;
  figures.reserve(values.PassCount());
  for (std::size_t pass = 1; pass <= values.PassCount(); ++pass) {
    figures.push_back(FiguresOf(neighbourhoods, values, pass));
  }
  return figures;
}
