#include "ParameterSpaceModel.h"

#include <algorithm>
#include <optional>

#include <core/CellConvert.h>
#include <core/Exceptions.h>

#include "PlainParameterLines.h"

namespace kvl::fuzz {

namespace {

using core::LeftOutReason;
using Names = std::vector<std::string_view>;

bool Has(const Names& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool SameSet(const Names& a, const Names& b) {
  if (a.size() != b.size()) return false;
  for (const std::string_view name : a) {
    if (!Has(b, name)) return false;
  }
  return true;
}

// The pass whose names are those most passes carry, the earliest of them on a tie; none when no
// pass has names that can be mapped.
std::optional<std::size_t> MapLeader(const std::vector<ModelPass>& passes) {
  std::optional<std::size_t> leader;
  std::size_t most = 0;
  for (std::size_t p = 0; p < passes.size(); ++p) {
    if (!passes[p].pairs || passes[p].repeated) continue;
    std::size_t carriers = 0;
    bool earlier = false;
    for (std::size_t q = 0; q < passes.size(); ++q) {
      if (!passes[q].pairs || passes[q].repeated || !SameSet(passes[q].names, passes[p].names)) {
        continue;
      }
      ++carriers;
      earlier = earlier || q < p;
    }
    if (!earlier && carriers > most) {
      leader = p;
      most = carriers;
    }
  }
  return leader;
}

ModelLeftOut WhyLeftOut(const ModelPass& pass, std::size_t number, const Names& mapNames) {
  if (!pass.pairs) return {number, LeftOutReason::kNotPairs, {}};
  if (pass.repeated) return {number, LeftOutReason::kRepeatedName, pass.repeatedName};
  for (const std::string_view name : mapNames) {
    if (!Has(pass.names, name)) return {number, LeftOutReason::kMissingName, name};
  }
  for (const std::string_view name : pass.names) {
    if (!Has(mapNames, name)) return {number, LeftOutReason::kExtraName, name};
  }
  return {number, LeftOutReason::kNotPairs, {}};
}

// Values in the order they first come, or by number when each converts: a value's place is the
// count of smaller ones and of equal ones before it.
ModelParameter Ordered(std::string_view name, const Names& coming) {
  ModelParameter parameter{name, coming, true};
  std::vector<long double> numbers;
  for (const std::string_view value : coming) {
    try {
      numbers.push_back(core::CellToFloat(value));
    } catch (const core::EConvertError&) {
      parameter.numeric = false;
      return parameter;
    }
  }
  for (std::size_t i = 0; i < coming.size(); ++i) {
    std::size_t place = 0;
    for (std::size_t j = 0; j < coming.size(); ++j) {
      place += numbers[j] < numbers[i] || (j < i && numbers[j] == numbers[i]);
    }
    parameter.values[place] = coming[i];
  }
  return parameter;
}

std::uint32_t PlaceOf(const ModelParameter& parameter, std::string_view value) {
  return static_cast<std::uint32_t>(
      std::find(parameter.values.begin(), parameter.values.end(), value) -
      parameter.values.begin());
}

std::string_view ValueOf(const ModelPass& pass, std::string_view name) {
  return pass.values[static_cast<std::size_t>(
      std::find(pass.names.begin(), pass.names.end(), name) - pass.names.begin())];
}

}  // namespace

ModelPass ModelReadPass(std::string_view params) {
  ModelPass pass;
  const std::vector<std::string_view> lines = PlainKeptLines(params);
  pass.pairs = !lines.empty();
  for (const std::string_view line : lines) {
    const PlainPair pair = PlainSplit(line);
    if (!pair.value || pair.name.empty()) pass.pairs = false;
    pass.names.push_back(pair.name);
    pass.values.push_back(pair.value.value_or(std::string_view()));
  }
  for (const std::string_view name : pass.names) {
    if (std::count(pass.names.begin(), pass.names.end(), name) > 1) {
      pass.repeated = true;
      pass.repeatedName = name;
      break;
    }
  }
  return pass;
}

ModelSpace ModelMap(const std::vector<ModelPass>& passes) {
  ModelSpace space;
  space.coordinates.resize(passes.size());
  space.inMap.assign(passes.size(), false);
  const std::optional<std::size_t> leader = MapLeader(passes);
  const Names mapNames = leader ? passes[*leader].names : Names();
  for (std::size_t p = 0; p < passes.size(); ++p) {
    const ModelPass& pass = passes[p];
    space.inMap[p] = leader && pass.pairs && !pass.repeated && SameSet(pass.names, mapNames);
    if (!space.inMap[p]) space.leftOut.push_back(WhyLeftOut(pass, p + 1, mapNames));
  }
  for (const std::string_view name : mapNames) {
    Names coming;
    for (std::size_t p = 0; p < passes.size(); ++p) {
      if (space.inMap[p] && !Has(coming, ValueOf(passes[p], name))) {
        coming.push_back(ValueOf(passes[p], name));
      }
    }
    (coming.size() > 1 ? space.optimized : space.constants).push_back(Ordered(name, coming));
  }
  for (std::size_t p = 0; p < passes.size(); ++p) {
    if (!space.inMap[p]) continue;
    for (const ModelParameter& parameter : space.optimized) {
      space.coordinates[p].push_back(PlaceOf(parameter, ValueOf(passes[p], parameter.name)));
    }
  }
  return space;
}

}  // namespace kvl::fuzz
