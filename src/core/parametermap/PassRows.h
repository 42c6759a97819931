#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "PassTable.h"

// The pass number an Index text names: decimal digits of a number from 1, as the loader writes
// them; nullopt for any other text.
std::optional<std::size_t> PassNumberOf(std::string_view index) noexcept;

// The row each pass stands in now. A sort moves the rows, so this is read again after one.
class PassRows {
 public:
  // Reads the Index texts of rows 0 to count-1; passes are numbered 1 to count.
  static PassRows Read(const PassTable& table, std::size_t count);

  // The row of pass `pass`; nullopt when no row is numbered with it.
  std::optional<std::size_t> RowOf(std::size_t pass) const noexcept;

 private:
  static constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);
  std::vector<std::size_t> rows_;  // per pass from 1
};
