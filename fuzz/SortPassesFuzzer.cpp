// The sort of a small arbitrary table's rows against the literal exchange procedure: the same
// pass in every row afterwards, and for a cell that cannot be converted the same message and the
// same exchanges left behind. Each input is sorted twice in turn, the second time from the order
// the first left, as successive header clicks sort.
//
// Input: one byte choosing the column (its low seven bits modulo 7) and the direction (largest
// first when its high bit is set), then the column's cells, one per pass, separated by line feeds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <core/Exceptions.h>
#include <core/PassTable.h>
#include <core/ResultColumns.h>
#include <core/sort/RowOrder.h>

#include "ExchangeSortOracle.h"
#include "FuzzCheck.h"

using namespace kvl::core;

namespace {

// The literal procedure makes n*n/2 comparisons; this keeps a run fast.
constexpr std::size_t kMaxRows = 64;

// Passes whose column `columnId` holds the given cells (views into `cells`), in slots from 0 as
// a load stores them; every other field is empty.
std::size_t FillTable(PassTable& table, int columnId, std::string_view cells) {
  std::size_t n = 0;
  for (; n < kMaxRows && !cells.empty(); ++n) {
    const std::size_t end = std::min(cells.find('\n'), cells.size());
    table[n] = PassRecord{};
    table[n].*kResultColumns[static_cast<std::size_t>(columnId)].field = cells.substr(0, end);
    cells.remove_prefix(std::min(end + 1, cells.size()));
  }
  return n;
}

template <class Sort>
std::optional<std::string> Failure(Sort sort) {
  try {
    sort();
    return std::nullopt;
  } catch (const EConvertError& e) {
    return e.Message();
  }
}

// The same pass in every row, and each pass's row found where it stands.
bool SameRows(const RowOrder& order, const std::vector<std::size_t>& literal) {
  if (order.Count() != literal.size()) return false;
  for (std::size_t r = 0; r < literal.size(); ++r) {
    if (order.PassAt(Row{r}).value != literal[r]) return false;
    if (order.RowOf(PassNumber{literal[r]}) != Row{r}) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int columnId = (data[0] & 0x7F) % kSortColumnCount;
  const bool largestFirst = (data[0] & 0x80) != 0;
  const std::string_view cells(reinterpret_cast<const char*>(data) + 1, size - 1);

  static PassTable table;
  const std::size_t n = FillTable(table, columnId, cells);
  RowOrder order(n);
  std::vector<std::size_t> literal = LoadOrderRows(n);
  for (const bool direction : {largestFirst, !largestFirst}) {
    const auto sortFailure = Failure([&] { SortRows(table, columnId, direction, order); });
    const auto literalFailure =
        Failure([&] { ExchangeSortLiterally(columnId, direction, table, literal); });
    FUZZ_CHECK(sortFailure == literalFailure);
    FUZZ_CHECK(SameRows(order, literal));
  }
  return 0;
}
