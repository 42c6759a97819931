#pragma once

#include <cstddef>
#include <vector>

namespace kvl::core {

// A row of places, each free or taken. Takes the free place that has a given number of free
// places before it in O(log size), in one descent of a tree of free counts.
class FreePlaces {
 public:
  // Makes places 0 to size-1 free.
  void Reset(std::size_t size);

  // Takes and returns the free place with `rank` free places before it; `rank` must be below the
  // number of free places.
  std::size_t Take(std::size_t rank) noexcept;

 private:
  std::size_t leaves_ = 0;
  // Node 1 is the root; node k has the children 2k and 2k+1; place p is the leaf leaves_ + p.
  std::vector<int> freeBelow_;
};

}  // namespace kvl::core
