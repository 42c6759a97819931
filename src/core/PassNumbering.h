#pragma once

#include <compare>
#include <cstddef>

namespace kvl::core {

// A pass by its number in the report, from 1: the loader numbers the data rows in file order.
struct PassNumber {
  std::size_t value = 0;  // from 1
  friend auto operator<=>(PassNumber, PassNumber) = default;
};

// A row of the listed passes, from 0 for the first; which pass it shows is a RowOrder's to say.
struct Row {
  std::size_t value = 0;  // from 0
  friend auto operator<=>(Row, Row) = default;
};

// The table slot that holds pass `pass` (pass.value from 1): the loader stores the pass numbered
// p in slot p-1, and nothing moves it while that load lasts.
constexpr std::size_t SlotOf(PassNumber pass) noexcept {
  return pass.value - 1;
}

}  // namespace kvl::core
