#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include <cli/rows/ListedRows.h>

#include "ListFormats.h"
#include "OutputBuffer.h"

namespace kvl::cli {

namespace {

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
  // The blanks that line a column up are written only once a later cell shows, so that a row
  // whose last cells are empty ends with its last text rather than with blanks.
  std::size_t blanks = 0;
  const auto write = [&](std::size_t c, std::size_t width, auto append) {
    if (width != 0) {
      buffer << std::string(blanks, ' ');
      blanks = 0;
      append();
    }
    blanks += widths[c] - width + kColumnGap.size();
  };
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const std::string_view caption = columns[c].caption;
    write(c, DisplayWidth(caption), [&] { buffer << caption; });
  }
  buffer << '\n';
  blanks = 0;
  ForEachListedRow(table, slots, columns, [&](std::size_t slot) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const std::string_view cell = CellText(table, slot, columns[c]);
      write(c, TsvFieldWidth(cell), [&] { AppendTsvField(buffer, cell); });
    }
    blanks = 0;
    buffer << '\n';
    buffer.EndLine();
  });
  buffer.Flush();
}

}  // namespace kvl::cli
