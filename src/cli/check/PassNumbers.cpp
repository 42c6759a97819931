#include "PassNumbers.h"

#include <algorithm>

#include <core/CellConvert.h>
#include <core/Exceptions.h>

namespace kvl::cli {

PassNumbers CheckPassNumbers(const std::vector<std::string_view>& firstCells) {
  PassNumbers result;
  std::vector<std::int64_t> numbers;
  numbers.reserve(firstCells.size());
  for (std::size_t row = 0; row < firstCells.size(); ++row) {
    try {
      numbers.push_back(core::CellToInt(firstCells[row]));
    } catch (const core::EConvertError&) {
      result.notNumbers.push_back(row + 1);
    }
  }
  if (numbers.empty()) return result;
  std::ranges::sort(numbers);
  result.span = PassNumbers::Range{numbers.front(), numbers.back()};
  for (std::size_t k = 0; k < numbers.size();) {
    std::size_t next = k + 1;
    while (next < numbers.size() && numbers[next] == numbers[k]) ++next;
    if (next - k > 1) result.repeats.push_back({numbers[k], next - k});
    if (next < numbers.size() && numbers[next] > numbers[k] + 1) {
      result.gaps.push_back({numbers[k] + 1, numbers[next] - 1});
      result.missing += static_cast<std::uint64_t>(numbers[next] - numbers[k] - 1);
    }
    k = next;
  }
  return result;
}

std::string_view FirstCellText(std::string_view line) {
  const std::size_t close = line.find("</td>");
  if (close == std::string_view::npos) return {};
  const std::size_t open = line.rfind('>', close);
  if (open == std::string_view::npos) return {};
  return line.substr(open + 1, close - open - 1);
}

}  // namespace kvl::cli
