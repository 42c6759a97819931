// The sort on small arbitrary tables against the literal exchange procedure: the same rows in
// the same slots afterwards, and for a cell that cannot be converted the same message and the
// same exchanges left behind.
//
// Input: one byte choosing the column (its low seven bits modulo 7) and the direction (largest
// first when its high bit is set), then the column's cells, one per row, separated by line feeds.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "Exceptions.h"
#include "ExchangeSortOracle.h"
#include "FuzzCheck.h"
#include "PassTable.h"
#include "ResultColumns.h"
#include "SortPasses.h"

namespace {

// The literal procedure makes n*n/2 comparisons; this keeps a run fast.
constexpr int kMaxRows = 64;

// The texts that rows name themselves by; the table's fields are views into them.
const std::string& RowName(int n, std::string_view what) {
  static std::deque<std::string> names;
  static std::map<std::pair<int, std::string_view>, std::size_t> at;
  const auto [it, added] = at.try_emplace({n, what}, names.size());
  if (added) names.push_back(std::string(what) + std::to_string(n));
  return names[it->second];
}

// Rows whose column `columnId` holds the given cells (views into `cells`), every other field a
// text naming its row, so that any row moved differently shows.
int FillTable(PassTable& table, int columnId, std::string_view cells) {
  int n = 0;
  for (; n < kMaxRows && !cells.empty(); ++n) {
    const std::size_t end = std::min(cells.find('\n'), cells.size());
    CItem_OPT& row = table[static_cast<std::size_t>(n)];
    row.Params = RowName(n, "params of row ");
    for (auto field : kRowFields) row.*field = RowName(n, "row ");
    row.*kResultColumns[static_cast<std::size_t>(columnId)].field = cells.substr(0, end);
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

bool SameRows(const PassTable& a, const PassTable& b, int n) {
  for (std::size_t s = 0; s < static_cast<std::size_t>(n); ++s) {
    if (a[s].Params != b[s].Params) return false;
    for (auto field : kRowFields) {
      if (a[s].*field != b[s].*field) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int columnId = (data[0] & 0x7F) % kSortColumnCount;
  const bool largestFirst = (data[0] & 0x80) != 0;
  const std::string_view cells(reinterpret_cast<const char*>(data) + 1, size - 1);

  static PassTable sorted;
  static PassTable literal;
  const int n = FillTable(sorted, columnId, cells);
  FillTable(literal, columnId, cells);

  const auto sortFailure = Failure([&] { SortPasses(columnId, largestFirst, n, sorted); });
  const auto literalFailure =
      Failure([&] { ExchangeSortLiterally(columnId, largestFirst, n, literal); });
  FUZZ_CHECK(sortFailure == literalFailure);
  FUZZ_CHECK(SameRows(sorted, literal, n));
  return 0;
}
