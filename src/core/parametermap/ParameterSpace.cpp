#include "ParameterSpace.h"

#include <algorithm>
#include <map>
#include <numeric>

#include <core/CellConvert.h>
#include <core/Exceptions.h>

#include "PassReadings.h"

namespace kvl::core {

namespace {

// Gives every sequence without a repeated name the number of its set of names, and returns the
// sequence that leads the set most passes carry (the first such set on a tie): the map's names,
// in their order.
std::uint32_t ChooseMapSequence(PassReadings& readings) {
  std::map<std::vector<std::uint32_t>, std::uint32_t> sets;
  std::vector<std::size_t> passesOfSet;
  std::vector<std::uint32_t> leaderOfSet;
  for (std::uint32_t s = 0; s < readings.sequences.size(); ++s) {
    NameSequence& sequence = readings.sequences[s];
    if (sequence.repeated != kNoNumber) continue;
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
  if (passesOfSet.empty()) return kNoNumber;
  // Sets are numbered in the order their first pass comes, so the first maximum is the earliest.
  const auto most = std::max_element(passesOfSet.begin(), passesOfSet.end());
  return leaderOfSet[static_cast<std::size_t>(most - passesOfSet.begin())];
}

LeftOutPass WhyLeftOut(const PassReadings& readings, std::size_t p,
                       const NameSequence& mapSequence) {
  const std::size_t pass = p + 1;
  const std::uint32_t s = readings.sequenceOfPass[p];
  if (s == kNoNumber) return {pass, LeftOutReason::kNotPairs, {}};
  const NameSequence& sequence = readings.sequences[s];
  if (sequence.repeated != kNoNumber) {
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
  std::vector<std::uint32_t> place;        // per value number; kNoNumber for a value not in the map
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
  if (mapSequenceNumber == kNoNumber) {
    // Every pass that splits names a parameter twice, and is left out for that, as it would be
    // beside a map.
    const NameSequence noMap;
    for (std::size_t p = 0; p < count; ++p) {
      space.leftOut_.push_back(WhyLeftOut(readings, p, noMap));
    }
    return space;
  }
  const NameSequence& mapSequence = readings.sequences[mapSequenceNumber];
  const std::size_t nameCount = mapSequence.names.size();

  std::vector<NameValues> values(nameCount);
  for (std::size_t n = 0; n < nameCount; ++n) {
    values[n].place.assign(readings.values[mapSequence.names[n]].Size(), kNoNumber);
  }
  for (std::size_t p = 0; p < count; ++p) {
    const std::uint32_t s = readings.sequenceOfPass[p];
    if (s == kNoNumber || readings.sequences[s].set != mapSequence.set) {
      space.leftOut_.push_back(WhyLeftOut(readings, p, mapSequence));
    } else {
      space.inMap_[p] = true;
    }
  }
  if (space.leftOut_.empty()) {
    // Every value was numbered as it first came in a pass of the map.
    for (NameValues& name : values) {
      name.firstComing.resize(name.place.size());
      std::iota(name.firstComing.begin(), name.firstComing.end(), 0);
    }
  } else {
    for (std::size_t p = 0; p < count; ++p) {
      if (!space.inMap_[p]) continue;
      for (std::size_t n = 0; n < nameCount; ++n) {
        const std::uint32_t v = readings.ValueOf(mapSequence.names[n], p);
        if (values[n].place[v] == kNoNumber) {
          values[n].place[v] = 0;  // seen; its place comes once every value is known
          values[n].firstComing.push_back(v);
        }
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
  std::vector<const std::uint32_t*> columns;
  std::vector<const std::uint32_t*> places;
  for (const std::size_t n : optimizedNames) {
    columns.push_back(readings.valueColumns[mapSequence.names[n]].data());
    places.push_back(values[n].place.data());
  }
  space.coordinates_.assign(count * dimensions, 0);
  for (std::size_t p = 0; p < count; ++p) {
    if (!space.inMap_[p]) continue;
    std::uint32_t* const at = space.coordinates_.data() + p * dimensions;
    for (std::size_t d = 0; d < dimensions; ++d) at[d] = places[d][columns[d][p]];
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

}  // namespace kvl::core
