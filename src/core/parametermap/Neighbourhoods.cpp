#include "parametermap/Neighbourhoods.h"

#include <algorithm>
#include <bit>

#include "parametermap/MapFigure.h"

namespace {

// The passes of the map found by their coordinates. A key folds the coordinates in the mixed
// radix of the value counts; it is exact while the grid has fewer than 2^64 points and a hash
// beyond, so a hit is always checked against the coordinates themselves.
class PassesByCoordinates {
 public:
  explicit PassesByCoordinates(const ParameterSpace& space) : space_(space) {
    std::uint64_t stride = 1;
    for (const MapParameter& parameter : space.Optimized()) {
      strides_.push_back(stride);
      stride *= parameter.values.size();  // wraps on a huge grid: then a hash, see above
    }
    std::size_t passes = 0;
    for (std::size_t pass = 1; pass <= space.PassCount(); ++pass) passes += space.InMap(pass);
    entries_.assign(std::bit_ceil(std::max<std::size_t>(2 * passes, 2)), Entry{});
    for (std::size_t pass = 1; pass <= space.PassCount(); ++pass) {
      if (!space.InMap(pass)) continue;
      const std::uint64_t key = KeyOf(space.Coordinates(pass));
      std::size_t at = Home(key);
      while (entries_[at].pass != 0) at = (at + 1) & (entries_.size() - 1);
      entries_[at] = {key, static_cast<std::uint32_t>(pass)};
    }
  }

  std::uint64_t KeyOf(std::span<const std::uint32_t> coordinates) const {
    std::uint64_t key = 0;
    for (std::size_t d = 0; d < coordinates.size(); ++d) key += coordinates[d] * strides_[d];
    return key;
  }
  std::uint64_t Stride(std::size_t d) const { return strides_[d]; }

  // Adds to `found` every pass at `coordinates` with coordinate d moved by `step`.
  void AddPassesAt(std::span<const std::uint32_t> coordinates, std::size_t d, int step,
                   std::uint64_t key, std::vector<std::uint32_t>& found) const {
    for (std::size_t at = Home(key); entries_[at].pass != 0;
         at = (at + 1) & (entries_.size() - 1)) {
      if (entries_[at].key != key) continue;
      const std::span<const std::uint32_t> other = space_.Coordinates(entries_[at].pass);
      bool same = true;
      for (std::size_t e = 0; e < other.size() && same; ++e) {
        const std::int64_t expected =
            static_cast<std::int64_t>(coordinates[e]) + (e == d ? step : 0);
        same = other[e] == expected;
      }
      if (same) found.push_back(entries_[at].pass);
    }
  }

 private:
  struct Entry {
    std::uint64_t key = 0;
    std::uint32_t pass = 0;  // 0: free
  };

  std::size_t Home(std::uint64_t key) const {
    // splitmix64's finaliser spreads keys that differ in low digits only.
    key = (key ^ (key >> 30)) * 0xBF58476D1CE4E5B9ULL;
    key = (key ^ (key >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<std::size_t>(key ^ (key >> 31)) & (entries_.size() - 1);
  }

  const ParameterSpace& space_;
  std::vector<std::uint64_t> strides_;
  std::vector<Entry> entries_;
};

}  // namespace

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
          passes.AddPassesAt(at, d, -1, key - passes.Stride(d), found.neighbours_);
        }
        if (at[d] + 1 < parameters[d].values.size()) {
          ++found.possible_[pass - 1];
          passes.AddPassesAt(at, d, +1, key + passes.Stride(d), found.neighbours_);
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
  const PassCell* lowest = &values.OfPass(pass);
  if (!lowest->converts) return figures;
  long double sum = lowest->value;
  for (const std::uint32_t neighbour : neighbours) {
    const PassCell& cell = values.OfPass(neighbour);
    if (!cell.converts) return figures;
    sum += cell.value;
    if (cell.value < lowest->value) lowest = &cell;
  }
  figures.min = lowest->text;
  figures.minValue = lowest->value;
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
