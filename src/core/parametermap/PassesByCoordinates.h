#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "parametermap/ParameterSpace.h"

// The passes of the map found by their coordinates. A key folds the coordinates in the mixed
// radix of the value counts. A grid of not many more points than passes is an array indexed by
// key; a larger one is a hash table, whose keys are exact while the grid has fewer than 2^64
// points and are checked against the coordinates beyond.
class PassesByCoordinates {
 public:
  explicit PassesByCoordinates(const ParameterSpace& space);

  std::uint64_t KeyOf(std::span<const std::uint32_t> coordinates) const noexcept;
  // What a step of one value in optimized parameter d adds to a key.
  std::uint64_t Stride(std::size_t d) const noexcept { return strides_[d]; }

  // The first pass at the coordinates whose key is `key`: `coordinates` with coordinate d moved
  // by `step`. 0 when there is none. The others there follow through NextTwin.
  std::uint32_t FirstPassAt(std::uint64_t key, std::span<const std::uint32_t> coordinates,
                            std::size_t d, int step) const noexcept;
  // The next pass, after `pass`, with the same coordinates; 0 after the last.
  std::uint32_t NextTwin(std::uint32_t pass) const noexcept { return nextTwin_[pass]; }

 private:
  struct Entry {
    std::uint64_t key = 0;
    std::uint32_t pass = 0;  // the first pass at these coordinates; 0: a free entry
  };

  std::size_t Home(std::uint64_t key) const noexcept;
  bool SameCoordinates(std::uint32_t pass, std::span<const std::uint32_t> coordinates,
                       std::size_t d, int step) const noexcept;
  void Insert(std::uint32_t pass, std::vector<std::uint32_t>& lastTwin);

  const ParameterSpace& space_;
  std::vector<std::uint64_t> strides_;
  bool exactKeys_ = true;
  std::vector<std::uint32_t> byKey_;     // the array form: first pass per key
  std::vector<Entry> entries_;           // the hash form
  std::vector<std::uint32_t> nextTwin_;  // per pass number
};
