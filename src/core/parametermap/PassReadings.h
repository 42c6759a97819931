#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include <core/PassTable.h>

#include "TextNumbers.h"

namespace kvl::core {

inline constexpr std::uint32_t kNoNumber = std::numeric_limits<std::uint32_t>::max();

// A sequence of names as passes carry them, by name number.
struct NameSequence {
  std::vector<std::uint32_t> names;
  std::uint32_t repeated = kNoNumber;  // the first name that stands twice
  std::uint32_t set = kNoNumber;       // the set of names, the same for every order of them
  std::size_t passes = 0;
};

// What a first reading of every pass's parameter text keeps: per pass its name sequence, and per
// name the number of each pass's value among the values the name took. Most names keep one value
// in every pass, and only those that take a second one get a column of value numbers.
struct PassReadings {
  TextNumbers names;
  std::vector<TextNumbers> values;  // per name
  std::vector<NameSequence> sequences;
  std::vector<std::uint32_t> sequenceOfPass;  // kNoNumber when the text does not split
  // Per name, the value number for each pass; empty for a name of one value, 0 in every pass.
  // Meaningful only for the passes that carry the name.
  std::vector<std::vector<std::uint32_t>> valueColumns;

  std::uint32_t ValueOf(std::uint32_t name, std::size_t pass) const {
    return valueColumns[name].empty() ? 0 : valueColumns[name][pass];
  }
};

// Reads the Params texts of slots 0 to count-1: their kept lines (parameters/ParameterLines) as
// name=value pairs, names and values trimmed of blanks. A text splits when it has a kept line and
// each is a pair with a name.
PassReadings ReadPasses(const PassTable& table, std::size_t count);

}  // namespace kvl::core
