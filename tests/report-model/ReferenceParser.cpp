#include "ReferenceParser.h"

#include <algorithm>

using namespace kvl::core;

namespace {

using Pos = long long;

constexpr std::string_view kTitleMarker = "<td title=";
constexpr std::string_view kCellEnd = "</td>";
constexpr std::string_view kFirstMsptCell = "<td class=mspt>";
constexpr std::string_view kPlainSeparator = "</td><td>";
constexpr std::string_view kMsptSeparator = "</td><td class=mspt>";

Pos Length(std::string_view text) {
  return static_cast<Pos>(text.size());
}

// 1-based position of the first occurrence of `marker`, 0 when absent or either text is empty.
Pos Position(std::string_view marker, std::string_view text) {
  if (marker.empty() || text.empty()) return 0;
  const std::size_t at = text.find(marker);
  return at == std::string_view::npos ? 0 : static_cast<Pos>(at) + 1;
}

// SubStr without copying, for the parser's intermediate texts.
std::string_view SubView(std::string_view text, Pos start, Pos count) {
  const Pos length = Length(text);
  if (start > length || count < 1) return {};
  start = std::max<Pos>(start, 1);
  const Pos available = length - start + 1;
  return text.substr(static_cast<std::size_t>(start - 1),
                     static_cast<std::size_t>(std::min(count, available)));
}

std::string_view TailView(std::string_view line) {
  const Pos m = Position(kFirstMsptCell, line);
  return SubView(line, m + Length(kFirstMsptCell), Length(line) - m);
}

std::string_view TitleView(std::string_view line) {
  const Pos t = Position(kTitleMarker, line);
  const Pos e = Position(kCellEnd, line);
  const Pos first = t + Length(kTitleMarker) + 1;
  return SubView(line, first, e - first);
}

// Takes the cell before `separator` off the front of `rest`, leaving what follows it.
std::string_view TakeCell(std::string_view& rest, std::string_view separator) {
  const Pos p = Position(separator, rest);
  const std::string_view cell = SubView(rest, 0, p - 1);
  rest = SubView(rest, p + Length(separator), Length(rest));
  return cell;
}

}  // namespace

AnsiString SubStr(std::string_view text, long long start, long long count) {
  return AnsiString(SubView(text, start, count));
}

AnsiString ExtractTitle(std::string_view line) {
  return AnsiString(TitleView(line));
}

AnsiString TailAfterFirstMspt(std::string_view line) {
  return AnsiString(TailView(line));
}

PassRecord ParseReportRow(std::string_view line) {
  PassRecord row;
  row.Params = TitleView(line);
  std::string_view rest = TailView(line);
  row.Profit = TakeCell(rest, kPlainSeparator);
  row.Trades = TakeCell(rest, kMsptSeparator);
  row.ProfitFactor = TakeCell(rest, kMsptSeparator);
  row.ExpectedPayoff = TakeCell(rest, kMsptSeparator);
  row.DrawdownMoney = TakeCell(rest, kMsptSeparator);
  row.DrawdownPercent = SubView(rest, 0, Position(kCellEnd, rest) - 1);
  return row;
}
