#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ParameterSpace.h"

namespace kvl::core {

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
  // by `step`. 0 when there is none. The others there follow it in nextTwin_.
  std::uint32_t FirstPassAt(std::uint64_t key, std::span<const std::uint32_t> coordinates,
                            std::size_t d, int step) const noexcept;

  // Calls visit(pass) for every neighbour of the point `at`: per optimized parameter in order,
  // the passes one step down and then those one step up, each in pass order.
  template <class Visit>
  void ForEachNeighbour(std::span<const std::uint32_t> at, Visit visit) const {
    const std::uint64_t key = KeyOf(at);
    const std::vector<MapParameter>& parameters = space_.Optimized();
    for (std::size_t d = 0; d < at.size(); ++d) {
      if (at[d] > 0) VisitTwins(FirstPassAt(key - strides_[d], at, d, -1), visit);
      if (at[d] + 1 < parameters[d].values.size()) {
        VisitTwins(FirstPassAt(key + strides_[d], at, d, +1), visit);
      }
    }
  }
  template <class Visit>
  void VisitTwins(std::uint32_t first, Visit& visit) const {
    for (std::uint32_t pass = first; pass != 0; pass = nextTwin_[pass]) visit(pass);
  }

  const ParameterSpace& Space() const noexcept { return space_; }
  // In the array form every key below Points() stands for one point of the grid, and
  // FirstPassOfKey answers for it.
  bool IsArray() const noexcept { return !byKey_.empty(); }
  std::uint64_t Points() const noexcept { return byKey_.size(); }
  std::uint32_t FirstPassOfKey(std::uint64_t key) const noexcept { return byKey_[key]; }

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

}  // namespace kvl::core
