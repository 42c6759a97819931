#include "ReportRowScan.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kNone = std::string_view::npos;

constexpr std::string_view kTitleMarker = "<td title=";
constexpr std::string_view kCellEnd = "</td>";
constexpr std::string_view kFirstMsptCell = "<td class=mspt>";
constexpr std::string_view kPlainSeparator = "</td><td>";
constexpr std::string_view kMsptSeparator = "</td><td class=mspt>";

// Where the cells start (0-based) in a line without "<td class=mspt>": its 15th byte.
constexpr std::size_t kCellsWithoutMspt = 14;
// Where Params starts in a line without "<td title=": its 11th byte.
constexpr std::size_t kParamsWithoutTitle = 10;

// The six cells in line order, each with the text that ends it.
struct Cell {
  PassText CItem_OPT::*field;
  std::string_view end;
};
constexpr Cell kCells[] = {
    {&CItem_OPT::Profit, kPlainSeparator},       {&CItem_OPT::Trades, kMsptSeparator},
    {&CItem_OPT::ProfitFactor, kMsptSeparator},  {&CItem_OPT::ExpectedPayoff, kMsptSeparator},
    {&CItem_OPT::DrawdownMoney, kMsptSeparator}, {&CItem_OPT::DrawdownPercent, kCellEnd},
};
constexpr std::size_t kCellCount = std::size(kCells);

// Takes cells `next` onwards by searching for each one's end from `rest` on. A missing end
// empties its cell and moves the start one byte short of the end's length on, as cutting a cell
// at a position of 0 does.
void TakeCellsBySearch(std::string_view line, std::size_t next, std::size_t rest, CItem_OPT& row) {
  for (; next < kCellCount; ++next) {
    const Cell& cell = kCells[next];
    const std::size_t end = line.find(cell.end, rest);
    if (end == kNone) {
      rest = std::min(rest + cell.end.size() - 1, line.size());
    } else {
      row.*cell.field = line.substr(rest, end - rest);
      rest = end + cell.end.size();
    }
  }
}

}  // namespace

CItem_OPT ScanReportRow(std::string_view line) {
  CItem_OPT row;
  std::size_t title = kNone;
  std::size_t firstCellEnd = kNone;
  std::size_t mspt = kNone;
  std::size_t next = 0;  // the cell being looked for, once "<td class=mspt>" has been seen
  std::size_t rest = 0;  // where that cell starts
  // Every marker starts with '<': each tag of the line is looked at once, in order.
  for (std::size_t at = 0; at < line.size(); ++at) {
    const void* hit = std::memchr(line.data() + at, '<', line.size() - at);
    if (hit == nullptr) break;
    at = static_cast<std::size_t>(static_cast<const char*>(hit) - line.data());
    const std::string_view tag = line.substr(at);
    if (tag.starts_with(kCellEnd)) {
      if (firstCellEnd == kNone) firstCellEnd = at;
      if (mspt != kNone && next < kCellCount && tag.starts_with(kCells[next].end)) {
        row.*kCells[next].field = line.substr(rest, at - rest);
        rest = at + kCells[next].end.size();
        ++next;
      }
    } else {
      if (title == kNone && tag.starts_with(kTitleMarker)) title = at;
      if (mspt == kNone && tag.starts_with(kFirstMsptCell)) {
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
