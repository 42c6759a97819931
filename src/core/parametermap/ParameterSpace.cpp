#include "parametermap/ParameterSpace.h"

#include <algorithm>
#include <limits>
#include <map>
#include <numeric>
#include <unordered_map>

#include "CellConvert.h"
#include "Exceptions.h"
#include "parametermap/PassParameters.h"

namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

// Texts numbered in the order they first come, found again through a hash of their bytes. Most
// passes repeat the text the previous pass had, so that is tried first.
class TextNumbers {
 public:
  std::uint32_t NumberOf(std::string_view text) {
    if (last_ != kNone && texts_[last_] == text) return last_;
    const auto [it, added] = numbers_.try_emplace(text, static_cast<std::uint32_t>(texts_.size()));
    if (added) texts_.push_back(text);
    return last_ = it->second;
  }
  std::string_view Text(std::uint32_t number) const { return texts_[number]; }
  std::size_t Size() const { return texts_.size(); }

 private:
  std::vector<std::string_view> texts_;
  std::unordered_map<std::string_view, std::uint32_t> numbers_;
  std::uint32_t last_ = kNone;
};

// A sequence of names as passes carry them, by name number.
struct NameSequence {
  std::vector<std::uint32_t> names;
  std::uint32_t repeated = kNone;  // the first name that stands twice
  std::uint32_t set = kNone;       // the set of names, the same for every order of them
  std::size_t passes = 0;
};

// What a first reading of every pass keeps: per pass its name sequence and, in the order of that
// sequence, the number of each value among the values its name took.
struct PassReadings {
  TextNumbers names;
  std::vector<TextNumbers> values;  // per name
  std::vector<NameSequence> sequences;
  std::vector<std::uint32_t> sequenceOfPass;    // kNone when the text does not split
  std::vector<std::uint32_t> firstValueOfPass;  // where the pass's values start in valueNumbers
  std::vector<std::uint32_t> valueNumbers;
};

std::uint32_t SequenceNumber(PassReadings& readings, std::vector<std::uint32_t>& scratch,
                             std::map<std::vector<std::uint32_t>, std::uint32_t>& known,
                             std::uint32_t previous) {
  if (previous != kNone && readings.sequences[previous].names == scratch) return previous;
  const auto [it, added] =
      known.try_emplace(scratch, static_cast<std::uint32_t>(readings.sequences.size()));
  if (added) {
    NameSequence sequence;
    sequence.names = scratch;
    std::vector<std::uint32_t> sorted = scratch;
    std::sort(sorted.begin(), sorted.end());
    const auto twin = std::adjacent_find(sorted.begin(), sorted.end());
    if (twin != sorted.end()) {
      // The first name, in the pass's own order, that has a twin.
      sequence.repeated = *std::find_if(scratch.begin(), scratch.end(), [&](std::uint32_t n) {
        return std::count(scratch.begin(), scratch.end(), n) > 1;
      });
    }
    readings.sequences.push_back(std::move(sequence));
  }
  return it->second;
}

PassReadings ReadPasses(const PassTable& table, std::size_t count) {
  PassReadings readings;
  readings.sequenceOfPass.resize(count, kNone);
  readings.firstValueOfPass.resize(count + 1, 0);
  std::map<std::vector<std::uint32_t>, std::uint32_t> knownSequences;
  std::vector<std::string_view> lines;
  std::vector<std::string_view> previousLines;
  std::vector<char> same;
  std::vector<std::uint32_t> names;
  ParameterPair pair;
  std::uint32_t previous = kNone;
  std::size_t previousValues = 0;  // where the previous pass's values start
  for (std::size_t p = 0; p < count; ++p) {
    const auto first = static_cast<std::uint32_t>(readings.valueNumbers.size());
    readings.firstValueOfPass[p] = first;
    if (!SplitParameterLines(table[p].Params, lines, previousLines, same)) continue;
    // Passes nearly always carry the names of the pass before them, in the same order, and
    // most of its values: a line just like the previous pass's needs no reading.
    const std::vector<std::uint32_t>* previousNames =
        previous == kNone ? nullptr : &readings.sequences[previous].names;
    names.clear();
    bool pairs = true;
    for (std::size_t i = 0; i < lines.size() && pairs; ++i) {
      if (same[i] && previousNames) {
        names.push_back((*previousNames)[i]);
        readings.valueNumbers.push_back(readings.valueNumbers[previousValues + i]);
        continue;
      }
      if (!(pairs = ParsePair(lines[i], pair))) break;
      std::uint32_t name = kNone;
      if (previousNames && i < previousNames->size() &&
          readings.names.Text((*previousNames)[i]) == pair.name) {
        name = (*previousNames)[i];
      } else {
        name = readings.names.NumberOf(pair.name);
        if (name == readings.values.size()) readings.values.emplace_back();
      }
      names.push_back(name);
      readings.valueNumbers.push_back(readings.values[name].NumberOf(pair.value));
    }
    if (!pairs) {
      readings.valueNumbers.resize(first);
      continue;
    }
    previous = SequenceNumber(readings, names, knownSequences, previous);
    readings.sequenceOfPass[p] = previous;
    ++readings.sequences[previous].passes;
    previousLines.swap(lines);
    previousValues = first;
  }
  readings.firstValueOfPass[count] = static_cast<std::uint32_t>(readings.valueNumbers.size());
  return readings;
}

