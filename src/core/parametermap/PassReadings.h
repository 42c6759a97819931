#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "PassTable.h"
#include "parametermap/TextNumbers.h"

inline constexpr std::uint32_t kNoNumber = std::numeric_limits<std::uint32_t>::max();

// A sequence of names as passes carry them, by name number.
struct NameSequence {
  std::vector<std::uint32_t> names;
  std::uint32_t repeated = kNoNumber;  // the first name that stands twice
  std::uint32_t set = kNoNumber;       // the set of names, the same for every order of them
  std::size_t passes = 0;
};

// What a first reading of every pass's parameter text keeps: per pass its name sequence and, in
// the order of that sequence, the number of each value among the values its name took.
struct PassReadings {
  TextNumbers names;
  std::vector<TextNumbers> values;  // per name
  std::vector<NameSequence> sequences;
  std::vector<std::uint32_t> sequenceOfPass;    // kNoNumber when the text does not split
  std::vector<std::uint32_t> firstValueOfPass;  // where the pass's values start in valueNumbers
  std::vector<std::uint32_t> valueNumbers;
};

// Reads the Params texts of slots 0 to count-1, split as SplitPassParameters splits them.
PassReadings ReadPasses(const PassTable& table, std::size_t count);
