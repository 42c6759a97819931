#include "parametermap/PassRows.h"

#include <charconv>

std::optional<std::size_t> PassNumberOf(std::string_view index) noexcept {
  std::size_t number = 0;
  const char* const end = index.data() + index.size();
  const auto [stop, error] = std::from_chars(index.data(), end, number);
  if (index.empty() || error != std::errc() || stop != end || number < 1) return std::nullopt;
  return number;
}

PassRows PassRows::Read(const PassTable& table, std::size_t count) {
  PassRows rows;
  rows.rows_.assign(count, kNoRow);
  for (std::size_t row = 0; row < count; ++row) {
    const std::optional<std::size_t> pass = PassNumberOf(table[row].Index);
    if (pass && *pass <= count && rows.rows_[*pass - 1] == kNoRow) rows.rows_[*pass - 1] = row;
  }
  return rows;
}

std::optional<std::size_t> PassRows::RowOf(std::size_t pass) const noexcept {
  if (pass < 1 || pass > rows_.size() || rows_[pass - 1] == kNoRow) return std::nullopt;
  return rows_[pass - 1];
}