// Gives every sequence without a repeated name the number of its set of names, and returns the
// sequence that leads the set most passes carry (the first such set on a tie): the map's names,
// in their order.
std::uint32_t ChooseMapSequence(PassReadings& readings) {
  std::map<std::vector<std::uint32_t>, std::uint32_t> sets;
  std::vector<std::size_t> passesOfSet;
  std::vector<std::uint32_t> leaderOfSet;
  for (std::uint32_t s = 0; s < readings.sequences.size(); ++s) {
    NameSequence& sequence = readings.sequences[s];
    if (sequence.repeated != kNone) continue;
    std::vector<std::uint32_t> sorted = sequence.names;
    std::sort(sorted.begin(), sorted.end());
    const auto [it, added] = sets.try_emplace(sorted, static_cast<std::uint32_t>(sets.size()));
    if (added) {
      passesOfSet.push_back(0);
      leaderOfSet.push_back(s);
    }
    sequence.set = it->second;
    passesOfSet[it->second] += sequence.passes;
  }
  if (passesOfSet.empty()) return kNone;
  // Sets are numbered in the order their first pass comes, so the first maximum is the earliest.
  const auto most = std::max_element(passesOfSet.begin(), passesOfSet.end());
  return leaderOfSet[static_cast<std::size_t>(most - passesOfSet.begin())];
}

LeftOutPass WhyLeftOut(const PassReadings& readings, std::size_t p,
                       const NameSequence& mapSequence) {
  const std::size_t pass = p + 1;
  const std::uint32_t s = readings.sequenceOfPass[p];
  if (s == kNone) return {pass, LeftOutReason::kNotPairs, {}};
  const NameSequence& sequence = readings.sequences[s];
  if (sequence.repeated != kNone) {
    return {pass, LeftOutReason::kRepeatedName, readings.names.Text(sequence.repeated)};
  }
  for (const std::uint32_t name : mapSequence.names) {
    if (std::find(sequence.names.begin(), sequence.names.end(), name) == sequence.names.end()) {
      return {pass, LeftOutReason::kMissingName, readings.names.Text(name)};
    }
  }
  for (const std::uint32_t name : sequence.names) {
    if (std::find(mapSequence.names.begin(), mapSequence.names.end(), name) ==
        mapSequence.names.end()) {
      return {pass, LeftOutReason::kExtraName, readings.names.Text(name)};
    }
  }
  return {pass, LeftOutReason::kNotPairs, {}};  // not reached: the sets differ
}

// Where each of the map's names stands in `sequence`, which holds the same names.
std::vector<std::uint32_t> PlacesOfMapNames(const NameSequence& sequence,
                                            const NameSequence& mapSequence) {
  std::vector<std::uint32_t> places;
  for (const std::uint32_t name : mapSequence.names) {
    places.push_back(static_cast<std::uint32_t>(
        std::find(sequence.names.begin(), sequence.names.end(), name) - sequence.names.begin()));
  }
  return places;
}

bool AllConvert(const std::vector<std::string_view>& texts, std::vector<long double>& numbers) {
  numbers.clear();
  try {
    for (const std::string_view text : texts) numbers.push_back(CellToFloat(text));
  } catch (const EConvertError&) {
    return false;
  }
  return true;
}

// One of the map's names: its values in the order they first come in the map's passes, then in
// their final order, and each value number's place in that order.
struct NameValues {
  std::vector<std::uint32_t> firstComing;  // value numbers
  std::vector<std::uint32_t> place;        // per value number; kNone for a value not in the map
};

