#include "ReportLoader.h"

#include <algorithm>
#include <string_view>

#include "CodePage.h"
#include "Parser.h"
#include "ReportFile.h"
#include "ReportLines.h"

namespace {

// "align=right><td>Проход<" in Windows-1251, as the report's results header carries it.
constexpr std::string_view kHeaderMarker = "align=right><td>\xCF\xF0\xEE\xF5\xEE\xE4<";

template <class CharT>
bool IsHeaderLine(std::basic_string_view<CharT> line, std::basic_string_view<CharT> marker) {
  const std::size_t at = line.find(marker);
  return at != std::basic_string_view<CharT>::npos && at > 0;
}

void StorePass(PassTable& table, int& n, CItem_OPT row) {
  const auto slot = static_cast<std::size_t>(n);
  if (slot >= table.Size()) table.GrowTo(std::max(table.Size() * 2, slot + 1));
  table[slot] = std::move(row);
  table[slot].Index = std::to_string(++n);
}

// Every line after the first header line is a candidate row; the last line is parsed but never
// taken for a header. A further header line is not a pass: skipping it keeps every later line
// parsed exactly once and in order.
template <class CharT, class ToAnsi>
int StorePasses(const std::vector<std::basic_string_view<CharT>>& lines,
                std::basic_string_view<CharT> marker, ToAnsi toAnsi, PassTable& table) {
  if (lines.size() < 2) return 0;
  const std::size_t scanned = lines.size() - 1;
  std::size_t header = 0;
  while (header < scanned && !IsHeaderLine(lines[header], marker)) ++header;
  if (header == scanned) return 0;

  int n = 0;
  for (std::size_t k = header + 1; k < lines.size(); ++k) {
    if (k < scanned && IsHeaderLine(lines[k], marker)) continue;
    CItem_OPT row = ParseReportRow(toAnsi(lines[k]));
    if (!row.Profit.empty()) StorePass(table, n, std::move(row));
  }
  return n;
}

}  // namespace

int LoadReport(const std::string& path, PassTable& table) {
  ReportFile file = ReadReportFile(path);
  if (file.encoding == ReportFile::Encoding::Ansi) {
    // Each byte decodes to one character and encodes back to itself, so the bytes can be
    // scanned and parsed as they stand.
    const auto lines = SplitReportLines(std::string_view(file.body));
    return StorePasses(
        lines, kHeaderMarker, [](std::string_view line) { return line; }, table);
  }
  const std::u16string text = DecodeUnicodeBody(file);
  file.body = {};
  const std::u16string marker = AnsiToUtf16(kHeaderMarker);
  const auto lines = SplitReportLines(std::u16string_view(text));
  return StorePasses(lines, std::u16string_view(marker), Utf16ToAnsi, table);
}
