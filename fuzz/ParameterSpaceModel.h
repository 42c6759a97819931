#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include <core/parametermap/ParameterSpace.h>

// The parameter map of a table of passes, read pass by pass from the plain split of each text
// (PlainParameterLines) and gathered as the map's description says, with nothing carried over
// from one pass to the next.
namespace kvl::fuzz {

struct ModelPass {
  bool pairs = false;  // every kept line, of which there is one at least, is name=value
  std::vector<std::string_view> names;   // trimmed, in the text's order
  std::vector<std::string_view> values;  // trimmed, one per name
  bool repeated = false;
  std::string_view repeatedName;  // the first name in the text that stands there twice
};

ModelPass ModelReadPass(std::string_view params);

struct ModelLeftOut {
  std::size_t pass;  // from 1
  core::LeftOutReason reason;
  std::string_view name;
};

struct ModelParameter {
  std::string_view name;
  std::vector<std::string_view> values;
  bool numeric = false;
};

struct ModelSpace {
  std::vector<ModelParameter> optimized;
  std::vector<ModelParameter> constants;
  std::vector<ModelLeftOut> leftOut;
  // Per pass, its value's place in each optimized parameter; empty for a pass left out.
  std::vector<std::vector<std::uint32_t>> coordinates;
  std::vector<bool> inMap;
};

ModelSpace ModelMap(const std::vector<ModelPass>& passes);

}  // namespace kvl::fuzz
