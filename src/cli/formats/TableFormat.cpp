#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "formats/ListFormats.h"
#include "formats/OutputBuffer.h"

namespace {

std::string ShownCell(const PassTable& table, std::size_t slot, const ListedColumn& column) {
  std::string scratch;
  return EscapeField(Utf8Of(CellText(table, slot, column), scratch));
}

// Characters, not bytes, so that Cyrillic texts line up.
std::size_t DisplayWidth(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::ranges::count_if(utf8, [](char byte) { return (byte & 0xC0) != 0x80; }));
}

constexpr std::string_view kColumnGap = "  ";

}  // namespace

void WriteTable(std::ostream& out, const PassTable& table, std::span<const std::size_t> slots,
                std::span<const ListedColumn> columns) {
  std::vector<std::size_t> widths;
  for (const ListedColumn& column : columns) widths.push_back(DisplayWidth(column.caption));
  // The cells are converted twice rather than held, so a large report needs no second copy.
  for (const std::size_t slot : slots) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      widths[c] = std::max(widths[c], DisplayWidth(ShownCell(table, slot, columns[c])));
    }
  }
  OutputBuffer buffer(out);
  const auto writeLine = [&buffer, &widths](auto cellOfColumn) {
    for (std::size_t c = 0; c < widths.size(); ++c) {
      const std::string cell(cellOfColumn(c));
      buffer << cell;
      if (c + 1 < widths.size()) {
        buffer << std::string(widths[c] - DisplayWidth(cell), ' ') << kColumnGap;
      }
    }
    buffer << '\n';
    buffer.EndLine();
  };
  writeLine([&columns](std::size_t c) { return columns[c].caption; });
  for (const std::size_t slot : slots) {
    writeLine([&](std::size_t c) { return ShownCell(table, slot, columns[c]); });
  }
  buffer.Flush();
}
