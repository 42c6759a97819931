#include "PassesByCoordinates.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace kvl::core {

namespace {

// An array of up to this many entries per pass of the map costs less than a hash table's lookups.
constexpr std::uint64_t kArrayPointsPerPass = 4;
constexpr std::uint64_t kSmallestArray = 1 << 16;

}  // namespace

PassesByCoordinates::PassesByCoordinates(const ParameterSpace& space) : space_(space) {
  std::uint64_t points = 1;
  for (const MapParameter& parameter : space.Optimized()) {
    strides_.push_back(points);
    const std::uint64_t count = parameter.values.size();
    if (points > std::numeric_limits<std::uint64_t>::max() / count) exactKeys_ = false;
    points *= count;  // wraps on a grid of 2^64 points or more: the keys are then a hash
  }
  std::size_t passes = 0;
  for (std::size_t pass = 1; pass <= space.PassCount(); ++pass) passes += space.InMap(pass);
  nextTwin_.assign(space.PassCount() + 1, 0);
  if (exactKeys_ &&
      points <= std::max<std::uint64_t>(kArrayPointsPerPass * passes, kSmallestArray)) {
    byKey_.assign(points, 0);
  } else {
    entries_.assign(std::bit_ceil(std::max<std::size_t>(2 * passes, 2)), Entry{});
  }
  std::vector<std::uint32_t> lastTwin(space.PassCount() + 1, 0);
  for (std::size_t pass = 1; pass <= space.PassCount(); ++pass) {
    if (space.InMap(pass)) Insert(static_cast<std::uint32_t>(pass), lastTwin);
  }
}

void PassesByCoordinates::Insert(std::uint32_t pass, std::vector<std::uint32_t>& lastTwin) {
  const std::span<const std::uint32_t> coordinates = space_.Coordinates(pass);
  const std::uint64_t key = KeyOf(coordinates);
  std::uint32_t* first = nullptr;
  if (!byKey_.empty()) {
    first = &byKey_[key];
  } else {
    std::size_t at = Home(key);
    while (entries_[at].pass != 0 &&
           !(entries_[at].key == key && SameCoordinates(entries_[at].pass, coordinates, 0, 0))) {
      at = (at + 1) & (entries_.size() - 1);
    }
    entries_[at].key = key;
    first = &entries_[at].pass;
  }
  if (*first == 0) {
    *first = pass;
  } else {
    nextTwin_[lastTwin[*first]] = pass;
  }
  lastTwin[*first] = pass;
}

std::uint64_t PassesByCoordinates::KeyOf(
    std::span<const std::uint32_t> coordinates) const noexcept {
  std::uint64_t key = 0;
  for (std::size_t d = 0; d < coordinates.size(); ++d) key += coordinates[d] * strides_[d];
  return key;
}

std::uint32_t PassesByCoordinates::FirstPassAt(std::uint64_t key,
                                               std::span<const std::uint32_t> coordinates,
                                               std::size_t d, int step) const noexcept {
  if (!byKey_.empty()) return byKey_[key];
  for (std::size_t at = Home(key); entries_[at].pass != 0; at = (at + 1) & (entries_.size() - 1)) {
    if (entries_[at].key == key && SameCoordinates(entries_[at].pass, coordinates, d, step)) {
      return entries_[at].pass;
    }
  }
  return 0;
}

std::size_t PassesByCoordinates::Home(std::uint64_t key) const noexcept {
  // splitmix64's finaliser spreads keys that differ in their low digits only.
  key = (key ^ (key >> 30)) * 0xBF58476D1CE4E5B9ULL;
  key = (key ^ (key >> 27)) * 0x94D049BB133111EBULL;
  return static_cast<std::size_t>(key ^ (key >> 31)) & (entries_.size() - 1);
}

bool PassesByCoordinates::SameCoordinates(std::uint32_t pass,
                                          std::span<const std::uint32_t> coordinates, std::size_t d,
                                          int step) const noexcept {
  if (exactKeys_) return true;
  const std::span<const std::uint32_t> other = space_.Coordinates(pass);
  for (std::size_t e = 0; e < other.size(); ++e) {
    const std::int64_t expected = static_cast<std::int64_t>(coordinates[e]) + (e == d ? step : 0);
    if (other[e] != expected) return false;
  }
  return true;
}

}  // namespace kvl::core
