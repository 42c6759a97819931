// The parameter map's reading of the passes' texts against the plain split of each text alone
// (ParameterSpaceModel): the first reading, which compares each pass's lines with those of the
// pass before, must give every pass the names and values of its own text, and the map must
// leave out the same passes for the same reasons and give the same parameters, values, order
// and coordinates.
//
// Input: a small table of passes as PassTexts decodes it.
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <core/PassTable.h>
#include <core/parametermap/ParameterSpace.h>
#include <core/parametermap/PassReadings.h>

#include "FuzzCheck.h"
#include "ParameterSpaceModel.h"
#include "PassTexts.h"

using namespace kvl::core;
using namespace kvl::fuzz;

namespace {

std::vector<std::string_view> NamesOf(const PassReadings& readings, const NameSequence& sequence) {
  std::vector<std::string_view> names;
  for (const std::uint32_t name : sequence.names) names.push_back(readings.names.Text(name));
  return names;
}

void CheckReadings(const PassReadings& readings, const std::vector<ModelPass>& passes) {
  FUZZ_CHECK(readings.sequenceOfPass.size() == passes.size());
  // Each sequence once, carried by the passes whose texts hold those names in that order.
  std::map<std::vector<std::string_view>, std::size_t> carriers;
  for (const ModelPass& pass : passes) {
    if (pass.pairs) ++carriers[pass.names];
  }
  FUZZ_CHECK(readings.sequences.size() == carriers.size());
  for (const NameSequence& sequence : readings.sequences) {
    FUZZ_CHECK(sequence.passes == carriers[NamesOf(readings, sequence)]);
  }
  for (std::size_t p = 0; p < passes.size(); ++p) {
    const ModelPass& pass = passes[p];
    const std::uint32_t s = readings.sequenceOfPass[p];
    FUZZ_CHECK((s != kNoNumber) == pass.pairs);
    if (!pass.pairs) continue;
    const NameSequence& sequence = readings.sequences[s];
    FUZZ_CHECK(NamesOf(readings, sequence) == pass.names);
    FUZZ_CHECK((sequence.repeated != kNoNumber) == pass.repeated);
    if (pass.repeated) {
      FUZZ_CHECK(readings.names.Text(sequence.repeated) == pass.repeatedName);
      continue;
    }
    for (std::size_t i = 0; i < pass.names.size(); ++i) {
      const std::uint32_t name = sequence.names[i];
      FUZZ_CHECK(readings.values[name].Text(readings.ValueOf(name, p)) == pass.values[i]);
    }
  }
}

void CheckParameters(const std::vector<MapParameter>& parameters,
                     const std::vector<ModelParameter>& model) {
  FUZZ_CHECK(parameters.size() == model.size());
  for (std::size_t d = 0; d < model.size(); ++d) {
    FUZZ_CHECK(parameters[d].name == model[d].name);
    FUZZ_CHECK(parameters[d].values == model[d].values);
    FUZZ_CHECK(parameters[d].numeric == model[d].numeric);
  }
}

void CheckSpace(const ParameterSpace& space, const ModelSpace& model) {
  CheckParameters(space.Optimized(), model.optimized);
  CheckParameters(space.Constants(), model.constants);
  for (std::size_t d = 0; d < model.optimized.size(); ++d) {
    FUZZ_CHECK(space.OptimizedNamed(model.optimized[d].name) == d);
    FUZZ_CHECK(space.ConstantNamed(model.optimized[d].name) == nullptr);
  }
  for (const ModelParameter& constant : model.constants) {
    FUZZ_CHECK(space.ConstantNamed(constant.name) != nullptr);
    FUZZ_CHECK(!space.OptimizedNamed(constant.name));
  }
  FUZZ_CHECK(space.LeftOut().size() == model.leftOut.size());
  for (std::size_t k = 0; k < model.leftOut.size(); ++k) {
    const LeftOutPass& pass = space.LeftOut()[k];
    FUZZ_CHECK(pass.pass == model.leftOut[k].pass);
    FUZZ_CHECK(pass.reason == model.leftOut[k].reason);
    FUZZ_CHECK(pass.name == model.leftOut[k].name);
  }
  const std::size_t count = model.inMap.size();
  FUZZ_CHECK(space.PassCount() == count);
  FUZZ_CHECK(!space.InMap(0) && !space.InMap(count + 1));
  for (std::size_t p = 0; p < count; ++p) {
    FUZZ_CHECK(space.InMap(p + 1) == model.inMap[p]);
    const std::span<const std::uint32_t> at = space.Coordinates(p + 1);
    FUZZ_CHECK(std::vector<std::uint32_t>(at.begin(), at.end()) == model.coordinates[p]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> texts = DecodePassTexts({data, size});
  static PassTable table;
  std::vector<ModelPass> passes;
  for (std::size_t p = 0; p < texts.size(); ++p) {
    table[p] = PassRecord{};
    table[p].Params = texts[p];
    passes.push_back(ModelReadPass(texts[p]));
  }
  CheckReadings(ReadPasses(table, texts.size()), passes);
  CheckSpace(ParameterSpace::Read(table, texts.size()), ModelMap(passes));
  return 0;
}