MapParameter OrderValues(std::string_view name, const TextNumbers& texts, NameValues& values) {
  MapParameter parameter;
  parameter.name = name;
  std::vector<std::string_view> comingTexts;
  for (const std::uint32_t v : values.firstComing) comingTexts.push_back(texts.Text(v));
  std::vector<std::size_t> order(values.firstComing.size());
  std::iota(order.begin(), order.end(), 0);
  std::vector<long double> numbers;
  parameter.numeric = AllConvert(comingTexts, numbers);
  if (parameter.numeric) {
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return numbers[a] < numbers[b]; });
  }
  for (std::size_t place = 0; place < order.size(); ++place) {
    parameter.values.push_back(comingTexts[order[place]]);
    values.place[values.firstComing[order[place]]] = static_cast<std::uint32_t>(place);
  }
  return parameter;
}

}  // namespace

ParameterSpace ParameterSpace::Read(const PassTable& table, std::size_t count) {
  PassReadings readings = ReadPasses(table, count);
  ParameterSpace space;
  space.passCount_ = count;
  space.inMap_.assign(count, false);
  const std::uint32_t mapSequenceNumber = ChooseMapSequence(readings);
  if (mapSequenceNumber == kNone) {
    for (std::size_t p = 0; p < count; ++p)
      space.leftOut_.push_back({p + 1, LeftOutReason::kNotPairs, {}});
    return space;
  }
  const NameSequence& mapSequence = readings.sequences[mapSequenceNumber];
  const std::size_t nameCount = mapSequence.names.size();

  // Per sequence of the map's set, where each of the map's names stands in it.
  std::vector<std::vector<std::uint32_t>> places(readings.sequences.size());
  for (std::size_t s = 0; s < readings.sequences.size(); ++s) {
    if (readings.sequences[s].set == mapSequence.set) {
      places[s] = PlacesOfMapNames(readings.sequences[s], mapSequence);
    }
  }
  std::vector<NameValues> values(nameCount);
  for (std::size_t n = 0; n < nameCount; ++n) {
    values[n].place.assign(readings.values[mapSequence.names[n]].Size(), kNone);
  }
  for (std::size_t p = 0; p < count; ++p) {
    const std::uint32_t s = readings.sequenceOfPass[p];
    if (s == kNone || readings.sequences[s].set != mapSequence.set) {
      space.leftOut_.push_back(WhyLeftOut(readings, p, mapSequence));
      continue;
    }
    space.inMap_[p] = true;
    const std::uint32_t* passValues = &readings.valueNumbers[readings.firstValueOfPass[p]];
    for (std::size_t n = 0; n < nameCount; ++n) {
      const std::uint32_t v = passValues[places[s][n]];
      if (values[n].place[v] == kNone) {
        values[n].place[v] = 0;  // seen; its place comes once every value is known
        values[n].firstComing.push_back(v);
      }
    }
  }

  std::vector<std::size_t> optimizedNames;
  for (std::size_t n = 0; n < nameCount; ++n) {
    const std::uint32_t name = mapSequence.names[n];
    MapParameter parameter =
        OrderValues(readings.names.Text(name), readings.values[name], values[n]);
    if (parameter.values.size() > 1) {
      optimizedNames.push_back(n);
      space.optimized_.push_back(std::move(parameter));
    } else {
      space.constants_.push_back(std::move(parameter));
    }
  }

  const std::size_t dimensions = optimizedNames.size();
  space.coordinates_.assign(count * dimensions, 0);
  for (std::size_t p = 0; p < count; ++p) {
    if (!space.inMap_[p]) continue;
    const std::uint32_t s = readings.sequenceOfPass[p];
    const std::uint32_t* passValues = &readings.valueNumbers[readings.firstValueOfPass[p]];
    for (std::size_t d = 0; d < dimensions; ++d) {
      const std::size_t n = optimizedNames[d];
      space.coordinates_[p * dimensions + d] = values[n].place[passValues[places[s][n]]];
    }
  }
  return space;
}

bool ParameterSpace::InMap(std::size_t pass) const noexcept {
  return pass >= 1 && pass <= passCount_ && inMap_[pass - 1];
}

std::span<const std::uint32_t> ParameterSpace::Coordinates(std::size_t pass) const noexcept {
  if (!InMap(pass)) return {};
  const std::size_t dimensions = optimized_.size();
  return std::span<const std::uint32_t>(coordinates_).subspan((pass - 1) * dimensions, dimensions);
}

std::optional<std::size_t> ParameterSpace::OptimizedNamed(std::string_view name) const noexcept {
  for (std::size_t d = 0; d < optimized_.size(); ++d) {
    if (optimized_[d].name == name) return d;
  }
  return std::nullopt;
}

const MapParameter* ParameterSpace::ConstantNamed(std::string_view name) const noexcept {
  for (const MapParameter& constant : constants_) {
    if (constant.name == name) return &constant;
  }
  return nullptr;
}
