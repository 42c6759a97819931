#include "parametermap/GridFigures.h"

namespace {

// The value of the first pass at each point of the grid, whether there is one, whether its cell
// converts and whether other passes share the point. Reading these in key order spares the
// lookups by pass number, which land all over the column.
struct FirstValues {
  static constexpr unsigned char kPass = 1;
  static constexpr unsigned char kConverts = 2;
  static constexpr unsigned char kTwins = 4;

  std::vector<long double> value;
  std::vector<unsigned char> state;
};

// Read in pass order, which reads the column in the order it lies and writes the arrays by key.
FirstValues FirstValuesByKey(const PassesByCoordinates& passes, const ColumnValues& values) {
  FirstValues first;
  first.value.assign(passes.Points(), 0);
  first.state.assign(passes.Points(), 0);
  const ParameterSpace& space = passes.Space();
  for (std::size_t pass = 1; pass <= space.PassCount() && pass <= values.PassCount(); ++pass) {
    if (!space.InMap(pass)) continue;
    const std::uint64_t key = passes.KeyOf(space.Coordinates(pass));
    unsigned char& state = first.state[key];
    if (state != 0) {
      state |= FirstValues::kTwins;
      continue;
    }
    state = FirstValues::kPass | (values.Converts(pass) ? FirstValues::kConverts : 0);
    first.value[key] = values.Value(pass);
  }
  return first;
}

}  // namespace

void SetMinAndMean(NeighbourhoodFigures& figures, std::uint32_t minPass, long double minValue,
                   long double sum) {
  figures.minPass = minPass;
  figures.minValue = minValue;
  figures.meanValue = sum / static_cast<long double>(figures.found + 1);
}

std::vector<NeighbourhoodFigures> GridFigures(const PassesByCoordinates& passes,
                                              const ColumnValues& values) {
  const std::vector<MapParameter>& parameters = passes.Space().Optimized();
  const std::size_t dimensions = parameters.size();
  const FirstValues first = FirstValuesByKey(passes, values);
  std::vector<NeighbourhoodFigures> figures(values.PassCount());
  std::vector<std::uint32_t> at(dimensions, 0);  // the coordinates of `key`
  // The neighbours' values in the order FiguresOf takes them, and the first lowest of them.
  std::vector<long double> neighbourValues;
  std::uint32_t lowest = 0;
  long double lowestValue = 0;
  std::uint32_t found = 0;
  std::uint32_t possible = 0;
  bool allConvert = true;
  const auto add = [&](std::uint32_t pass, bool converts, long double value) {
    ++found;
    allConvert = allConvert && converts;
    if (!allConvert) return;
    neighbourValues.push_back(value);
    if (lowest == 0 || value < lowestValue) {
      lowest = pass;
      lowestValue = value;
    }
  };
  // A twin is rare, and read by its pass number.
  const auto addPoint = [&](std::uint64_t neighbourKey) {
    ++possible;
    const unsigned char state = first.state[neighbourKey];
    if (state == 0) return;
    const std::uint32_t pass = passes.FirstPassOfKey(neighbourKey);
    add(pass, (state & FirstValues::kConverts) != 0, first.value[neighbourKey]);
    if ((state & FirstValues::kTwins) == 0) return;
    for (std::uint32_t twin = passes.NextTwin(pass); twin != 0; twin = passes.NextTwin(twin)) {
      add(twin, values.Converts(twin), values.Value(twin));
    }
  };
  for (std::uint64_t key = 0; key < passes.Points(); ++key) {
    if (key > 0) {
      for (std::size_t d = 0; d < dimensions && ++at[d] == parameters[d].values.size(); ++d) {
        at[d] = 0;
      }
    }
    if (first.state[key] == 0) continue;
    neighbourValues.clear();
    lowest = found = possible = 0;
    allConvert = true;
    for (std::size_t d = 0; d < dimensions; ++d) {
      if (at[d] > 0) addPoint(key - passes.Stride(d));
      if (at[d] + 1 < parameters[d].values.size()) addPoint(key + passes.Stride(d));
    }
    // The first pass's own cell is read from the arrays by key; a twin's by its pass.
    const unsigned char state = first.state[key];
    std::uint32_t pass = passes.FirstPassOfKey(key);
    bool converts = (state & FirstValues::kConverts) != 0;
    long double own = first.value[key];
    while (true) {
      if (pass <= figures.size()) {
        NeighbourhoodFigures& f = figures[pass - 1];
        f.inMap = true;
        f.found = found;
        f.possible = possible;
        if (allConvert && converts) {
          // Summed from the pass's own value on, as FiguresOf sums, for the same rounding.
          long double sum = own;
          for (const long double value : neighbourValues) sum += value;
          const bool ownLowest = lowest == 0 || !(lowestValue < own);
          SetMinAndMean(f, ownLowest ? pass : lowest, ownLowest ? own : lowestValue, sum);
        }
      }
      if ((state & FirstValues::kTwins) == 0 || (pass = passes.NextTwin(pass)) == 0) break;
      converts = values.Converts(pass);
      own = values.Value(pass);
    }
  }
  return figures;
}
