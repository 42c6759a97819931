#include "Neighbourhoods.h"

#include <algorithm>

#include "ExactSum.h"
#include "GridFigures.h"

namespace kvl::core {

Neighbourhoods Neighbourhoods::Find(const ParameterSpace& space) {
  return Neighbourhoods(space);
}

std::vector<std::uint32_t> Neighbourhoods::NeighboursOf(std::size_t pass) const {
  std::vector<std::uint32_t> found;
  const std::span<const std::uint32_t> at = passes_.Space().Coordinates(pass);
  if (at.empty()) return found;
  passes_.ForEachNeighbour(at, [&found](std::uint32_t neighbour) { found.push_back(neighbour); });
  std::sort(found.begin(), found.end());
  return found;
}

std::uint32_t Neighbourhoods::PossibleOf(std::size_t pass) const noexcept {
  const std::span<const std::uint32_t> at = passes_.Space().Coordinates(pass);
  const std::vector<MapParameter>& parameters = passes_.Space().Optimized();
  std::uint32_t possible = 0;
  for (std::size_t d = 0; d < at.size(); ++d) {
    possible += (at[d] > 0) + (at[d] + 1 < parameters[d].values.size());
  }
  return possible;
}

NeighbourhoodFigures FiguresOf(const Neighbourhoods& neighbourhoods, const ColumnValues& values,
                               std::size_t pass) {
  NeighbourhoodFigures figures;
  if (!neighbourhoods.InMap(pass) || pass > values.PassCount()) return figures;
  figures.inMap = true;
  figures.possible = neighbourhoods.PossibleOf(pass);
  bool allConvert = values.Converts(pass);
  std::size_t lowest = pass;
  ExactSum sum;
  if (allConvert) sum.Add(values, pass);
  neighbourhoods.Passes().ForEachNeighbour(neighbourhoods.Passes().Space().Coordinates(pass),
                                           [&](std::uint32_t neighbour) {
                                             ++figures.found;
                                             allConvert = allConvert && values.Converts(neighbour);
                                             if (!allConvert) return;
                                             if (values.Value(neighbour) < values.Value(lowest))
                                               lowest = neighbour;
                                             sum.Add(values, neighbour);
                                           });
  if (!allConvert) return figures;
  SetMinAndMean(figures, static_cast<std::uint32_t>(lowest), sum);
  return figures;
}

std::vector<NeighbourhoodFigures> FiguresOfEveryPass(const Neighbourhoods& neighbourhoods,
                                                     const ColumnValues& values) {
  if (neighbourhoods.Passes().IsArray()) return GridFigures(neighbourhoods, values);
  std::vector<NeighbourhoodFigures> figures;
  figures.reserve(values.PassCount());
  for (std::size_t pass = 1; pass <= values.PassCount(); ++pass) {
    figures.push_back(FiguresOf(neighbourhoods, values, pass));
  }
  return figures;
}

}  // namespace kvl::core
