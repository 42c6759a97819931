#include "GridFigures.h"

#include <cstdint>
#include <limits>

namespace kvl::core {

namespace {

// The value of the pass at each point of the grid when that value is exact, by key: the
// neighbours' values are then read from one small array rather than by pass number all over the
// column. A point whose pass is not exact, or that other passes share, is left to FiguresOf.
// Held in 32 bits where every value fits, which keeps the array of a large grid in the cache.
template <class Exact>
struct FirstValues {
  static constexpr Exact kOther = std::numeric_limits<Exact>::min();  // a point FiguresOf takes
  static constexpr Exact kNone = kOther + 1;                          // no pass at the point

  std::vector<Exact> exact;
};

// Whether every exact value of the column fits the 32-bit form, beside its two marks.
bool FitsNarrow(const ColumnValues& values) {
  using Narrow = FirstValues<std::int32_t>;
  for (std::size_t pass = 1; pass <= values.PassCount(); ++pass) {
    const std::int64_t exact = values.Exact(pass);
    if (exact != kNotExact && (exact <= Narrow::kNone || exact > INT32_MAX)) return false;
  }
  return true;
}

// Read in pass order, which reads the column in the order it lies and writes by key.
template <class Exact>
FirstValues<Exact> FirstValuesByKey(const PassesByCoordinates& passes, const ColumnValues& values) {
  using First = FirstValues<Exact>;
  First first;
  first.exact.assign(passes.Points(), First::kNone);
  const ParameterSpace& space = passes.Space();
  for (std::size_t pass = 1; pass <= space.PassCount() && pass <= values.PassCount(); ++pass) {
    if (!space.InMap(pass)) continue;
    Exact& exact = first.exact[passes.KeyOf(space.Coordinates(pass))];
    const std::int64_t own = values.Exact(pass);
    exact = exact == First::kNone && own != kNotExact ? static_cast<Exact>(own) : First::kOther;
  }
  return first;
}

template <class Exact>
std::vector<NeighbourhoodFigures> SweepPasses(const Neighbourhoods& neighbourhoods,
                                              const ColumnValues& values) {
  using First = FirstValues<Exact>;
  const PassesByCoordinates& passes = neighbourhoods.Passes();
  const ParameterSpace& space = passes.Space();
  const std::vector<MapParameter>& parameters = space.Optimized();
  const First first = FirstValuesByKey<Exact>(passes, values);
  std::vector<NeighbourhoodFigures> figures;
  figures.reserve(values.PassCount());
  for (std::size_t pass = 1; pass <= values.PassCount(); ++pass) {
    NeighbourhoodFigures& f = figures.emplace_back();
    if (!space.InMap(pass)) continue;
    const std::span<const std::uint32_t> at = space.Coordinates(pass);
    const std::uint64_t key = passes.KeyOf(at);
    const Exact own = first.exact[key];
    // The neighbours in the order FiguresOf takes them, the first lowest kept.
    bool exact = own != First::kOther;
    std::uint32_t found = 0;
    std::uint32_t possible = 0;
    std::int64_t sum = own;
    std::int64_t lowestValue = own;
    std::uint64_t lowestKey = key;
    const auto add = [&](std::uint64_t neighbourKey) {
      ++possible;
      const Exact value = first.exact[neighbourKey];
      if (value == First::kNone) return;
      ++found;
      exact = exact && value != First::kOther;
      if (!exact) return;
      sum += value;
      // Without a branch, which the values of a landscape would make a coin toss.
      const bool lower = value < lowestValue;
      lowestValue = lower ? value : lowestValue;
      lowestKey = lower ? neighbourKey : lowestKey;
    };
    for (std::size_t d = 0; d < at.size() && exact; ++d) {
      if (at[d] > 0) add(key - passes.Stride(d));
      if (at[d] + 1 < parameters[d].values.size()) add(key + passes.Stride(d));
    }
    if (!exact) {
      f = FiguresOf(neighbourhoods, values, pass);
      continue;
    }
    f.inMap = true;
    f.found = found;
    f.possible = possible;
    const auto minPass =
        lowestKey == key ? static_cast<std::uint32_t>(pass) : passes.FirstPassOfKey(lowestKey);
    SetExactMinAndMean(f, minPass, sum);
  }
  return figures;
}

}  // namespace

void SetExactMinAndMean(NeighbourhoodFigures& figures, std::uint32_t minPass, std::int64_t sum) {
  figures.minPass = minPass;
  figures.meanHundredths = MeanHundredths(sum, figures.found + 1);
}

void SetMinAndMean(NeighbourhoodFigures& figures, std::uint32_t minPass, const ExactSum& sum) {
  if (sum.InTenThousandths()) {
    SetExactMinAndMean(figures, minPass, sum.TenThousandths());
  } else {
    figures.minPass = minPass;
    figures.wideMean = std::make_unique<const std::string>(sum.MeanText(figures.found + 1));
  }
}

std::vector<NeighbourhoodFigures> GridFigures(const Neighbourhoods& neighbourhoods,
                                              const ColumnValues& values) {
  return FitsNarrow(values) ? SweepPasses<std::int32_t>(neighbourhoods, values)
                            : SweepPasses<std::int64_t>(neighbourhoods, values);
}

}  // namespace kvl::core
