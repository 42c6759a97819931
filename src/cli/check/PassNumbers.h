#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kvl::cli {

// What the report's own pass numbers, the texts of the rows' first cells, say about its rows.
struct PassNumbers {
  struct Range {
    std::int64_t first;
    std::int64_t last;
  };
  struct Repeat {
    std::int64_t number;
    std::size_t times;
  };

  std::optional<Range> span;            // the smallest and the largest number
  std::vector<Range> gaps;              // numbers between them that no row has, ascending
  std::uint64_t missing = 0;            // how many numbers the gaps hold
  std::vector<Repeat> repeats;          // numbers more than one row has, ascending
  std::vector<std::size_t> notNumbers;  // rows (1 for the first) whose cell CellToInt refuses
};

// Reads each row's first-cell text with CellToInt, in row order.
PassNumbers CheckPassNumbers(const std::vector<std::string_view>& firstCells);

// The text of a report row's first cell, "17" in <td title="...">17</td>: what stands between the
// last '>' before the line's first "</td>" and that "</td>"; empty without one.
std::string_view FirstCellText(std::string_view line);

}  // namespace kvl::cli
