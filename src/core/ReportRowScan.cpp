#include "ReportRowScan.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kvl::core {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

constexpr std::string_view kTitleMarker = "<td title=";
constexpr std::string_view kCellEnd = "</td>";
constexpr std::string_view kFirstMsptCell = "<td class=mspt>";
constexpr std::string_view kPlainCell = "<td>";
// The separators between cells: a cell's end and the next cell's opening tag.
constexpr std::string_view kPlainSeparator = "</td><td>";
constexpr std::string_view kMsptSeparator = "</td><td class=mspt>";
static_assert(kPlainSeparator.substr(0, kCellEnd.size()) == kCellEnd &&
              kPlainSeparator.substr(kCellEnd.size()) == kPlainCell);
static_assert(kMsptSeparator.substr(0, kCellEnd.size()) == kCellEnd &&
              kMsptSeparator.substr(kCellEnd.size()) == kFirstMsptCell);

// Where the cells start (0-based) in a line without "<td class=mspt>": its 15th byte.
constexpr std::size_t kCellsWithoutMspt = 14;
// Where Params starts in a line without "<td title=": its 11th byte.
constexpr std::size_t kParamsWithoutTitle = 10;

// What follows a cell's "</td>" to end it: the next cell's opening tag, or nothing for the last.
enum class NextCell { kPlain, kMspt, kLast };

// The six cells in line order.
struct Cell {
  PassText PassRecord::*field;
  NextCell next;
};
constexpr Cell kCells[] = {
    {&PassRecord::Profit, NextCell::kPlain},       {&PassRecord::Trades, NextCell::kMspt},
    {&PassRecord::ProfitFactor, NextCell::kMspt},  {&PassRecord::ExpectedPayoff, NextCell::kMspt},
    {&PassRecord::DrawdownMoney, NextCell::kMspt}, {&PassRecord::DrawdownPercent, NextCell::kLast},
};
constexpr std::size_t kCellCount = std::size(kCells);

constexpr std::string_view EndOf(const Cell& cell) {
  switch (cell.next) {
    case NextCell::kPlain:
      return kPlainSeparator;
    case NextCell::kMspt:
      return kMsptSeparator;
    case NextCell::kLast:
      break;
  }
  return kCellEnd;
}

// Whether `marker` stands in `line` at `at`. The markers are constants, so the comparison
// compiles to a few loads.
bool StartsAt(std::string_view line, std::size_t at, std::string_view marker) {
  return line.size() - at >= marker.size() &&
         __builtin_memcmp(line.data() + at, marker.data(), marker.size()) == 0;
}

// The position of the first '<' at or after `at`, or kNone.
std::size_t FindTag(std::string_view line, std::size_t at) {
#ifdef __SSE2__
  // Tags stand a few bytes apart but for the title: one look at the next sixteen bytes finds
  // most of them without the cost of a call.
  if (line.size() - at >= 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + at));
    const int hits = _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('<')));
    if (hits != 0) return at + static_cast<std::size_t>(__builtin_ctz(hits));
    at += 16;
  }
#endif
  const void* hit = std::memchr(line.data() + at, '<', line.size() - at);
  return hit == nullptr ? kNone
                        : static_cast<std::size_t>(static_cast<const char*>(hit) - line.data());
}

// Whether the end of `cell` stands at `at`, where a "</td>" does.
bool CellEndsAt(std::string_view line, std::size_t at, const Cell& cell) {
  const std::size_t after = at + kCellEnd.size();
  switch (cell.next) {
    case NextCell::kPlain:
      return StartsAt(line, after, kPlainCell);
    case NextCell::kMspt:
      return StartsAt(line, after, kFirstMsptCell);
    case NextCell::kLast:
      break;
  }
  return true;
}

// Takes cells `next` onwards by searching for each one's end from `rest` on. A missing end
// empties its cell and moves the start one byte short of the end's length on, as cutting a cell
// at a position of 0 does.
void TakeCellsBySearch(std::string_view line, std::size_t next, std::size_t rest, PassRecord& row) {
  for (; next < kCellCount; ++next) {
    const Cell& cell = kCells[next];
    const std::string_view cellEnd = EndOf(cell);
    const std::size_t end = line.find(cellEnd, rest);
    if (end == kNone) {
      rest = std::min(rest + cellEnd.size() - 1, line.size());
    } else {
      row.*cell.field = line.substr(rest, end - rest);
      rest = end + cellEnd.size();
    }
  }
}

}  // namespace

PassRecord ScanReportRow(std::string_view line) {
  PassRecord row;
  std::size_t title = kNone;
  std::size_t firstCellEnd = kNone;
  std::size_t mspt = kNone;
  std::size_t next = 0;  // the cell being looked for, once "<td class=mspt>" has been seen
  std::size_t rest = 0;  // where that cell starts
  // Every marker starts with '<': each tag of the line is looked at once, in order.
  for (std::size_t at = FindTag(line, 0); at != kNone; at = FindTag(line, at + 1)) {
    if (StartsAt(line, at, kCellEnd)) {
      if (firstCellEnd == kNone) firstCellEnd = at;
      if (mspt != kNone && next < kCellCount && CellEndsAt(line, at, kCells[next])) {
        row.*kCells[next].field = line.substr(rest, at - rest);
        rest = at + EndOf(kCells[next]).size();
        ++next;
      }
    } else {
      if (title == kNone && StartsAt(line, at, kTitleMarker)) title = at;
      if (mspt == kNone && StartsAt(line, at, kFirstMsptCell)) {
        mspt = at;
        rest = at + kFirstMsptCell.size();
      }
    }
    if (next == kCellCount && title != kNone) break;
  }
  // A missing marker or cell end: the remaining cells by plain search, from where the line says.
  if (mspt == kNone) rest = std::min(kCellsWithoutMspt, line.size());
  TakeCellsBySearch(line, next, rest, row);

  // Params starts at the second byte after the title marker and ends before the first "</td>".
  const std::size_t params = title == kNone ? kParamsWithoutTitle : title + kTitleMarker.size() + 1;
  if (firstCellEnd != kNone && firstCellEnd > params) {
    row.Params = line.substr(params, firstCellEnd - params);
  }
  return row;
}

}  // namespace kvl::core
