#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include <cli/rows/ListedRows.h>

#include "ListFormats.h"
#include "OutputBuffer.h"

namespace kvl::cli {

namespace {

// Characters, not bytes, so that Cyrillic texts line up.
std::size_t DisplayWidth(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::ranges::count_if(utf8, [](char byte) { return (byte & 0xC0) != 0x80; }));
}

constexpr std::string_view kColumnGap = "  ";

}  // namespace

void WriteTable(std::ostream& out, const core::PassTable& table, std::span<const std::size_t> slots,
                std::span<const ListedColumn> columns) {
  std::vector<std::size_t> widths;
  for (const ListedColumn& column : columns) widths.push_back(DisplayWidth(column.caption));
  // The cells are read twice rather than held, so a large report needs no second copy.
  ForEachListedRow(table, slots, columns, [&](std::size_t slot) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      widths[c] = std::max(widths[c], TsvFieldWidth(CellText(table, slot, columns[c])));
    }
  });
  OutputBuffer buffer(out);
  const auto pad = [&buffer, &widths](std::size_t c, std::size_t width) {
    if (c + 1 < widths.size()) buffer << std::string(widths[c] - width, ' ') << kColumnGap;
  };
  for (std::size_t c = 0; c < columns.size(); ++c) {
    buffer << columns[c].caption;
    pad(c, DisplayWidth(columns[c].caption));
  }
  buffer << '\n';
  ForEachListedRow(table, slots, columns, [&](std::size_t slot) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const std::string_view cell = CellText(table, slot, columns[c]);
      AppendTsvField(buffer, cell);
      pad(c, TsvFieldWidth(cell));
    }
    buffer << '\n';
    buffer.EndLine();
  });
  buffer.Flush();
}

}  // namespace kvl::cli
